// preview_host: plays the display settings' preview for end-to-end tests. It makes a magenta
// window of the given size at a fixed place on the screen, starts the saver with "/p <handle>",
// reports what the saver put into the window, keeps the window until a trigger file appears
// (the test photographs the screen meanwhile), destroys it and reports whether the saver ended.
//
//   preview_host <saver.scr> <width> <height> <trigger-file> [<x> <y>]
//
// Output lines (UTF-8), in order:
//   host <handle> <x> <y>                     the window exists and the saver was started
//   child <width> <height> <style> <visible>  the saver's child window, client size, hex style
//   no-child <saver-exit-code|running>        no child appeared within 15 s
//   saver-gone <exit-code>                    the saver ended while the window was still there
//   saver-ended <exit-code> <ms>              after the window was destroyed, within 10 s
//   saver-running                             the saver outlived the window by 10 s
// Exit code 0 when the saver ended after the window went, 1 on bad arguments or set-up, 3 when
// it kept running.

#include <windows.h>

#include <cstdarg>
#include <cstdio>
#include <cwchar>
#include <string>

namespace {

constexpr wchar_t kClass[] = L"LumoPreviewHost";

void Say(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::vprintf(format, args);
    va_end(args);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// Pumps until `done` or the time is up; true when done.
template <class Done> bool PumpUntil(Done done, DWORD ms) {
    const ULONGLONG end = GetTickCount64() + ms;
    while (!done()) {
        if (GetTickCount64() >= end) {
            return false;
        }
        Pump();
        Sleep(20);
    }
    return true;
}

bool Ended(HANDLE process, DWORD& code) {
    return WaitForSingleObject(process, 0) == WAIT_OBJECT_0 && GetExitCodeProcess(process, &code);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 5 && argc != 7) {
        std::fprintf(stderr, "usage: preview_host <saver.scr> <width> <height> <trigger-file> "
                             "[<x> <y>]\n");
        return 1;
    }
    const std::wstring saver = argv[1];
    const int width = _wtoi(argv[2]);
    const int height = _wtoi(argv[3]);
    const std::wstring trigger = argv[4];
    const int x = argc == 7 ? _wtoi(argv[5]) : 100;
    const int y = argc == 7 ? _wtoi(argv[6]) : 100;

    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = CreateSolidBrush(RGB(255, 0, 255));
    wc.lpszClassName = kClass;
    RegisterClassW(&wc);
    // Clipping its children, as the display settings' preview area does: what shows inside is
    // the saver's drawing alone.
    HWND host = CreateWindowExW(0, kClass, L"preview host", WS_POPUP | WS_CLIPCHILDREN, x, y, width,
                                height, nullptr, nullptr, wc.hInstance, nullptr);
    if (host == nullptr) {
        std::fprintf(stderr, "no host window\n");
        return 1;
    }
    ShowWindow(host, SW_SHOWNOACTIVATE);
    UpdateWindow(host);

    // The handle as the display settings pass it: a signed decimal number.
    const long handle = static_cast<long>(reinterpret_cast<LONG_PTR>(host));
    std::wstring commandLine = L"\"" + saver + L"\" /p " + std::to_wstring(handle);
    std::wstring folder = saver.substr(0, saver.find_last_of(L"\\/"));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(saver.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &process)) {
        std::fprintf(stderr, "the saver could not be started (%lu)\n", GetLastError());
        return 1;
    }
    CloseHandle(process.hThread);
    Say("host %ld %d %d", handle, x, y);

    HWND child = nullptr;
    DWORD code = 0;
    const bool appeared = PumpUntil(
        [&] {
            child = FindWindowExW(host, nullptr, nullptr, L"Preview Window");
            return child != nullptr || Ended(process.hProcess, code);
        },
        15000);
    if (appeared && child != nullptr) {
        // Showing and painting a child of another process's window needs this thread's
        // messages to flow: pump, never sleep, while the saver finishes its start.
        PumpUntil([&] { return IsWindowVisible(child) != FALSE; }, 3000);
        PumpUntil([] { return false; }, 300);
        RECT client{};
        GetClientRect(child, &client);
        Say("child %ld %ld %08lx %d", client.right - client.left, client.bottom - client.top,
            static_cast<unsigned long>(GetWindowLongW(child, GWL_STYLE)),
            IsWindowVisible(child) ? 1 : 0);
    } else if (Ended(process.hProcess, code)) {
        Say("no-child %lu", code);
    } else {
        Say("no-child running");
    }

    // Told at once, so that a test can see a setup end the preview before the window goes.
    bool gone = false;
    PumpUntil(
        [&] {
            if (!gone && Ended(process.hProcess, code)) {
                Say("saver-gone %lu", code);
                gone = true;
            }
            return GetFileAttributesW(trigger.c_str()) != INVALID_FILE_ATTRIBUTES;
        },
        60000);
    const ULONGLONG destroyed = GetTickCount64();
    DestroyWindow(host);
    const bool ended = PumpUntil([&] { return Ended(process.hProcess, code); }, 10000);
    if (ended) {
        Say("saver-ended %lu %llu", code, GetTickCount64() - destroyed);
    } else {
        Say("saver-running");
    }
    CloseHandle(process.hProcess);
    return ended ? 0 : 3;
}
