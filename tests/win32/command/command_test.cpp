#include "command.h"
#include "control_array.h"
#include "face_pictures.h"
#include "form.h"
#include "wide_text.h"
#include "win32_test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace lumo {
namespace {

using namespace std::chrono_literals;
using namespace std::string_literals;

constexpr COLORREF kFrame = RGB(0, 60, 116);

struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
};

// The button's persistent image, read back pixel by pixel (without the caption, which its
// container draws over the image when it paints).
class SurfacePixels {
  public:
    explicit SurfacePixels(const Surface& surface)
        : width_(surface.WidthPixels()), height_(surface.HeightPixels()),
          stride_(((width_ * 3 + 3) / 4) * 4), rows_(surface.ReadRows24()) {}
    Rgb At(int x, int y) const {
        const std::size_t at = static_cast<std::size_t>((height_ - 1 - y) * stride_ + x * 3);
        return Rgb{rows_[at + 2], rows_[at + 1], rows_[at]};
    }
    bool Is(int x, int y, COLORREF c) const {
        const Rgb p = At(x, y);
        return p.r == GetRValue(c) && p.g == GetGValue(c) && p.b == GetBValue(c);
    }
    int Width() const { return width_; }
    int Height() const { return height_; }

  private:
    int width_;
    int height_;
    int stride_;
    std::vector<std::uint8_t> rows_;
};

// The row's colour of a vertical gradient from `top` (row 0) to `bottom` (row `last`).
int Between(int top, int bottom, int row, int last) {
    return top + (bottom - top) * row / last;
}

void ExpectGradientColumn(const SurfacePixels& pixels, int x, bool inverted) {
    const int last = pixels.Height() - 1;
    const Rgb light{255, 255, 255};
    const Rgb shade{198, 197, 215};
    const Rgb top = inverted ? shade : light;
    const Rgb bottom = inverted ? light : shade;
    // The rows between the frame's top and bottom pieces.
    for (int y = 4; y < pixels.Height() - 4; ++y) {
        const Rgb p = pixels.At(x, y);
        EXPECT_NEAR(p.r, Between(top.r, bottom.r, y, last), 3) << "row " << y;
        EXPECT_NEAR(p.g, Between(top.g, bottom.g, y, last), 3) << "row " << y;
        EXPECT_NEAR(p.b, Between(top.b, bottom.b, y, last), 3) << "row " << y;
    }
}

FontDesign DialogFont() {
    return FontDesign{}; // ＭＳ Ｐゴシック 9.75 pt, Shift_JIS, normal
}

class ButtonForm final : public Form {
  public:
    explicit ButtonForm(std::optional<PropertyBag> stored =
                            PropertyBag{{"caption", "\x90\xdd\x92\xe8"s}, {"font", DialogFont()}})
        : Form(Design()), Cmd_Set(*this, ButtonDesign(std::move(stored))) {}
    Command Cmd_Set;
    bool initialize = true;

  protected:
    void Form_Load() override {
        if (initialize) {
            Cmd_Set.Initialize();
        }
    }

  private:
    static FormDesign Design() {
        FormDesign design;
        design.caption = L"lumo command test";
        design.border = BorderStyle::None;
        design.clientWidth = 4500;
        design.clientHeight = 1500;
        design.backColour = RGB(40, 50, 60);
        return design;
    }
    static UserControlDesign ButtonDesign(std::optional<PropertyBag> stored) {
        UserControlDesign design;
        design.control = ControlDesign{300, 300, 1755, 420}; // 20, 20: 117 x 28 pixels
        design.properties = std::move(stored);
        return design;
    }
};

class CommandWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // Keep the real cursor off the button so that the hover timer sees it outside.
        ::SetCursorPos(900, 700);
        form.Move(0, 0, 4500, 1500);
        form.Show();
        test::PumpFor(50ms);
    }
    void TearDown() override {
        form.Unload();
        MSG msg;
        ::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    }
    void Send(UINT message, WPARAM buttons, int x = 50, int y = 10) {
        ::SendMessageA(form.Cmd_Set.Hwnd(), message, buttons, MAKELPARAM(x, y));
    }
    ButtonForm form;
};

TEST_F(CommandWindowTest, LoadsTheDialogsRecordEnabledAndDrawsTheIdleGradient) {
    Command& button = form.Cmd_Set;
    EXPECT_EQ(button.Caption(), FromCp932("\x90\xdd\x92\xe8"));
    EXPECT_EQ(button.FaceState(), 1);
    EXPECT_EQ(button.FirstRun(), 1);
    EXPECT_TRUE(button.TmrMouse.Enabled());
    EXPECT_EQ(button.TmrMouse.Interval(), 100u);
    const SurfacePixels idle(button.Picture());
    ASSERT_EQ(idle.Width(), 117);
    ASSERT_EQ(idle.Height(), 28);
    ExpectGradientColumn(idle, 58, false);
    // The caption: centred across the whole width, 10 twips above the centre.
    EXPECT_DOUBLE_EQ(button.LblMsg.Top(), 102.5);
    EXPECT_DOUBLE_EQ(button.LblMsg.Width(), 1755);
}

TEST_F(CommandWindowTest, HoverTurnsTheGradientOverAndTheTimerTurnsItBack) {
    Command& button = form.Cmd_Set;
    Send(WM_MOUSEMOVE, 0);
    EXPECT_EQ(button.FaceState(), 2);
    ExpectGradientColumn(SurfacePixels(button.Picture()), 58, true);
    // The amber rim of the HighLight picture along the top edge.
    const Rgb rim = SurfacePixels(button.Picture()).At(58, 2);
    EXPECT_EQ(rim.r, 255);
    EXPECT_EQ(rim.g, 240);
    // The cursor is elsewhere: a tick or two ends the hover look.
    EXPECT_TRUE(test::PumpUntil([&] { return button.FaceState() == 1; }, 1000ms));
    ExpectGradientColumn(SurfacePixels(button.Picture()), 58, false);
}

TEST_F(CommandWindowTest, FramePiecesLandWhereTheTableSaysAtTheDesignedSize) {
    const SurfacePixels p(form.Cmd_Set.Picture());
    // The frame line: picture row 1 / column 1, and their far twins at W - 60 and H - 60.
    for (int x = 4; x < 113; ++x) {
        EXPECT_TRUE(p.Is(x, 1, kFrame)) << "top edge at " << x;
        EXPECT_TRUE(p.Is(x, 26, kFrame)) << "bottom edge at " << x;
    }
    for (int y = 4; y < 24; ++y) {
        EXPECT_TRUE(p.Is(1, y, kFrame)) << "left edge at " << y;
        EXPECT_TRUE(p.Is(115, y, kFrame)) << "right edge at " << y;
    }
    // Corners 1:1 from the picture: the margin at the very corner, the rounding inside it.
    EXPECT_FALSE(p.Is(0, 0, kFrame));
    EXPECT_FALSE(p.Is(1, 1, kFrame));
    EXPECT_TRUE(p.Is(3, 1, kFrame));
    EXPECT_TRUE(p.Is(113, 1, kFrame));
    EXPECT_FALSE(p.Is(115, 26, kFrame)); // the rounded bottom-right corner
    EXPECT_TRUE(p.Is(113, 26, kFrame));
    EXPECT_TRUE(p.Is(115, 24, kFrame));
    const Rgb corner = p.At(116, 27);
    EXPECT_GT(corner.r + corner.g + corner.b, 600);
    // The centre is not covered.
    EXPECT_FALSE(p.Is(4, 4, kFrame));
    EXPECT_FALSE(p.Is(112, 23, kFrame));
}

TEST_F(CommandWindowTest, AStretchedButtonMovesTheFarPiecesAndStretchesTheEdges) {
    Command& button = form.Cmd_Set;
    button.Move(300, 300, 3000, 900); // 200 x 60 pixels
    const SurfacePixels p(button.Picture());
    ASSERT_EQ(p.Width(), 200);
    ASSERT_EQ(p.Height(), 60);
    for (int x = 4; x < 196; ++x) {
        EXPECT_TRUE(p.Is(x, 1, kFrame)) << x;
        EXPECT_TRUE(p.Is(x, 58, kFrame)) << x;
    }
    for (int y = 4; y < 56; ++y) {
        EXPECT_TRUE(p.Is(1, y, kFrame)) << y;
        EXPECT_TRUE(p.Is(198, y, kFrame)) << y;
    }
    ExpectGradientColumn(p, 100, false);
    EXPECT_DOUBLE_EQ(button.LblMsg.Top(), (900 - 195 - 20) / 2.0);
}

TEST_F(CommandWindowTest, ATinyButtonDrawsWithoutFailing) {
    Command& button = form.Cmd_Set;
    button.Move(300, 300, 90, 45); // 6 x 3 pixels
    const SurfacePixels p(button.Picture());
    EXPECT_EQ(p.Width(), 6);
    button.Move(300, 300, 0, 0);
    EXPECT_EQ(button.Picture().WidthPixels(), 0);
    EXPECT_TRUE(button.ButtonEnabled());
}

TEST_F(CommandWindowTest, TheDisabledFaceHasNoDarkFrameAndAGreyCaption) {
    Command& button = form.Cmd_Set;
    button.SetButtonEnabled(false);
    const SurfacePixels p(button.Picture());
    for (int y = 0; y < p.Height(); ++y) {
        for (int x = 0; x < p.Width(); ++x) {
            const Rgb c = p.At(x, y);
            ASSERT_GE(c.r + c.g + c.b, 3 * 180) << x << "," << y;
        }
    }
    EXPECT_FALSE(button.LblMsg.Enabled());
    // Disabled: presses and releases change nothing and raise nothing.
    int clicks = 0;
    button.OnClick = [&] { ++clicks; };
    Send(WM_LBUTTONDOWN, MK_LBUTTON);
    Send(WM_LBUTTONUP, 0);
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(button.MouseIsDown());
}

TEST_F(CommandWindowTest, PressAndReleaseOverTheButtonClicksOnce) {
    Command& button = form.Cmd_Set;
    int clicks = 0;
    button.OnClick = [&] { ++clicks; };
    Send(WM_MOUSEMOVE, 0);
    Send(WM_LBUTTONDOWN, MK_LBUTTON); // takes the focus first: state 4
    EXPECT_EQ(button.FaceState(), 4);
    EXPECT_TRUE(button.MouseIsDown());
    Send(WM_LBUTTONUP, 0);
    EXPECT_EQ(clicks, 1);
    // Over the caption too: the windowless caption hands the mouse on.
    Send(WM_LBUTTONDOWN, MK_LBUTTON, 58, 14);
    Send(WM_LBUTTONUP, 0, 58, 14);
    EXPECT_EQ(clicks, 2);
    // No keyboard handling.
    Send(WM_KEYDOWN, VK_RETURN);
    Send(WM_KEYDOWN, VK_SPACE);
    EXPECT_EQ(clicks, 2);
}

TEST_F(CommandWindowTest, ADraggedOffPressReleasedAfterATickRaisesNoClick) {
    Command& button = form.Cmd_Set;
    int clicks = 0;
    button.OnClick = [&] { ++clicks; };
    Send(WM_MOUSEMOVE, 0);
    Send(WM_LBUTTONDOWN, MK_LBUTTON);
    Send(WM_MOUSEMOVE, MK_LBUTTON, -40, 10);
    // The real cursor is far away: the next tick takes the hover away.
    ASSERT_TRUE(test::PumpUntil([&] { return button.FaceState() == 3; }, 1000ms));
    Send(WM_LBUTTONUP, 0, -40, 10);
    EXPECT_EQ(clicks, 0);
}

TEST(CommandPictures, FacePicturesComeFromTheResourcesAt64By25) {
    for (const Face face : {Face::Normal, Face::HighLight, Face::HighLightSelect, Face::Pressed,
                            Face::Disable, Face::Selected}) {
        const Picture& picture = FacePicture(face);
        EXPECT_EQ(picture.WidthPixels(), 64);
        EXPECT_EQ(picture.HeightPixels(), 25);
    }
    EXPECT_NE(FacePicture(Face::Normal).Handle(), FacePicture(Face::Pressed).Handle());
}

TEST(CommandProperties, TheFontReadIsTheCaptionsOwnObject) {
    ButtonForm form(std::nullopt);
    form.Show();
    test::PumpFor(30ms);
    Command& button = form.Cmd_Set;
    std::vector<std::string> changed;
    button.OnPropertyChanged = [&](const std::string& name) { changed.push_back(name); };
    button.Font().Change([](FontDesign& font) { font.weight = 700; });
    EXPECT_EQ(button.LblMsg.Font().Design().weight, 700);
    EXPECT_TRUE(changed.empty());
    button.SaveProperties();
    EXPECT_EQ(ToFont(button.StoredProperties().Read("Font", FontDesign{})).weight, 700);
}

TEST(CommandProperties, ANewInstanceIsSwitchedOnByItsFirstEnabledRead) {
    ButtonForm form(std::nullopt); // placed anew: no record
    form.initialize = false;
    form.Show();
    test::PumpFor(30ms);
    Command& button = form.Cmd_Set;
    EXPECT_EQ(button.Caption(), L"Command");
    EXPECT_EQ(button.FaceState(), 0);
    EXPECT_FALSE(button.LblMsg.Enabled()); // the resize drew the Disable face
    EXPECT_TRUE(button.ButtonEnabled());
    EXPECT_EQ(button.FirstRun(), 1);
    EXPECT_TRUE(button.LblMsg.Enabled());
    button.SaveProperties();
    EXPECT_FALSE(button.StoredProperties().Contains("FirstRun"));
    EXPECT_TRUE(button.StoredProperties().Contains("Caption") == false);

    // Visible: 0 shows the form through the face, the caption stays.
    std::vector<std::string> changed;
    button.OnPropertyChanged = [&](const std::string& name) { changed.push_back(name); };
    button.SetFaceVisible(0);
    EXPECT_EQ(button.FaceVisible(), 0);
    EXPECT_EQ(test::WindowPixel(button.Hwnd(), 58, 3), RGB(40, 50, 60));
    button.SetFaceVisible(1);
    EXPECT_EQ(button.FaceVisible(), 255);
    EXPECT_NE(test::WindowPixel(button.Hwnd(), 58, 3), RGB(40, 50, 60));
    button.SetFontColour(RGB(200, 0, 0));
    EXPECT_EQ(button.LblMsg.ForeColour(), RGB(200, 0, 0));
    EXPECT_EQ(changed, (std::vector<std::string>{"Visible", "Visible", "FontColour"}));
    form.Unload();
}

TEST_F(CommandWindowTest, AnUnknownSystemColourLeavesTheCaptionColourAsItWas) {
    constexpr std::uint32_t kHighlight = 0x80000000u | static_cast<std::uint32_t>(COLOR_HIGHLIGHT);
    Command& button = form.Cmd_Set;
    std::vector<std::string> changed;
    button.OnPropertyChanged = [&](const std::string& name) { changed.push_back(name); };
    button.SetFontColour(kHighlight);
    EXPECT_EQ(button.LblMsg.ForeColour(), ::GetSysColor(COLOR_HIGHLIGHT));
    button.SetFontColour(0x800000FFu); // no such system colour: the step fails
    EXPECT_EQ(button.FontColour(), kHighlight);
    EXPECT_EQ(button.LblMsg.ForeColour(), ::GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(changed, std::vector<std::string>{"FontColour"});
    // Saved, the colour is the runtime's 32-bit number: a system colour is negative.
    button.SaveProperties();
    EXPECT_TRUE(ValuesEqual(button.StoredProperties().Read("fontcolour", 0),
                            std::int64_t{static_cast<std::int32_t>(kHighlight)}));
}

TEST(CommandArray, ClickReachesTheArraysHandlerWithTheIndex) {
    class ArrayForm final : public Form {
      public:
        ArrayForm() : Form(FormDesign{}) {
            UserControlDesign design;
            design.control = ControlDesign{120, 120, 615, 315, true, true, 0};
            design.properties = PropertyBag{{"caption", "..."s}};
            Cmd_File.Add(*this, design);
        }
        ControlArray<Command> Cmd_File;

      protected:
        void Form_Load() override { Cmd_File[0].Initialize(); }
    } form;
    std::vector<int> clicked;
    form.Cmd_File.Handle(&Command::OnClick, [&](int index) { clicked.push_back(index); });
    form.Show();
    const HWND button = form.Cmd_File[0].Hwnd();
    // The cursor comes over the button before it presses (a press without it lands in the
    // focused state, where a release raises nothing).
    ::SendMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    ::SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    ::SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(clicked, std::vector<int>{0});
    form.Unload();
    MSG msg;
    ::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

} // namespace
} // namespace lumo
