#include "event.h"
#include "form.h"
#include "user_control.h"
#include "win32_test_support.h"
#include "windowless_label.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumo {
namespace {

using namespace std::chrono_literals;
using namespace std::string_literals;

constexpr COLORREF kFormBack = RGB(40, 50, 60);
constexpr COLORREF kFace = RGB(200, 100, 0);

std::string Twips(const MouseEvent& e) {
    return std::to_string(e.button) + " " + std::to_string(static_cast<int>(e.x)) + "," +
           std::to_string(static_cast<int>(e.y));
}

// A user control of the Command button's kind: a caption without a window over a drawn face,
// stored properties, a declared Click event.
class Knob final : public UserControl {
  public:
    Knob(Container& parent, std::optional<PropertyBag> stored)
        : UserControl(parent, Design(std::move(stored))), Caption(*this, CaptionDesign()) {
        // The caption takes the mouse over its area and hands it on, as the button's does.
        Caption.OnMouseDown = [this](const MouseEvent& e) {
            log.push_back("caption");
            UserControl_MouseDown(e);
        };
    }

    WindowlessLabel Caption;
    Event<> Click;
    std::vector<std::string> log;
    std::string caption;
    std::int64_t colour = 0;
    FontDesign font;

    void SetCaption(const std::string& text) {
        caption = text;
        PropertyChanged("Caption");
    }

  protected:
    void UserControl_InitProperties() override {
        log.push_back("init");
        caption = "Knob";
        font = AmbientFont();
    }
    void UserControl_ReadProperties(const PropertyBag& record) override {
        log.push_back("read");
        caption = ToText(record.Read("Caption", "Knob1"s));
        colour = ToInteger(record.Read("Colour", "0"s), INT32_MIN, UINT32_MAX);
        font = ToFont(record.Read("Font", AmbientFont()));
    }
    void UserControl_WriteProperties(PropertyBag& record) override {
        record.Write("Caption", caption, "Knob"s);
        record.Write("Colour", colour, "0"s);
        record.Write("Font", font, AmbientFont());
    }
    void UserControl_Resize() override {
        log.push_back("resize " + std::to_string(Picture().WidthPixels()) + "x" +
                      std::to_string(Picture().HeightPixels()));
        Picture().Clear();
        Picture().Refresh();
    }
    void UserControl_MouseDown(const MouseEvent& e) override { log.push_back("down " + Twips(e)); }
    void UserControl_MouseMove(const MouseEvent& e) override { log.push_back("move " + Twips(e)); }
    void UserControl_MouseUp(const MouseEvent& e) override {
        log.push_back("up " + Twips(e));
        Click.Raise();
    }
    void UserControl_GotFocus() override { log.push_back("gotfocus"); }
    void UserControl_LostFocus() override { log.push_back("lostfocus"); }

  private:
    static UserControlDesign Design(std::optional<PropertyBag> stored) {
        UserControlDesign design;
        design.control = {300, 300, 600, 300}; // 20, 20, 40 x 20 pixels
        design.properties = std::move(stored);
        design.backColour = kFace;
        return design;
    }
    static LabelDesign CaptionDesign() {
        LabelDesign design;
        design.control = {0, 150, 300, 150}; // the lower left quarter
        design.caption = L"K";
        return design;
    }
};

class KnobForm final : public Form {
  public:
    explicit KnobForm(std::optional<PropertyBag> stored = std::nullopt)
        : Form(Design()), Knob1(*this, std::move(stored)) {}
    Knob Knob1;
    std::vector<std::string> loadSaw;

  protected:
    void Form_Load() override { loadSaw = Knob1.log; }

  private:
    static FormDesign Design() {
        FormDesign design;
        design.caption = L"lumo user control test";
        design.border = BorderStyle::None;
        design.clientWidth = 1500;
        design.clientHeight = 1050;
        design.backColour = kFormBack;
        design.font.name = L"Arial";
        design.font.points = 12;
        return design;
    }
};

TEST(UserControl, ReadsItsStoredRecordAndLearnsItsSizeBeforeTheFormsLoadEvent) {
    FontDesign bold;
    bold.weight = 700;
    KnobForm form(PropertyBag{{"caption", "Set"s}, {"font", bold}});
    form.Load();
    EXPECT_EQ(form.loadSaw, (std::vector<std::string>{"read", "resize 40x20"}));
    EXPECT_EQ(form.Knob1.caption, "Set");
    EXPECT_EQ(form.Knob1.font.weight, 700);
    EXPECT_EQ(form.Knob1.colour, 0); // a missing entry reads as its default
    // The host's services.
    EXPECT_EQ(form.Knob1.AmbientFont().name, L"Arial");
    EXPECT_EQ(form.Knob1.ParentFormWindow(), form.Hwnd());
    EXPECT_EQ(::GetParent(form.Knob1.Hwnd()), form.Hwnd());
    form.Unload();
}

TEST(UserControl, PropertiesGoIntoTheDesignAndComeBackWithTheNextLoad) {
    PropertyBag saved;
    {
        KnobForm placed; // a control placed anew: InitProperties, the ambient font
        placed.Load();
        EXPECT_EQ(placed.loadSaw.front(), "init");
        EXPECT_EQ(placed.Knob1.font.points, 12);
        std::vector<std::string> told;
        placed.Knob1.OnPropertyChanged = [&](const std::string& name) { told.push_back(name); };
        placed.Knob1.SetCaption("Cancel");
        placed.Knob1.colour = 255;
        EXPECT_EQ(told, (std::vector<std::string>{"Caption"}));
        EXPECT_EQ(placed.Knob1.ChangedProperties().count("Caption"), 1u);
        placed.Knob1.SaveProperties();
        EXPECT_TRUE(placed.Knob1.ChangedProperties().empty());
        saved = placed.Knob1.StoredProperties();
        placed.Unload();
    }
    EXPECT_FALSE(saved.Contains("Font")); // the ambient font is the default: not stored
    KnobForm loaded(saved);
    loaded.Load();
    EXPECT_EQ(loaded.Knob1.caption, "Cancel");
    EXPECT_EQ(loaded.Knob1.colour, 255);
    EXPECT_EQ(loaded.Knob1.font.points, 12);

    // A caption equal to the writing default is left out and reads back as the reading one.
    loaded.Knob1.SetCaption("Knob");
    loaded.Knob1.SaveProperties();
    KnobForm again(loaded.Knob1.StoredProperties());
    again.Load();
    EXPECT_EQ(again.Knob1.caption, "Knob1");
    loaded.Unload();
    again.Unload();
    MSG msg;
    ::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

TEST(UserControl, APressTakesTheFocusAndTheMouseUntilTheRelease) {
    KnobForm form;
    int clicks = 0;
    form.Knob1.Click = [&] { ++clicks; };
    form.Show();
    ::SetForegroundWindow(form.Hwnd());
    test::PumpFor(50ms);
    const HWND knob = form.Knob1.Hwnd();
    form.Knob1.log.clear();

    ::SendMessageA(knob, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 4));
    EXPECT_EQ(::GetCapture(), knob);
    // Dragged off to the left: the moves still come, with positions outside the control.
    ::SendMessageA(knob, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-10, 4));
    ::SendMessageA(knob, WM_LBUTTONUP, 0, MAKELPARAM(-10, 4));
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(form.Knob1.log, (std::vector<std::string>{"gotfocus", "down 1 450,60",
                                                        "move 1 -150,60", "up 1 -150,60"}));
    EXPECT_EQ(clicks, 1);

    // Over the windowless caption the caption takes the press and hands it on.
    form.Knob1.log.clear();
    ::SendMessageA(knob, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 15));
    ::SendMessageA(knob, WM_RBUTTONUP, 0, MAKELPARAM(5, 15));
    ASSERT_GE(form.Knob1.log.size(), 2u);
    EXPECT_EQ(form.Knob1.log[0], "caption");
    EXPECT_EQ(form.Knob1.log[1], "down 2 75,75"); // in the caption's own coordinates

    // A disabled caption lets the mouse through to the control.
    form.Knob1.Caption.SetEnabled(false);
    form.Knob1.log.clear();
    ::SendMessageA(knob, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 15));
    ::SendMessageA(knob, WM_LBUTTONUP, 0, MAKELPARAM(5, 15));
    EXPECT_EQ(form.Knob1.log, (std::vector<std::string>{"down 1 75,225", "up 1 75,225"}));

    ::SetFocus(form.Hwnd());
    EXPECT_EQ(form.Knob1.log.back(), "lostfocus");
    form.Unload();
}

TEST(UserControl, ShowsItsSurfaceOrItsContainerAndRaisesResize) {
    KnobForm form;
    form.Show();
    test::PumpFor(50ms);
    const HWND knob = form.Knob1.Hwnd();
    EXPECT_EQ(test::WindowPixel(knob, 30, 3), kFace);
    form.Knob1.SetBackStyle(BackStyle::Transparent);
    EXPECT_EQ(test::WindowPixel(knob, 30, 3), kFormBack);
    form.Knob1.SetBackStyle(BackStyle::Opaque);
    EXPECT_EQ(test::WindowPixel(knob, 30, 3), kFace);

    form.Knob1.log.clear();
    form.Knob1.Move(300, 300, 900, 450);
    EXPECT_EQ(form.Knob1.log, (std::vector<std::string>{"resize 60x30"}));
    EXPECT_EQ(test::WindowPixel(knob, 55, 25), kFace); // the grown surface shows
    form.Unload();
}

} // namespace
} // namespace lumo
