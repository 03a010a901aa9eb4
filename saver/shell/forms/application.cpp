#include "application.h"

#include "command_line.h"
#include "form.h"
#include "program_folder.h"
#include "screen_dpi.h"
#include "twips.h"
#include "wide_text.h"
#include "win32_handles.h"

#include <vector>

namespace lumo::app {

namespace {
MousePointer g_pointer = MousePointer::Default;
}

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
    const char* full = ::GetCommandLineA();
    return ArgumentsOf(full != nullptr ? full : "");
}

std::string ProgramFolder() {
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD n =
            ::GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0) {
            return {};
        }
        if (n < buffer.size()) {
            return ProgramFolderOf(std::string_view(buffer.data(), n));
        }
        buffer.resize(buffer.size() * 2); // the name was cut: try a larger buffer
    }
}

double ScreenWidthTwips() {
    return PixelsToTwips(::GetSystemMetrics(SM_CXSCREEN), ScreenDpi());
}

double ScreenHeightTwips() {
    return PixelsToTwips(::GetSystemMetrics(SM_CYSCREEN), ScreenDpi());
}

bool StartProgram(const std::string& path) {
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    // Quoted, so that a folder with blanks names the program and not its first word.
    std::string commandLine = "\"" + path + "\"";
    const BOOL ok = ::CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                                     nullptr, nullptr, &startup, &process);
    if (!ok) {
        return false;
    }
    // Nothing is waited for or kept: the renderer lives on by itself.
    win::KernelHandle processHandle(process.hProcess);
    win::KernelHandle threadHandle(process.hThread);
    return true;
}

void MessageBoxOk(const char* text, const char* caption) {
    ::MessageBoxW(nullptr, FromCp932(text).c_str(), FromCp932(caption).c_str(),
                  MB_OK | MB_SETFOREGROUND);
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
