#include "form.h"
#include "picture.h"
#include "preview_form.h"
#include "win32_handles.h"
#include "win32_test_support.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace lumo {
namespace {

using namespace std::chrono_literals;

// The still of Img_Prev decoded by ImageMagick at build time (at its size and scaled to
// 320 x 240): a reference that does not come from the system's JPEG decoder.
constexpr wchar_t kStillReference[] = L"" LUMO_PREVIEW_STILL_BMP;
constexpr wchar_t kScaledReference[] = L"" LUMO_PREVIEW_SCALED_BMP;

constexpr COLORREF kHostColour = RGB(255, 0, 255);

// The display settings' preview area: a visible top-level window in a colour the stills never
// show, so that any part the form leaves uncovered stands out.
class PreviewArea {
  public:
    PreviewArea(int width, int height) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.hbrBackground = brush_.Get();
        wc.lpszClassName = "LumoTestPreviewArea";
        ::RegisterClassA(&wc);
        hwnd_ = ::CreateWindowExA(0, wc.lpszClassName, "preview area", WS_POPUP | WS_CLIPCHILDREN,
                                  40, 30, width, height, nullptr, nullptr, wc.hInstance, nullptr);
        ::ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
        ::UpdateWindow(hwnd_);
    }
    PreviewArea(const PreviewArea&) = delete;
    PreviewArea& operator=(const PreviewArea&) = delete;
    ~PreviewArea() { Destroy(); }

    HWND Hwnd() const { return hwnd_; }
    // The handle as the command line carries it.
    std::int32_t Handle() const {
        return static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(hwnd_));
    }
    void Destroy() {
        if (hwnd_ != nullptr) {
            ::DestroyWindow(hwnd_);
            hwnd_ = nullptr;
        }
    }

  private:
    win::GdiObject<HBRUSH> brush_{::CreateSolidBrush(kHostColour)};
    HWND hwnd_ = nullptr;
};

// Pixels as 0x00RRGGBB, row by row from the top.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> rgb;
};

Pixels Capture(HDC source, int width, int height) {
    Pixels out{width, height,
               std::vector<std::uint32_t>(static_cast<std::size_t>(width) *
                                          static_cast<std::size_t>(height))};
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    win::GdiObject<HBITMAP> bitmap(
        ::CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
    win::MemoryDc dc(::CreateCompatibleDC(source));
    {
        win::SelectedObject into(dc.Get(), bitmap.Get());
        ::BitBlt(dc.Get(), 0, 0, width, height, source, 0, 0, SRCCOPY);
        ::GdiFlush();
    }
    const auto* words = static_cast<const std::uint32_t*>(bits);
    for (std::size_t i = 0; i < out.rgb.size(); ++i) {
        out.rgb[i] = words[i] & 0xFFFFFF;
    }
    return out;
}

Pixels CaptureWindow(HWND hwnd) {
    ::RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT client{};
    ::GetClientRect(hwnd, &client);
    win::WindowDc dc(hwnd);
    return Capture(dc.Get(), client.right, client.bottom);
}

Pixels PixelsOf(const Picture& picture) {
    win::MemoryDc dc(::CreateCompatibleDC(nullptr));
    win::SelectedObject selected(dc.Get(), picture.Handle());
    return Capture(dc.Get(), picture.WidthPixels(), picture.HeightPixels());
}

int Channel(std::uint32_t rgb, int shift) {
    return static_cast<int>((rgb >> shift) & 0xFF);
}

// Mean absolute difference per channel over a rectangle of two pictures of one size.
double MeanDifference(const Pixels& a, const Pixels& b, int left, int top, int right, int bottom) {
    long long sum = 0;
    long long count = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            const std::size_t i = static_cast<std::size_t>(y * a.width + x);
            for (int shift : {0, 8, 16}) {
                sum += std::abs(Channel(a.rgb[i], shift) - Channel(b.rgb[i], shift));
                ++count;
            }
        }
    }
    return count == 0 ? 255.0 : static_cast<double>(sum) / static_cast<double>(count);
}

int CountColour(const Pixels& p, COLORREF colour) {
    const std::uint32_t rgb = (static_cast<std::uint32_t>(GetRValue(colour)) << 16) |
                              (static_cast<std::uint32_t>(GetGValue(colour)) << 8) |
                              GetBValue(colour);
    int n = 0;
    for (std::uint32_t v : p.rgb) {
        n += v == rgb ? 1 : 0;
    }
    return n;
}

TEST(PreviewForm, CarriesItsDesignAndBothStillsFromTheResources) {
    Lumovane_R form;
    EXPECT_EQ(form.Design().caption, L"Preview Window");
    EXPECT_EQ(form.Design().border, BorderStyle::None);
    EXPECT_EQ(form.Design().backColour.value_or(RGB(1, 2, 3)), RGB(0, 0, 0));
    EXPECT_FALSE(form.Design().programIcon);
    EXPECT_EQ(form.Design().picture.WidthPixels(), 152);
    EXPECT_EQ(form.Design().picture.HeightPixels(), 112);
    EXPECT_EQ(form.Img_Prev.GetPicture().WidthPixels(), 152);
    EXPECT_EQ(form.Img_Prev.GetPicture().HeightPixels(), 112);
    EXPECT_FALSE(form.Design().picture == form.Img_Prev.GetPicture());
    EXPECT_FALSE(form.IsLoaded()); // nothing runs before the preview start
}

TEST(PreviewForm, BecomesAVisibleChildThatFillsTheAreaWithTheStill) {
    PreviewArea area(152, 112);
    Lumovane_R form;
    ASSERT_TRUE(form.Start(area.Handle()));
    test::PumpFor(200ms);

    ASSERT_TRUE(form.IsLoaded());
    // GetParent would name the owner: the style keeps WS_POPUP beside WS_CHILD.
    EXPECT_EQ(::GetAncestor(form.Hwnd(), GA_PARENT), area.Hwnd());
    const LONG style = ::GetWindowLongA(form.Hwnd(), GWL_STYLE);
    EXPECT_NE(style & WS_CHILD, 0);
    EXPECT_EQ(style & (WS_CAPTION | WS_THICKFRAME), 0);
    EXPECT_TRUE(::IsWindowVisible(form.Hwnd()));
    EXPECT_EQ(::GetWindow(form.Hwnd(), GW_OWNER), nullptr);
    RECT inArea{};
    ::GetWindowRect(form.Hwnd(), &inArea);
    ::MapWindowPoints(nullptr, area.Hwnd(), reinterpret_cast<POINT*>(&inArea), 2);
    EXPECT_EQ(inArea.left, 0);
    EXPECT_EQ(inArea.top, 0);
    EXPECT_EQ(inArea.right, 152);
    EXPECT_EQ(inArea.bottom, 112);
    char caption[64] = {};
    ::GetWindowTextA(form.Hwnd(), caption, sizeof caption);
    EXPECT_STREQ(caption, "Preview Window");

    // What the area shows is the still, pixel for pixel within the JPEG decoders' differences,
    // and nothing of the area's own colour.
    const Pixels shown = CaptureWindow(area.Hwnd());
    const Pixels reference = PixelsOf(Picture::Load(kStillReference));
    ASSERT_EQ(shown.width, reference.width);
    ASSERT_EQ(shown.height, reference.height);
    EXPECT_LT(MeanDifference(shown, reference, 0, 0, 152, 112), 3.0);
    EXPECT_LT(MeanDifference(shown, reference, 114, 84, 152, 112), 3.0); // the far corner too
    EXPECT_EQ(CountColour(shown, kHostColour), 0);
}

TEST(PreviewForm, ScalesTheStillToALargerArea) {
    PreviewArea area(320, 240);
    Lumovane_R form;
    ASSERT_TRUE(form.Start(area.Handle()));
    test::PumpFor(200ms);

    RECT client{};
    ::GetClientRect(form.Hwnd(), &client);
    EXPECT_EQ(client.right, 320);
    EXPECT_EQ(client.bottom, 240);
    EXPECT_DOUBLE_EQ(form.Img_Prev.Width(), 320.0 * 15);
    EXPECT_DOUBLE_EQ(form.Img_Prev.Height(), 240.0 * 15);

    const Pixels shown = CaptureWindow(area.Hwnd());
    const Pixels reference = PixelsOf(Picture::Load(kScaledReference));
    ASSERT_EQ(shown.width, 320);
    ASSERT_EQ(shown.height, 240);
    // Scaled by different filters, so compared by region; the outer quarter proves the still
    // reaches the far edges instead of stopping at 152 x 112 on black.
    EXPECT_LT(MeanDifference(shown, reference, 0, 0, 320, 240), 10.0);
    EXPECT_LT(MeanDifference(shown, reference, 160, 120, 320, 240), 10.0);
    EXPECT_EQ(CountColour(shown, kHostColour), 0);
}

TEST(PreviewForm, AHandleThatNamesNoWindowLoadsNothing) {
    const int before = Form::LoadedCount();
    HWND gone = nullptr;
    std::int32_t goneHandle = 0;
    {
        PreviewArea area(50, 50);
        gone = area.Hwnd();
        goneHandle = area.Handle();
    }
    ASSERT_FALSE(::IsWindow(gone));

    for (std::int32_t handle : {std::int32_t{0}, goneHandle, std::int32_t{-2}}) {
        Lumovane_R form;
        EXPECT_FALSE(form.Start(handle)) << handle;
        EXPECT_FALSE(form.IsLoaded()) << handle;
        EXPECT_EQ(form.Hwnd(), nullptr) << handle;
        EXPECT_EQ(Form::LoadedCount(), before) << handle;
    }
}

TEST(PreviewForm, GoesWithTheAreaAndEndsTheMessageLoop) {
    const int before = Form::LoadedCount();
    PreviewArea area(152, 112);
    Lumovane_R form;
    ASSERT_TRUE(form.Start(area.Handle()));
    EXPECT_EQ(Form::LoadedCount(), before + 1);
    MSG stale;
    while (::PeekMessageA(&stale, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }

    area.Destroy();

    EXPECT_FALSE(form.IsLoaded());
    EXPECT_EQ(form.Hwnd(), nullptr);
    EXPECT_EQ(Form::LoadedCount(), before);
    if (before == 0) {
        MSG quit;
        EXPECT_TRUE(::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
            << "the last form went without ending the message loop";
    }
}

TEST(PreviewForm, SignExtendsTheCommandLineHandle) {
    EXPECT_EQ(reinterpret_cast<std::intptr_t>(WindowFromCommandLine(0x00012345)), 0x12345);
    EXPECT_EQ(reinterpret_cast<std::intptr_t>(WindowFromCommandLine(-2)), -2);
}

} // namespace
} // namespace lumo
