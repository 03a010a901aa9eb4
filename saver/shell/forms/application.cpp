#include "application.h"

#include "command_line.h"
#include "form.h"
#include "screen_dpi.h"
#include "twips.h"
#include "wide_text.h"

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

std::string CommandLine() {
    // The mode-letter rules count code page 932 characters, so the line is converted with 932
    // itself: the A line of a system of another code page (1252, or UTF-8 under 65001) would be
    // miscounted, its bytes read as lead and trail bytes.
    const wchar_t* full = ::GetCommandLineW();
    return ArgumentsOf(ToCp932Replacing(full != nullptr ? full : L""));
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
