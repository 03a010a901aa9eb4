#include "surface.h"

#include "screen_dpi.h"

#include <cmath>
#include <stdexcept>

namespace lumo {

Surface::Surface() : dc_(::CreateCompatibleDC(nullptr)) {
    if (dc_.Get() == nullptr) {
        throw std::runtime_error("CreateCompatibleDC failed");
    }
    Resize(0, 0);
}

Surface::~Surface() {
    if (originalBitmap_ != nullptr) {
        ::SelectObject(dc_.Get(), originalBitmap_);
    }
}

void Surface::Resize(int widthPixels, int heightPixels) {
    widthPixels = widthPixels < 0 ? 0 : widthPixels;
    heightPixels = heightPixels < 0 ? 0 : heightPixels;
    if (bitmap_.Get() != nullptr && widthPixels == width_ && heightPixels == height_) {
        return;
    }
    // A zero-sized compatible bitmap would come back as 1x1 monochrome; keep colour instead.
    win::WindowDc screen(nullptr);
    win::GdiObject<HBITMAP> fresh(::CreateCompatibleBitmap(
        screen.Get(), widthPixels > 0 ? widthPixels : 1, heightPixels > 0 ? heightPixels : 1));
    if (fresh.Get() == nullptr) {
        throw std::runtime_error("CreateCompatibleBitmap failed");
    }
    win::MemoryDc freshDc(::CreateCompatibleDC(screen.Get()));
    {
        win::SelectedObject into(freshDc.Get(), fresh.Get());
        FillBackground(freshDc.Get(), widthPixels > 0 ? widthPixels : 1,
                       heightPixels > 0 ? heightPixels : 1);
        if (bitmap_.Get() != nullptr) {
            ::BitBlt(freshDc.Get(), 0, 0, std::min(width_, widthPixels),
                     std::min(height_, heightPixels), dc_.Get(), 0, 0, SRCCOPY);
        }
    }
    const HGDIOBJ previous = ::SelectObject(dc_.Get(), fresh.Get());
    if (originalBitmap_ == nullptr) {
        originalBitmap_ = previous;
    }
    bitmap_ = std::move(fresh);
    width_ = widthPixels;
    height_ = heightPixels;
}

int Surface::ToPx(double value) const {
    return scaleMode_ == ScaleMode::Twips ? TwipsToPixels(value, ScreenDpi())
                                          : static_cast<int>(std::lround(value));
}

void Surface::FillBackground(HDC dc, int width, int height) const {
    const RECT all{0, 0, width, height};
    win::GdiObject<HBRUSH> brush(::CreateSolidBrush(backColour_));
    ::FillRect(dc, &all, brush.Get());
    backPicture_.Draw(dc, 0, 0, backPicture_.WidthPixels(), backPicture_.HeightPixels());
}

void Surface::Clear() {
    FillBackground(dc_.Get(), width_, height_);
}

void Surface::Line(double x1, double y1, double x2, double y2, COLORREF colour) {
    win::GdiObject<HPEN> pen(::CreatePen(PS_SOLID, 1, colour));
    win::SelectedObject selected(dc_.Get(), pen.Get());
    ::MoveToEx(dc_.Get(), ToPx(x1), ToPx(y1), nullptr);
    ::LineTo(dc_.Get(), ToPx(x2), ToPx(y2));
}

void Surface::PaintPicture(HDC source, double destX, double destY, double destWidth,
                           double destHeight, double srcX, double srcY, double srcWidth,
                           double srcHeight) {
    const int dw = ToPx(destWidth);
    const int dh = ToPx(destHeight);
    const int sw = ToPx(srcWidth);
    const int sh = ToPx(srcHeight);
    if (dw == sw && dh == sh) {
        ::BitBlt(dc_.Get(), ToPx(destX), ToPx(destY), dw, dh, source, ToPx(srcX), ToPx(srcY),
                 SRCCOPY);
        return;
    }
    ::SetStretchBltMode(dc_.Get(), COLORONCOLOR);
    ::StretchBlt(dc_.Get(), ToPx(destX), ToPx(destY), dw, dh, source, ToPx(srcX), ToPx(srcY), sw,
                 sh, SRCCOPY);
}

void Surface::PaintPicture(const lumo::Picture& source, double destX, double destY,
                           double destWidth, double destHeight, double srcX, double srcY,
                           double srcWidth, double srcHeight) {
    source.DrawPart(dc_.Get(), ToPx(destX), ToPx(destY), ToPx(destWidth), ToPx(destHeight),
                    ToPx(srcX), ToPx(srcY), ToPx(srcWidth), ToPx(srcHeight));
}

void Surface::Refresh() const {
    if (owner_ != nullptr) {
        // Children with a transparent background show this image: they repaint with it.
        ::RedrawWindow(owner_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
}

std::vector<std::uint8_t> Surface::ReadRows24() const {
    const auto stride = ((static_cast<std::size_t>(width_) * 24 + 31) / 32) * 4;
    std::vector<std::uint8_t> rows(stride * static_cast<std::size_t>(height_));
    if (rows.empty()) {
        return rows;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = height_; // positive: bottom-up, as the snapshot is stored
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    // GetDIBits wants the bitmap out of every device context while it reads.
    ::SelectObject(dc_.Get(), originalBitmap_);
    const int got = ::GetDIBits(dc_.Get(), bitmap_.Get(), 0, static_cast<UINT>(height_),
                                rows.data(), &info, DIB_RGB_COLORS);
    ::SelectObject(dc_.Get(), bitmap_.Get());
    if (got != height_) {
        throw std::runtime_error("GetDIBits failed");
    }
    return rows;
}

} // namespace lumo
