#pragma once
// A picture: a BMP or JPEG image decoded once into a bitmap of its own, shared by every copy
// (assigning a picture from one image control to another copies a reference, not the pixels).
// An empty picture draws nothing.

#include "win32_handles.h"

#include <windows.h>

#include <cstddef>
#include <memory>
#include <string>

namespace lumo {

class Picture {
  public:
    Picture() = default;

    // Decodes a picture file (BMP, JPEG, GIF, icon) or the bytes of one. Throws
    // std::runtime_error when the file cannot be read or is no picture, as loading a picture
    // raises a run-time error.
    static Picture Load(const std::wstring& path);
    static Picture FromBytes(const void* data, std::size_t size);
    // The picture kept as raw data (RT_RCDATA) `id` among the program's own resources; throws
    // as Load does when it is missing or no picture.
    static Picture FromResource(int id);
    // The same, or an empty picture when it is missing or cannot be decoded: what the windows
    // showing their own pictures want (their background shows instead).
    static Picture FromResourceOrEmpty(int id);

    bool Empty() const { return bitmap_ == nullptr; }
    int WidthPixels() const { return bitmap_ ? bitmap_->width : 0; }
    int HeightPixels() const { return bitmap_ ? bitmap_->height : 0; }
    // The decoded pixels; null for an empty picture.
    HBITMAP Handle() const { return bitmap_ ? bitmap_->handle.Get() : nullptr; }

    // Copies a rectangle of the picture (pixels) to a rectangle of `dc`, stretching when the
    // sizes differ.
    void DrawPart(HDC dc, int x, int y, int width, int height, int srcX, int srcY, int srcWidth,
                  int srcHeight) const;
    // The whole picture into a rectangle of `dc`.
    void Draw(HDC dc, int x, int y, int width, int height) const {
        DrawPart(dc, x, y, width, height, 0, 0, WidthPixels(), HeightPixels());
    }

    friend bool operator==(const Picture& a, const Picture& b) { return a.bitmap_ == b.bitmap_; }

  private:
    struct Bitmap {
        win::GdiObject<HBITMAP> handle;
        int width = 0;
        int height = 0;
    };
    std::shared_ptr<const Bitmap> bitmap_;
};

} // namespace lumo
