#pragma once
// A persistent drawing surface: a memory bitmap that keeps whatever is drawn into it and from
// which its window repaints, also while the window is hidden or covered. Forms, picture boxes
// and user controls draw only here; their WM_PAINT lays their windowless controls over a copy
// of it (Container::PaintArea).

#include "picture.h"
#include "screen_dpi.h"
#include "twips.h"
#include "win32_handles.h"

#include <windows.h>

#include <cstdint>
#include <vector>

namespace lumo {

class Surface {
  public:
    Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;
    ~Surface();

    // The window that Refresh repaints.
    void SetOwner(HWND owner) { owner_ = owner; }
    void SetBackColour(COLORREF colour) { backColour_ = colour; }
    COLORREF BackColour() const { return backColour_; }
    // A picture that lies on the background colour from the top-left corner: clearing the
    // image and growing it show it again. An empty picture takes it away.
    void SetBackPicture(const lumo::Picture& picture) { backPicture_ = picture; }
    const lumo::Picture& BackPicture() const { return backPicture_; }

    // New size in pixels; what was drawn stays in the part both sizes share, new parts get the
    // background colour and picture.
    void Resize(int widthPixels, int heightPixels);
    int WidthPixels() const { return width_; }
    int HeightPixels() const { return height_; }

    // The drawing unit of every coordinate below.
    void SetScaleMode(ScaleMode mode) { scaleMode_ = mode; }
    ScaleMode GetScaleMode() const { return scaleMode_; }
    double ScaleWidth() const { return FromPixels(width_, scaleMode_, ScreenDpi()); }
    double ScaleHeight() const { return FromPixels(height_, scaleMode_, ScreenDpi()); }

    // A device context on the image itself: what is drawn through it stays.
    HDC Dc() const { return dc_.Get(); }

    void Clear();
    // A one-pixel line in the colour, from the first point up to (not including) the second,
    // like the platform's line drawing.
    void Line(double x1, double y1, double x2, double y2, COLORREF colour);
    // Copies a rectangle of `source` to a rectangle of the image, stretching when the sizes
    // differ. Both rectangles are in this surface's unit.
    void PaintPicture(HDC source, double destX, double destY, double destWidth, double destHeight,
                      double srcX, double srcY, double srcWidth, double srcHeight);
    void PaintPicture(const lumo::Picture& source, double destX, double destY, double destWidth,
                      double destHeight, double srcX, double srcY, double srcWidth,
                      double srcHeight);
    // Shows the image in the owner window now, and the windows on it that show it through.
    void Refresh() const;

    // The image as 24-bit bottom-up rows, each padded to 4 bytes (the snapshot's pixel block).
    std::vector<std::uint8_t> ReadRows24() const;

  private:
    int ToPx(double value) const;
    void FillBackground(HDC dc, int width, int height) const;

    HWND owner_ = nullptr;
    COLORREF backColour_ = RGB(0, 0, 0);
    lumo::Picture backPicture_;
    ScaleMode scaleMode_ = ScaleMode::Twips;
    int width_ = 0;
    int height_ = 0;
    win::MemoryDc dc_;
    win::GdiObject<HBITMAP> bitmap_;
    HGDIOBJ originalBitmap_ = nullptr; // put back before our bitmap is read or deleted
};

} // namespace lumo
