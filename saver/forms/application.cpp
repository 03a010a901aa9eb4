#include "application.h"

#include "screen_dpi.h"
#include "twips.h"

namespace lumo::app {

namespace {
bool (*g_keyFilter)(const MSG&) = nullptr;
} // namespace

std::optional<int> PumpMessagesWhile(const std::function<bool()>& running) {
    MSG msg;
    while (running()) {
        if (::GetMessageW(&msg, nullptr, 0, 0) <= 0) {
            return static_cast<int>(msg.wParam);
        }
        if (g_keyFilter != nullptr && g_keyFilter(msg)) {
            continue;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return std::nullopt;
}

void RunMessageLoop() {
    PumpMessagesWhile([] { return true; });
}

void SetKeyFilter(bool (*filter)(const MSG& msg)) {
    g_keyFilter = filter;
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
