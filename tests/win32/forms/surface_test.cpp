#include "form.h"
#include "picture_box.h"
#include "win32_test_support.h"

#include <gtest/gtest.h>

namespace lumo {
namespace {

FormDesign PlainDesign() {
    FormDesign design;
    design.caption = L"lumo surface test";
    design.border = BorderStyle::None;
    design.clientWidth = 200 * 15;
    design.clientHeight = 120 * 15;
    design.backColour = RGB(10, 20, 30);
    return design;
}

class PictureForm final : public Form {
  public:
    PictureForm() : Form(PlainDesign()), Pic(*this, PicDesign()) {}
    PictureBox Pic;

  private:
    static PictureBoxDesign PicDesign() {
        PictureBoxDesign design;
        design.control = {150, 150, 100 * 15, 60 * 15};
        design.backColour = RGB(0, 0, 255);
        return design;
    }
};

COLORREF ScreenPixel(HWND hwnd, int x, int y) {
    ::UpdateWindow(hwnd);
    HDC dc = ::GetDC(hwnd);
    const COLORREF c = ::GetPixel(dc, x, y);
    ::ReleaseDC(hwnd, dc);
    return c;
}

TEST(Surface, StartsInTheBackColourAndKeepsWhatIsDrawnWhileHidden) {
    PictureForm form;
    form.Load();
    ASSERT_TRUE(form.IsLoaded());
    EXPECT_FALSE(::IsWindowVisible(form.Hwnd()));
    EXPECT_EQ(form.Picture().WidthPixels(), 200);
    EXPECT_EQ(form.Picture().HeightPixels(), 120);
    EXPECT_EQ(::GetPixel(form.Picture().Dc(), 5, 5), RGB(10, 20, 30));
    EXPECT_EQ(form.Pic.Picture().WidthPixels(), 100);
    EXPECT_EQ(::GetPixel(form.Pic.Picture().Dc(), 50, 30), RGB(0, 0, 255));

    // Drawn while the window is hidden: the image holds it, and the first showing paints it.
    form.Picture().SetScaleMode(ScaleMode::Pixels);
    form.Picture().Line(0, 100, 200, 100, RGB(255, 0, 0));
    EXPECT_EQ(::GetPixel(form.Picture().Dc(), 150, 100), RGB(255, 0, 0));
    form.Show();
    test::PumpFor(std::chrono::milliseconds(100));
    EXPECT_EQ(ScreenPixel(form.Hwnd(), 150, 100), RGB(255, 0, 0));
    EXPECT_EQ(ScreenPixel(form.Hwnd(), 150, 99), RGB(10, 20, 30));
    EXPECT_EQ(ScreenPixel(form.Pic.Hwnd(), 50, 30), RGB(0, 0, 255));

    // Hidden again, drawn again, shown again: both drawings are there.
    form.Hide();
    form.Picture().Line(0, 110, 200, 110, RGB(0, 255, 0));
    form.Show();
    test::PumpFor(std::chrono::milliseconds(100));
    EXPECT_EQ(ScreenPixel(form.Hwnd(), 20, 100), RGB(255, 0, 0));
    EXPECT_EQ(ScreenPixel(form.Hwnd(), 20, 110), RGB(0, 255, 0));

    // A window that covers it and goes away: the repaint comes from the image.
    RECT at{};
    ::GetWindowRect(form.Hwnd(), &at);
    HWND cover = ::CreateWindowExA(WS_EX_TOPMOST, "STATIC", "", WS_POPUP | WS_VISIBLE, at.left,
                                   at.top, 200, 120, nullptr, nullptr, nullptr, nullptr);
    test::PumpFor(std::chrono::milliseconds(100));
    ::DestroyWindow(cover);
    test::PumpFor(std::chrono::milliseconds(100));
    EXPECT_EQ(ScreenPixel(form.Hwnd(), 20, 100), RGB(255, 0, 0));
    EXPECT_EQ(ScreenPixel(form.Hwnd(), 20, 110), RGB(0, 255, 0));

    // Cleared and refreshed: the window shows the image at once.
    form.Picture().Clear();
    form.Picture().Refresh();
    EXPECT_EQ(ScreenPixel(form.Hwnd(), 20, 100), RGB(10, 20, 30));
    form.Unload();
}

TEST(Surface, LinesAreInTwipsUnlessSwitchedToPixels) {
    PictureForm form;
    form.Load();
    Surface& s = form.Picture();
    EXPECT_EQ(s.GetScaleMode(), ScaleMode::Twips);
    EXPECT_DOUBLE_EQ(s.ScaleWidth(), 3000);
    EXPECT_DOUBLE_EQ(s.ScaleHeight(), 1800);
    s.Line(0, 300, 3000, 300, RGB(1, 2, 3)); // 300 twips = row 20
    EXPECT_EQ(::GetPixel(s.Dc(), 100, 20), RGB(1, 2, 3));
    EXPECT_EQ(::GetPixel(s.Dc(), 100, 19), RGB(10, 20, 30));
    s.SetScaleMode(ScaleMode::Pixels);
    EXPECT_DOUBLE_EQ(s.ScaleWidth(), 200);
    s.Line(0, 300, 200, 300, RGB(4, 5, 6)); // off the image: nothing breaks
    form.Unload();
}

TEST(Surface, PaintPictureCopiesAndStretchesARectangle) {
    PictureForm form;
    form.Load();
    Surface& source = form.Pic.Picture();
    source.SetScaleMode(ScaleMode::Pixels);
    source.Line(0, 0, 2, 0, RGB(200, 0, 0)); // two red pixels at (0,0) and (1,0)
    Surface& target = form.Picture();
    target.SetScaleMode(ScaleMode::Pixels);
    // 1:1 copy of a 4x4 corner.
    target.PaintPicture(source.Dc(), 10, 10, 4, 4, 0, 0, 4, 4);
    EXPECT_EQ(::GetPixel(target.Dc(), 10, 10), RGB(200, 0, 0));
    EXPECT_EQ(::GetPixel(target.Dc(), 11, 10), RGB(200, 0, 0));
    EXPECT_EQ(::GetPixel(target.Dc(), 12, 10), RGB(0, 0, 255));
    // The 2x1 red run stretched to 20x10.
    target.PaintPicture(source.Dc(), 50, 50, 20, 10, 0, 0, 2, 1);
    EXPECT_EQ(::GetPixel(target.Dc(), 50, 50), RGB(200, 0, 0));
    EXPECT_EQ(::GetPixel(target.Dc(), 69, 59), RGB(200, 0, 0));
    EXPECT_EQ(::GetPixel(target.Dc(), 70, 59), RGB(10, 20, 30));
    form.Unload();
}

TEST(Surface, GrowingKeepsTheDrawingAndFillsTheNewPart) {
    Surface s;
    s.SetBackColour(RGB(9, 9, 9));
    s.Resize(10, 10);
    s.Clear();
    s.SetScaleMode(ScaleMode::Pixels);
    s.Line(0, 5, 10, 5, RGB(255, 255, 0));
    s.Resize(30, 20);
    EXPECT_EQ(::GetPixel(s.Dc(), 9, 5), RGB(255, 255, 0));
    EXPECT_EQ(::GetPixel(s.Dc(), 20, 5), RGB(9, 9, 9));
    s.Resize(0, 0);
    EXPECT_EQ(s.WidthPixels(), 0);
    EXPECT_TRUE(s.ReadRows24().empty());
}

} // namespace
} // namespace lumo
