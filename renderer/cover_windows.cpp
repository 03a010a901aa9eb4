#include "cover_windows.h"

namespace lumo {
namespace {

constexpr const char* kCoverClassName = "Lumovane_Cover";

LRESULT HandleCoverMessage(HWND cover, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETCURSOR:
        // No cursor over a cover, whatever the display count says.
        ::SetCursor(nullptr);
        return TRUE;
    case WM_KEYDOWN:
        // Posted rather than sent: the scene destroys this window with its own.
        if (wParam == VK_ESCAPE) {
            ::PostMessageA(::GetWindow(cover, GW_OWNER), message, wParam, lParam);
        }
        return 0;
    case WM_CLOSE:
        ::PostMessageA(::GetWindow(cover, GW_OWNER), WM_CLOSE, 0, 0);
        return 0;
    default:
        return ::DefWindowProcA(cover, message, wParam, lParam);
    }
}

LRESULT CALLBACK CoverWndProc(HWND cover, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        return HandleCoverMessage(cover, message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}

struct CoverRequest {
    HINSTANCE instance;
    HWND scene;
};

BOOL CALLBACK CoverMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    const auto& request = *reinterpret_cast<const CoverRequest*>(data);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (::GetMonitorInfoA(monitor, &info) == FALSE || (info.dwFlags & MONITORINFOF_PRIMARY) != 0) {
        return TRUE;
    }
    const RECT& place = info.rcMonitor;
    const HWND cover =
        ::CreateWindowExA(WS_EX_TOOLWINDOW, kCoverClassName, "", WS_POPUP | WS_CLIPSIBLINGS,
                          place.left, place.top, place.right - place.left, place.bottom - place.top,
                          request.scene, nullptr, request.instance, nullptr);
    if (cover != nullptr) {
        // The scene keeps the keyboard until the user clicks a cover.
        ::ShowWindow(cover, SW_SHOWNOACTIVATE);
        ::UpdateWindow(cover);
    }
    return TRUE;
}

} // namespace

void CoverOtherMonitors(HINSTANCE instance, HWND scene) {
    WNDCLASSA coverClass{};
    coverClass.style = CS_HREDRAW | CS_VREDRAW;
    coverClass.lpfnWndProc = CoverWndProc;
    coverClass.hInstance = instance;
    coverClass.hbrBackground = static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
    coverClass.lpszClassName = kCoverClassName;
    if (::RegisterClassA(&coverClass) == 0) {
        return;
    }
    CoverRequest request{instance, scene};
    ::EnumDisplayMonitors(nullptr, nullptr, CoverMonitor, reinterpret_cast<LPARAM>(&request));
}

} // namespace lumo
