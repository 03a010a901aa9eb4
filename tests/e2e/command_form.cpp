// A form holding two Command buttons, for the button's end-to-end tests. It prints "Ready" with
// the buttons' screen rectangles once loaded, "Click <n>" for each Click of button n, and
// "Face <n> <state>" whenever a button's face state changes (polled every 20 ms), then ends
// after the number of seconds given (default 60) or when its window is closed.
//   command_form [seconds]
#include "application.h"
#include "command.h"
#include "form.h"
#include "timer.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <io.h>
#include <string>

namespace {

using namespace lumo;
using namespace std::string_literals;

UserControlDesign ButtonDesign(double top, const char* caption) {
    UserControlDesign design;
    design.control = ControlDesign{300, top, 1755, 420}; // 117 x 28 pixels
    design.properties = PropertyBag{{"caption", std::string(caption)}, {"font", FontDesign{}}};
    return design;
}

FormDesign FormLayout() {
    FormDesign design;
    design.caption = L"lumo command form";
    design.border = BorderStyle::None;
    design.clientWidth = 2700;
    design.clientHeight = 2100;
    design.backColour = RGB(40, 50, 60);
    return design;
}

void Say(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

class CommandForm final : public Form {
  public:
    explicit CommandForm(unsigned seconds)
        : Form(FormLayout()), Cmd_One(*this, ButtonDesign(300, "One")),
          Cmd_Two(*this, ButtonDesign(1200, "Two")), Watch(*this, 20, true),
          End(*this, seconds * 1000, true) {
        Cmd_One.OnClick = [] { Say("Click 1"); };
        Cmd_Two.OnClick = [] { Say("Click 2"); };
        Watch.OnTimer = [this] { ReportFaces(); };
        End.OnTimer = [this] { Unload(); };
    }

    Command Cmd_One;
    Command Cmd_Two;
    Timer Watch;
    Timer End;

  protected:
    void Form_Load() override {
        Cmd_One.Initialize();
        Cmd_Two.Initialize();
    }

  private:
    void ReportFaces() {
        if (!ready_) {
            ready_ = true;
            Say("Ready " + Where(Cmd_One) + " " + Where(Cmd_Two));
        }
        for (int n = 0; n < 2; ++n) {
            const int state = (n == 0 ? Cmd_One : Cmd_Two).FaceState();
            if (state != last_[n]) {
                last_[n] = state;
                Say("Face " + std::to_string(n + 1) + " " + std::to_string(state));
            }
        }
    }
    static std::string Where(const Command& button) {
        RECT r{};
        ::GetWindowRect(button.Hwnd(), &r);
        return std::to_string(r.left) + "," + std::to_string(r.top) + "," +
               std::to_string(r.right - r.left) + "," + std::to_string(r.bottom - r.top);
    }

    bool ready_ = false;
    int last_[2] = {-1, -1};
};

} // namespace

int main(int argc, char** argv) {
    _setmode(_fileno(stdout), _O_BINARY); // plain "\n" lines for the test's grep
    const unsigned seconds = argc > 1 ? static_cast<unsigned>(std::atoi(argv[1])) : 60;
    CommandForm form(seconds > 0 ? seconds : 60);
    form.Show();
    // A form has no window to move before it is shown.
    form.Move(2250, 2250, 2700, 2100); // 150, 150 pixels on the screen
    ::SetForegroundWindow(form.Hwnd());
    app::RunMessageLoop();
    return 0;
}
