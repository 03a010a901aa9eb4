#include "form.h"
#include "label.h"
#include "picture_box.h"
#include "timer.h"
#include "wide_text.h"
#include "win32_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumo {
namespace {

using namespace std::chrono_literals;

FormDesign FramedDesign(const char* caption) {
    FormDesign design;
    design.caption = FromCp932(caption);
    design.border = BorderStyle::FixedSingle;
    design.clientWidth = 7440;
    design.clientHeight = 3645;
    return design;
}

// Records its events together with what the window looked like when they ran.
class EventForm : public Form {
  public:
    explicit EventForm(const char* caption = "lumo event form")
        : Form(FramedDesign(caption)), Caption(*this, CaptionDesign()) {}

    std::vector<std::string> events;
    bool cancelNextUnload = false;
    UnloadMode lastMode = UnloadMode::FromCode;
    Label Caption;

  protected:
    void Form_Load() override {
        events.push_back(std::string("Load") + (::IsWindow(Hwnd()) ? " window" : "") +
                         (::IsWindowVisible(Hwnd()) ? " visible" : " hidden") +
                         (::IsWindow(Caption.Hwnd()) ? " controls" : ""));
    }
    void Form_QueryUnload(bool& cancel, UnloadMode mode) override {
        events.push_back("QueryUnload");
        lastMode = mode;
        cancel = std::exchange(cancelNextUnload, false);
    }
    void Form_Unload(bool&) override {
        events.push_back(std::string("Unload") + (::IsWindow(Hwnd()) ? " window" : ""));
    }
    void Form_Resize() override { events.push_back("Resize"); }

  private:
    static LabelDesign CaptionDesign() {
        LabelDesign design;
        design.control = {180, 120, 3000, 300};
        design.caption = FromCp932("\x83\x8B\x83\x82 label"); // ルモ label
        return design;
    }
};

TEST(Form, LoadMakesTheWindowHiddenWithItsControlsBeforeTheLoadEvent) {
    EventForm form;
    const int before = Form::LoadedCount();
    form.Load();
    ASSERT_TRUE(form.IsLoaded());
    EXPECT_EQ(Form::LoadedCount(), before + 1);
    ASSERT_FALSE(form.events.empty());
    EXPECT_EQ(form.events.front(), "Load window hidden controls");
    EXPECT_EQ(::FindWindowA(nullptr, "lumo event form"), form.Hwnd()); // hidden, still found
    RECT client{};
    ::GetClientRect(form.Hwnd(), &client);
    EXPECT_EQ(client.right, 496);
    EXPECT_EQ(client.bottom, 243);
    char text[64] = {};
    ::GetWindowTextA(form.Caption.Hwnd(), text, sizeof text);
    EXPECT_STREQ(text, "\x83\x8B\x83\x82 label");
    form.Load(); // a second load changes nothing
    EXPECT_EQ(form.events.size(), 1u);
    form.Unload();
}

TEST(Form, ResizeRunsWhenTheSizeIsSetAndAtTheFirstShowing) {
    EventForm form;
    form.Load();
    form.events.clear();
    form.Move(0, 0, 6000, 3000);
    EXPECT_EQ(form.events, (std::vector<std::string>{"Resize"}));
    EXPECT_DOUBLE_EQ(form.Width(), 6000);
    form.events.clear();
    form.Show();
    test::PumpFor(50ms);
    EXPECT_FALSE(form.events.empty());
    EXPECT_EQ(form.events.front(), "Resize");
    form.Unload();
}

TEST(Form, UnloadRunsQueryUnloadThenUnloadThenDestroysTheWindow) {
    EventForm form;
    form.Load();
    const HWND hwnd = form.Hwnd();
    form.events.clear();
    form.Unload();
    EXPECT_EQ(form.events, (std::vector<std::string>{"QueryUnload", "Unload window"}));
    EXPECT_FALSE(::IsWindow(hwnd));
    EXPECT_FALSE(form.IsLoaded());
    form.Unload(); // unloading an unloaded form does nothing
    EXPECT_EQ(form.events.size(), 2u);
}

TEST(Form, ACancelledUnloadKeepsTheForm) {
    EventForm form;
    form.Load();
    form.events.clear();
    form.cancelNextUnload = true;
    form.Unload();
    EXPECT_EQ(form.events, (std::vector<std::string>{"QueryUnload"}));
    EXPECT_TRUE(form.IsLoaded());
    form.Unload();
    EXPECT_FALSE(form.IsLoaded());
}

TEST(Form, TheCloseBoxUnloadsFromTheControlMenu) {
    EventForm form;
    form.Show();
    ::PostMessageA(form.Hwnd(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(test::PumpUntil([&] { return !form.IsLoaded(); }, 1000ms));
    EXPECT_EQ(form.lastMode, UnloadMode::FromControlMenu);
}

TEST(Form, TheLastUnloadEndsTheMessageLoop) {
    ASSERT_EQ(Form::LoadedCount(), 0);
    EventForm first("lumo first");
    EventForm second("lumo second");
    first.Load();
    second.Load();
    first.Unload();
    MSG msg;
    EXPECT_FALSE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
    second.Unload();
    EXPECT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

class ClosingForm final : public EventForm {
  public:
    ClosingForm() : EventForm("lumo modal"), CloseSoon(*this, 100, true) {
        CloseSoon.OnTimer = [this] { Unload(); };
    }
    Timer CloseSoon;
};

TEST(Form, AModalShowReturnsWhenTheFormHasBeenUnloaded) {
    ClosingForm form;
    const auto start = std::chrono::steady_clock::now();
    form.Show(ShowMode::Modal);
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_GE(std::chrono::steady_clock::now() - start, 90ms);
    ASSERT_GE(form.events.size(), 3u);
    EXPECT_EQ(form.events[form.events.size() - 2], "QueryUnload");
    MSG msg;
    ::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE); // it was the last form
}

TEST(Form, TheEndOfTheWindowsSessionAsksQueryUnloadWhichMayRefuseIt) {
    EventForm form;
    form.Load();
    const HWND hwnd = form.Hwnd();
    form.events.clear();
    form.cancelNextUnload = true;
    EXPECT_EQ(::SendMessageA(hwnd, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), FALSE);
    EXPECT_EQ(form.events, (std::vector<std::string>{"QueryUnload"}));
    EXPECT_EQ(form.lastMode, UnloadMode::WindowsSession);
    ::SendMessageA(hwnd, WM_ENDSESSION, FALSE, 0); // the end was called off
    EXPECT_TRUE(form.IsLoaded());

    // Agreed: the form stays until the session really ends, then unloads without being
    // asked a second time.
    EXPECT_EQ(::SendMessageA(hwnd, WM_QUERYENDSESSION, 0, 0), TRUE);
    EXPECT_TRUE(form.IsLoaded());
    ::SendMessageA(hwnd, WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(form.events,
              (std::vector<std::string>{"QueryUnload", "QueryUnload", "Unload window"}));
    EXPECT_EQ(form.lastMode, UnloadMode::WindowsSession);
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_FALSE(::IsWindow(hwnd));
    MSG msg;
    ::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE); // it was the last form
}

TEST(Form, AFailingEventDoesNotEscapeIntoTheDispatcher) {
    class ThrowingForm final : public Form {
      public:
        ThrowingForm() : Form(FramedDesign("lumo throwing")) {}
        int resizes = 0;

      protected:
        void Form_Load() override { throw std::runtime_error("load"); }
        void Form_Resize() override {
            ++resizes;
            throw std::runtime_error("resize");
        }
        void Form_QueryUnload(bool&, UnloadMode) override { throw std::runtime_error("q"); }
    };
    ThrowingForm form;
    form.Show();
    form.Move(0, 0, 5000, 3000);
    EXPECT_GE(form.resizes, 1);
    form.Unload();
    EXPECT_FALSE(form.IsLoaded());
    MSG msg;
    ::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

} // namespace
} // namespace lumo
