#include "picture.h"

#include "whole_file.h"

#include "screen_dpi.h"
#include "twips.h"

#include <ole2.h>
#include <olectl.h>

#include <cstring>
#include <stdexcept>
#include <utility>
#include <vector>

namespace lumo {

namespace {

// Pictures beyond this many pixels on a side are refused before any memory is taken for them:
// a damaged or hostile header must not make us allocate gigabytes.
constexpr int kLargestSide = 16384;
constexpr long long kMostPixels = 64LL * 1024 * 1024;

// One reference to a COM object, released on every way out.
template <class T> class ComRef {
  public:
    ComRef() = default;
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    ~ComRef() {
        if (p_ != nullptr) {
            p_->Release();
        }
    }
    T* operator->() const { return p_; }
    T* Get() const { return p_; }
    T** Out() { return &p_; }

  private:
    T* p_ = nullptr;
};

// Far beyond any picture a form shows; a larger file is not read into memory.
constexpr std::uint64_t kLargestPictureFile = 256ULL * 1024 * 1024;

int HimetricToPixels(OLE_XSIZE_HIMETRIC himetric) {
    return ::MulDiv(static_cast<int>(himetric), kStandardDpi, 2540);
}

} // namespace

Picture Picture::Load(const std::wstring& path) {
    const WholeFile file = ReadWholeFile(path, kLargestPictureFile);
    if (file.result != FileReadResult::Read || file.bytes.empty()) {
        throw std::runtime_error("picture file not readable");
    }
    return FromBytes(file.bytes.data(), file.bytes.size());
}

Picture Picture::FromResource(int id) {
    const HMODULE module = ::GetModuleHandleW(nullptr);
    const HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10));
    const HGLOBAL loaded = found != nullptr ? ::LoadResource(module, found) : nullptr;
    const void* bytes = loaded != nullptr ? ::LockResource(loaded) : nullptr;
    if (bytes == nullptr) {
        throw std::runtime_error("picture resource missing");
    }
    return FromBytes(bytes, ::SizeofResource(module, found));
}

Picture Picture::FromResourceOrEmpty(int id) {
    try {
        return FromResource(id);
    } catch (...) {
        return {};
    }
}

Picture Picture::FromBytes(const void* data, std::size_t size) {
    if (data == nullptr || size == 0 || size > 0x7FFFFFFF) {
        throw std::runtime_error("no picture bytes");
    }
    const HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, size);
    if (memory == nullptr) {
        throw std::runtime_error("GlobalAlloc failed");
    }
    if (void* into = ::GlobalLock(memory)) {
        std::memcpy(into, data, size);
        ::GlobalUnlock(memory);
    }
    ComRef<IStream> stream;
    if (FAILED(::CreateStreamOnHGlobal(memory, TRUE, stream.Out()))) {
        ::GlobalFree(memory);
        throw std::runtime_error("CreateStreamOnHGlobal failed");
    }
    ComRef<IPicture> decoded;
    if (FAILED(::OleLoadPicture(stream.Get(), static_cast<LONG>(size), FALSE, IID_IPicture,
                                reinterpret_cast<void**>(decoded.Out()))) ||
        decoded.Get() == nullptr) {
        throw std::runtime_error("not a picture");
    }
    OLE_XSIZE_HIMETRIC himetricWidth = 0;
    OLE_YSIZE_HIMETRIC himetricHeight = 0;
    decoded->get_Width(&himetricWidth);
    decoded->get_Height(&himetricHeight);
    int width = HimetricToPixels(himetricWidth);
    int height = HimetricToPixels(himetricHeight);
    // A bitmap's own pixel count is exact; the metric size depends on a resolution guess.
    SHORT type = PICTYPE_UNINITIALIZED;
    OLE_HANDLE handle = 0;
    if (SUCCEEDED(decoded->get_Type(&type)) && type == PICTYPE_BITMAP &&
        SUCCEEDED(decoded->get_Handle(&handle))) {
        BITMAP info{};
        if (::GetObjectW(reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle)), sizeof info,
                         &info) != 0) {
            width = info.bmWidth;
            height = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
        }
    }
    // The pictures were drawn for the standard DPI: on another screen they take the size their
    // twips do there, as the controls showing them do.
    const int dpi = ScreenDpi();
    width = ScaledFromStandard(width, dpi);
    height = ScaledFromStandard(height, dpi);
    if (width <= 0 || height <= 0 || width > kLargestSide || height > kLargestSide ||
        static_cast<long long>(width) * height > kMostPixels) {
        throw std::runtime_error("picture of no usable size");
    }

    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height; // top-down
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 24;
    format.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    auto bitmap = std::make_shared<Bitmap>();
    bitmap->handle.Reset(::CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (bitmap->handle.Get() == nullptr) {
        throw std::runtime_error("CreateDIBSection failed");
    }
    bitmap->width = width;
    bitmap->height = height;
    win::MemoryDc dc(::CreateCompatibleDC(nullptr));
    {
        win::SelectedObject into(dc.Get(), bitmap->handle.Get());
        const RECT all{0, 0, width, height};
        ::FillRect(dc.Get(), &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
        if (dpi != kStandardDpi) {
            // Enlarged pictures are smoothed rather than made of blocks of repeated pixels.
            ::SetStretchBltMode(dc.Get(), HALFTONE);
            ::SetBrushOrgEx(dc.Get(), 0, 0, nullptr);
        }
        // Metric pictures run bottom-up: start at the top edge and go up by the height.
        if (FAILED(decoded->Render(dc.Get(), 0, 0, width, height, 0, himetricHeight, himetricWidth,
                                   -himetricHeight, nullptr))) {
            throw std::runtime_error("picture could not be drawn");
        }
    }
    Picture picture;
    picture.bitmap_ = std::move(bitmap);
    return picture;
}

void Picture::DrawPart(HDC dc, int x, int y, int width, int height, int srcX, int srcY,
                       int srcWidth, int srcHeight) const {
    if (Empty() || width <= 0 || height <= 0 || srcWidth <= 0 || srcHeight <= 0) {
        return;
    }
    win::MemoryDc source(::CreateCompatibleDC(dc));
    win::SelectedObject selected(source.Get(), bitmap_->handle.Get());
    if (width == srcWidth && height == srcHeight) {
        ::BitBlt(dc, x, y, width, height, source.Get(), srcX, srcY, SRCCOPY);
        return;
    }
    ::SetStretchBltMode(dc, COLORONCOLOR);
    ::StretchBlt(dc, x, y, width, height, source.Get(), srcX, srcY, srcWidth, srcHeight, SRCCOPY);
}

} // namespace lumo
