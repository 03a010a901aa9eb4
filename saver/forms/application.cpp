#include "application.h"

#include "form.h"
#include "screen_dpi.h"
#include "twips.h"

namespace lumo::app {

namespace {
MousePointer g_pointer = MousePointer::Default;
} // namespace

void RunMessageLoop() {
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (Form::TranslateTabKey(msg)) {
            continue;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

void EndProgram() {
    ::ExitProcess(0);
}

double ScreenWidthTwips() {
    return PixelsToTwips(::GetSystemMetrics(SM_CXSCREEN), ScreenDpi());
}

double ScreenHeightTwips() {
    return PixelsToTwips(::GetSystemMetrics(SM_CYSCREEN), ScreenDpi());
}

void SetMousePointer(MousePointer pointer) {
    g_pointer = pointer;
    ::SetCursor(::LoadCursorW(
        nullptr, reinterpret_cast<LPCWSTR>(pointer == MousePointer::Wait ? IDC_WAIT : IDC_ARROW)));
}

MousePointer CurrentMousePointer() {
    return g_pointer;
}

HWND HiddenOwnerWindow() {
    static HWND owner = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = ::DefWindowProcW;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = L"LumoOwner";
        ::RegisterClassExW(&wc);
        return ::CreateWindowExW(0, L"LumoOwner", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                 ::GetModuleHandleW(nullptr), nullptr);
    }();
    return owner;
}

} // namespace lumo::app
