#include "control_array.h"
#include "form.h"
#include "image.h"
#include "label.h"
#include "line.h"
#include "picture_box.h"
#include "shape.h"
#include "win32_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace lumo {
namespace {

using namespace std::chrono_literals;

constexpr COLORREF kBack = RGB(10, 20, 30);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kLabelGreen = RGB(0, 128, 0);

// Pixels to twips, for designs laid out on a pixel grid.
constexpr double T(int pixels) {
    return pixels * 15.0;
}

ControlDesign At(int x, int y, int width, int height, int index = -1) {
    ControlDesign design{T(x), T(y), T(width), T(height)};
    design.index = index;
    return design;
}

// The form's background is the JPEG still (152 x 112, red left, blue right) on kBack; the
// windowless controls lie on the right, beside it.
class GraphicsForm final : public Form {
  public:
    GraphicsForm()
        : Form(Design()),
          Mark(*this, {At(160, 10, 20, 20), Picture::Load(L"" LUMO_TEST_BMP), false}),
          Wide(*this, {At(190, 10, 30, 12), Picture::Load(L"" LUMO_TEST_BMP), true}),
          Box(*this, {At(160, 40, 40, 30), kRed, 2, FillStyle::Solid, kYellow, std::nullopt}),
          Across(*this, {T(160), T(80), T(230), T(80), kMagenta, 1, true, -1}),
          Solid(*this, LabelOver(At(180, 50, 10, 10), kLabelGreen)),
          Clear(*this, LabelOver(At(200, 75, 20, 10), std::nullopt)) {}

    Image Mark;  // natural size: an 8 x 6 green bitmap in a 20 x 20 control
    Image Wide;  // stretched over 30 x 12
    Shape Box;   // red frame of 2, yellow fill
    Line Across; // magenta, y 80
    Label Solid; // windowed, opaque, over the shape
    Label Clear; // windowed, transparent, over the line

  private:
    static FormDesign Design() {
        FormDesign design;
        design.caption = L"lumo graphics test";
        design.border = BorderStyle::None;
        design.clientWidth = T(240);
        design.clientHeight = T(140);
        design.backColour = kBack;
        design.picture = Picture::Load(L"" LUMO_TEST_JPEG);
        return design;
    }
    static LabelDesign LabelOver(ControlDesign at, std::optional<COLORREF> back) {
        LabelDesign design;
        design.control = at;
        design.backColour = back;
        return design;
    }
};

TEST(FormPicture, LiesOnTheBackgroundFromTheTopLeftCornerAndStaysThroughClearAndGrowth) {
    GraphicsForm form;
    form.Load();
    const HDC image = form.Picture().Dc();
    EXPECT_TRUE(test::Near(::GetPixel(image, 5, 5), kRed));
    EXPECT_TRUE(test::Near(::GetPixel(image, 148, 108), RGB(0, 0, 255)));
    EXPECT_EQ(::GetPixel(image, 155, 5), kBack);
    EXPECT_EQ(::GetPixel(image, 5, 115), kBack);

    form.Picture().SetScaleMode(ScaleMode::Pixels);
    form.Picture().Line(0, 50, 240, 50, kGreen);
    EXPECT_EQ(::GetPixel(image, 5, 50), kGreen);
    form.Picture().Clear(); // the picture comes back, the drawing goes
    EXPECT_TRUE(test::Near(::GetPixel(form.Picture().Dc(), 5, 50), kRed));

    form.Move(0, 0, T(300), T(200)); // borderless: outer size = inner size
    EXPECT_EQ(form.Picture().WidthPixels(), 300);
    EXPECT_TRUE(test::Near(::GetPixel(form.Picture().Dc(), 5, 5), kRed));
    EXPECT_EQ(::GetPixel(form.Picture().Dc(), 290, 190), kBack);

    form.SetPicture(Picture());
    EXPECT_EQ(::GetPixel(form.Picture().Dc(), 5, 5), kBack);
    form.Unload();
}

TEST(WindowlessControls, ShowOverTheBackgroundAndUnderWindowedControls) {
    GraphicsForm form;
    form.Show();
    test::PumpFor(100ms);
    const HWND w = form.Hwnd();
    EXPECT_TRUE(test::Near(test::WindowPixel(w, 5, 5), kRed)); // the background picture
    // Image at natural size, the container around it.
    EXPECT_EQ(test::WindowPixel(w, 160, 10), kGreen);
    EXPECT_EQ(test::WindowPixel(w, 167, 15), kGreen);
    EXPECT_EQ(test::WindowPixel(w, 168, 15), kBack);
    EXPECT_EQ(test::WindowPixel(w, 175, 25), kBack);
    // Stretched image: to its far corner.
    EXPECT_EQ(test::WindowPixel(w, 219, 21), kGreen);
    EXPECT_EQ(test::WindowPixel(w, 220, 21), kBack);
    // Shape: a 2-pixel frame inside its size, the fill within.
    EXPECT_EQ(test::WindowPixel(w, 160, 40), kRed);
    EXPECT_EQ(test::WindowPixel(w, 161, 55), kRed);
    EXPECT_EQ(test::WindowPixel(w, 199, 69), kRed);
    EXPECT_EQ(test::WindowPixel(w, 200, 69), kBack);
    EXPECT_EQ(test::WindowPixel(w, 170, 45), kYellow);
    // The opaque windowed label covers the shape.
    EXPECT_EQ(test::WindowPixel(form.Solid.Hwnd(), 5, 5), kLabelGreen);
    // The line, both ends included; the transparent label shows it through.
    EXPECT_EQ(test::WindowPixel(w, 160, 80), kMagenta);
    EXPECT_EQ(test::WindowPixel(w, 230, 80), kMagenta);
    EXPECT_EQ(test::WindowPixel(w, 231, 80), kBack);
    EXPECT_EQ(test::WindowPixel(form.Clear.Hwnd(), 5, 5), kMagenta);
    EXPECT_EQ(test::WindowPixel(form.Clear.Hwnd(), 5, 4), kBack);

    // Changes show at once; a hidden control lets the background through.
    form.Box.SetFill(FillStyle::Solid, kGreen);
    form.Across.SetEnds(T(160), T(90), T(230), T(90));
    form.Mark.SetVisible(false);
    test::PumpFor(50ms);
    EXPECT_EQ(test::WindowPixel(w, 170, 45), kGreen);
    EXPECT_EQ(test::WindowPixel(w, 195, 80), kBack);
    EXPECT_EQ(test::WindowPixel(w, 200, 90), kMagenta);
    EXPECT_EQ(test::WindowPixel(form.Clear.Hwnd(), 5, 5), kBack);
    EXPECT_EQ(test::WindowPixel(w, 163, 12), kBack);
    form.Unload();
}

LPARAM PointAt(int x, int y) {
    return MAKELPARAM(x, y);
}

TEST(Image, TakesTheMouseWithTheButtonAndItsOwnPosition) {
    GraphicsForm form;
    std::vector<std::string> events;
    form.Mark.OnMouseDown = [&](const MouseEvent& e) {
        events.push_back("down " + std::to_string(e.button) + " " + std::to_string(int(e.x)) + "," +
                         std::to_string(int(e.y)));
    };
    form.Mark.OnMouseUp = [&](const MouseEvent& e) {
        events.push_back("up " + std::to_string(e.button));
    };
    form.Mark.OnClick = [&] { events.push_back("click"); };
    form.Show();
    const HWND w = form.Hwnd();

    ::SendMessageA(w, WM_LBUTTONDOWN, MK_LBUTTON, PointAt(165, 12));
    EXPECT_EQ(::GetCapture(), w);
    ::SendMessageA(w, WM_LBUTTONUP, 0, PointAt(166, 13));
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(events, (std::vector<std::string>{"down 1 75,30", "up 1", "click"}));

    // Pressed on it and released elsewhere: the release is its own, the click is not.
    events.clear();
    ::SendMessageA(w, WM_LBUTTONDOWN, MK_LBUTTON, PointAt(165, 12));
    ::SendMessageA(w, WM_LBUTTONUP, 0, PointAt(5, 5));
    EXPECT_EQ(events, (std::vector<std::string>{"down 1 75,30", "up 1"}));

    // A left release that ends no left press is no click: after a right press, or alone.
    events.clear();
    ::SendMessageA(w, WM_RBUTTONDOWN, MK_RBUTTON, PointAt(165, 12));
    ::SendMessageA(w, WM_LBUTTONUP, MK_RBUTTON, PointAt(165, 12));
    ::SendMessageA(w, WM_RBUTTONUP, 0, PointAt(165, 12));
    ::SendMessageA(w, WM_LBUTTONUP, 0, PointAt(165, 12));
    EXPECT_EQ(events, (std::vector<std::string>{"down 2 75,30", "up 1", "up 2", "up 1"}));

    // The right button: no click. A shape takes no mouse; a disabled image neither.
    events.clear();
    ::SendMessageA(w, WM_RBUTTONDOWN, MK_RBUTTON, PointAt(179, 29));
    ::SendMessageA(w, WM_RBUTTONUP, 0, PointAt(179, 29));
    ::SendMessageA(w, WM_LBUTTONDOWN, MK_LBUTTON, PointAt(170, 45));
    ::SendMessageA(w, WM_LBUTTONUP, 0, PointAt(170, 45));
    form.Mark.SetEnabled(false);
    ::SendMessageA(w, WM_LBUTTONDOWN, MK_LBUTTON, PointAt(165, 12));
    ::SendMessageA(w, WM_LBUTTONUP, 0, PointAt(165, 12));
    EXPECT_EQ(events, (std::vector<std::string>{"down 2 285,285", "up 2"}));
    form.Unload();
}

// A windowed label takes the mouse as every control does: a double click is a press, and moves
// and releases raise their events; a click needs a left press released over it.
TEST(Label, TakesTheMouseAsEveryControlDoes) {
    GraphicsForm form;
    std::vector<std::string> events;
    form.Solid.OnMouseDown = [&](const MouseEvent& e) {
        events.push_back("down " + std::to_string(e.button));
    };
    form.Solid.OnMouseMove = [&](const MouseEvent& e) {
        events.push_back("move " + std::to_string(e.button));
    };
    form.Solid.OnMouseUp = [&](const MouseEvent& e) {
        events.push_back("up " + std::to_string(e.button));
    };
    form.Solid.OnClick = [&] { events.push_back("click"); };
    form.Show();
    const HWND w = form.Solid.Hwnd();

    ::SendMessageA(w, WM_LBUTTONDOWN, MK_LBUTTON, PointAt(2, 2));
    ::SendMessageA(w, WM_LBUTTONUP, 0, PointAt(2, 2));
    ::SendMessageA(w, WM_LBUTTONDBLCLK, MK_LBUTTON, PointAt(2, 2));
    EXPECT_EQ(::GetCapture(), w);
    ::SendMessageA(w, WM_MOUSEMOVE, MK_LBUTTON, PointAt(3, 3));
    ::SendMessageA(w, WM_LBUTTONUP, 0, PointAt(3, 3));
    EXPECT_EQ(::GetCapture(), nullptr);
    ::SendMessageA(w, WM_RBUTTONDOWN, MK_RBUTTON, PointAt(2, 2));
    ::SendMessageA(w, WM_RBUTTONUP, 0, PointAt(2, 2));
    ::SendMessageA(w, WM_LBUTTONDOWN, MK_LBUTTON, PointAt(2, 2));
    ::SendMessageA(w, WM_LBUTTONUP, 0, PointAt(50, 50)); // released off the label
    EXPECT_EQ(events,
              (std::vector<std::string>{"down 1", "up 1", "click", "down 1", "move 1", "up 1",
                                        "click", "down 2", "up 2", "down 1", "up 1"}));
    form.Unload();
}

// The dialog's kind of choice: marks and captions in arrays, some in a panel, with one handler
// per array that learns the element's index.
class ArrayForm final : public Form {
  public:
    ArrayForm() : Form(Design()), Panel(*this, PanelDesign()) {
        for (const int index : {1, 0, 2}) { // declared in screen order, not index order
            const int row = 10 + 20 * static_cast<int>(Marks.Count());
            Marks.Add(Panel, ImageDesign{At(10, row, 13, 13, index), {}, false});
            LabelDesign caption;
            caption.control = At(30, row, 60, 13, index);
            caption.caption = L"kind " + std::to_wstring(index);
            Captions.Add(Panel, caption);
        }
        LabelDesign outside;
        outside.control = At(150, 10, 40, 13, 7);
        Captions.Add(*this, outside);
        Marks.Handle(&Image::OnMouseDown,
                     [this](int index, const MouseEvent& e) { Pressed(index, e.button); });
        Captions.Handle(&Label::OnMouseDown,
                        [this](int index, const MouseEvent& e) { Pressed(index, e.button); });
    }

    PictureBox Panel;
    ControlArray<Image> Marks;
    ControlArray<Label> Captions;
    std::vector<std::pair<int, int>> presses; // index, button

  private:
    void Pressed(int index, int button) { presses.emplace_back(index, button); }
    static FormDesign Design() {
        FormDesign design;
        design.caption = L"lumo array test";
        design.border = BorderStyle::None;
        design.clientWidth = T(200);
        design.clientHeight = T(100);
        return design;
    }
    static PictureBoxDesign PanelDesign() {
        PictureBoxDesign design;
        design.control = At(0, 0, 120, 90);
        return design;
    }
};

TEST(ControlArray, EveryElementsEventCarriesItsIndex) {
    ArrayForm form;
    form.Show();
    EXPECT_EQ(form.Marks.Count(), 3u);
    EXPECT_EQ(form.Captions.Count(), 4u);
    EXPECT_EQ(form.Marks[2].Top(), T(50));
    EXPECT_THROW(form.Marks[3], std::out_of_range);
    EXPECT_THROW(form.Marks.Add(form.Panel, ImageDesign{At(0, 0, 1, 1, 1), {}, false}),
                 std::invalid_argument);

    const HWND panel = form.Panel.Hwnd();
    ::SendMessageA(panel, WM_LBUTTONDOWN, MK_LBUTTON, PointAt(15, 35)); // mark of row 2: index 0
    ::SendMessageA(panel, WM_LBUTTONUP, 0, PointAt(15, 35));
    ::SendMessageA(panel, WM_MBUTTONDOWN, MK_MBUTTON, PointAt(15, 55)); // row 3: index 2
    ::SendMessageA(panel, WM_MBUTTONUP, 0, PointAt(15, 55));
    ::SendMessageA(form.Captions[1].Hwnd(), WM_RBUTTONDOWN, MK_RBUTTON, 0);
    ::SendMessageA(form.Captions[7].Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
    EXPECT_EQ(form.presses, (std::vector<std::pair<int, int>>{{0, 1}, {2, 4}, {1, 2}, {7, 1}}));
    form.Unload();
}

} // namespace
} // namespace lumo
