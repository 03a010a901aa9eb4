#pragma once
// Helpers for the form-service tests: pumping the message queue for a while, as the program's
// loop would, and a scratch folder under the temporary folder.

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>

namespace lumo::test {

// Dispatches messages until `done` is true or the time is up; true when done.
inline bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) {
            return false;
        }
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                continue; // the tests unload their last form on purpose
            }
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        ::Sleep(1);
    }
    return true;
}

inline void PumpFor(std::chrono::milliseconds time) {
    PumpUntil([] { return false; }, time);
}

// A pixel of a window as it shows on the screen, once its pending painting is done.
inline COLORREF WindowPixel(HWND hwnd, int x, int y) {
    ::UpdateWindow(hwnd);
    HDC dc = ::GetDC(hwnd);
    const COLORREF c = ::GetPixel(dc, x, y);
    ::ReleaseDC(hwnd, dc);
    return c;
}

// Whether two colours differ by at most `tolerance` in every channel (JPEG is lossy).
inline bool Near(COLORREF a, COLORREF b, int tolerance = 24) {
    const auto within = [&](int x, int y) { return x - y <= tolerance && y - x <= tolerance; };
    return within(GetRValue(a), GetRValue(b)) && within(GetGValue(a), GetGValue(b)) &&
           within(GetBValue(a), GetBValue(b));
}

inline std::string ScratchFolder(const char* name) {
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    std::string folder =
        std::string(temp) + "lumo_shell_" + name + "_" + std::to_string(::GetCurrentProcessId());
    ::CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

} // namespace lumo::test
