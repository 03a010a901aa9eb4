#include "monitor_capture.h"

#include "win32_handles.h"

#include <windows.h>

#include <cstddef>

namespace lumo {

MonitorPicture CaptureMonitor(const MonitorPlace& place) {
    if (place.width < 1 || place.height < 1) {
        return {};
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = place.width;
    info.bmiHeader.biHeight = place.height; // bottom-up, as the snapshot file
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HBITMAP section = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (section == nullptr || bits == nullptr) {
        return {};
    }
    // The section's bits live as long as the bitmap; the picture's storage owns it from here.
    const std::shared_ptr<void> bitmap(
        section, [](void* handle) { ::DeleteObject(static_cast<HBITMAP>(handle)); });
    const win::MemoryDc memory(::CreateCompatibleDC(nullptr));
    if (!memory.Valid()) {
        return {};
    }
    bool copied = false;
    {
        // The screen's device context counts in desktop coordinates, the primary's corner at
        // 0, 0, so a monitor left of or above it is read at negative ones.
        win::WindowDc screen(nullptr);
        const win::SelectedObject selected(memory.Get(), section);
        copied = screen.Get() != nullptr &&
                 ::BitBlt(memory.Get(), 0, 0, place.width, place.height, screen.Get(), place.left,
                          place.top, SRCCOPY | CAPTUREBLT) != FALSE;
    }
    if (!copied) {
        return {};
    }
    ::GdiFlush();
    MonitorPicture picture;
    picture.view.pixels = static_cast<const std::uint8_t*>(bits);
    picture.view.width = place.width;
    picture.view.height = place.height;
    picture.view.stride = (static_cast<std::size_t>(place.width) * 3 + 3) / 4 * 4;
    picture.storage = bitmap;
    return picture;
}

} // namespace lumo
