// dialog_probe: what the settings window's end-to-end tests need beyond probe, read from
// outside the saver's process.
//
//   dialog_probe controls <title>   prints "client<TAB>x y" (the window's inner area on the
//                                   screen), then one line per child window:
//                                   "class<TAB>text<TAB>enabled<TAB>x y w h" (screen pixels)
// Titles and texts are UTF-8.

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string ToUtf8(const std::wstring& w) {
    if (w.empty()) {
        return {};
    }
    const int n = WideCharToMultiByte(CP_UTF8, 0, w.c_str(), static_cast<int>(w.size()), nullptr, 0,
                                      nullptr, nullptr);
    std::string s(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, w.c_str(), static_cast<int>(w.size()), s.data(), n, nullptr,
                        nullptr);
    return s;
}

BOOL CALLBACK PrintChild(HWND h, LPARAM) {
    wchar_t cls[128] = {};
    GetClassNameW(h, cls, 128);
    wchar_t text[1024] = {};
    SendMessageTimeoutW(h, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000,
                        nullptr);
    RECT r{};
    GetWindowRect(h, &r);
    std::printf("%s\t%s\t%d\t%ld %ld %ld %ld\n", ToUtf8(cls).c_str(), ToUtf8(text).c_str(),
                IsWindowEnabled(h) ? 1 : 0, r.left, r.top, r.right - r.left, r.bottom - r.top);
    return TRUE;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3 || std::wstring(argv[1]) != L"controls") {
        std::fprintf(stderr, "usage: dialog_probe controls <title>\n");
        return 2;
    }
    const HWND top = FindWindowW(nullptr, argv[2]);
    if (top == nullptr) {
        std::fprintf(stderr, "no window titled %s\n", ToUtf8(argv[2]).c_str());
        return 1;
    }
    POINT origin{0, 0};
    ClientToScreen(top, &origin);
    std::printf("client\t%ld %ld\n", origin.x, origin.y);
    EnumChildWindows(top, PrintChild, 0);
    std::fflush(stdout);
    return 0;
}
