// probe: a small Windows console helper that end-to-end tests run under Wine to look at and
// drive the product's windows from outside, as a user would: find windows, read their texts,
// click buttons, press keys, and paint a known "desktop" picture that Wine's screen capture sees.
//
//   probe wait-window <title> <ms>    exit 0 once a top-level window has that title; prints handle
//   probe wait-gone <title> <ms>      exit 0 once no top-level window has that title
//   probe window-info <title>         prints "x y w h visible"
//   probe texts <title>               prints "class<TAB>text" for the window and each child
//   probe click <title> <text>        clicks the child button whose text is <text>
//   probe key <title> <vk>            brings the window to the front and presses the key
//   probe post-key <title> <vk>       posts WM_KEYDOWN/WM_KEYUP to the window
//   probe set-text <title> <class> <text>  sets the text of the window's first child of that
//                                     class, as a paste into it would
//   probe acp                         prints the system's ANSI code page (932, 1252, ...)
//   probe list                        prints "handle<TAB>pid<TAB>visible<TAB>title" of top-level
//                                     windows
//   probe windows                     prints the top-level windows from the top of the z-order
//                                     down: "handle<TAB>pid<TAB>visible<TAB>extended style (hex)
//                                     <TAB>x y w h<TAB>class<TAB>title"
//   probe monitors                    prints "x y w h primary(1/0)" for each monitor
//   probe cursor                      prints "showing" or "hidden" (GetCursorInfo)
//   probe desktop <picture.bmp> [x y] shows the picture borderless over the whole primary screen
//                                     (or at x, y with its own size) at the bottom of the
//                                     z-order, never active, until killed
//   probe topmost <x> <y> <w> <h>     shows an always-on-top green window, "probe topmost",
//                                     never active, until killed
//   probe run <program> <arguments>   starts the program with exactly `"program" arguments` as
//                                     its command line, waits, exits with its exit code
//   probe long-path <path>            prints the path with every short name made long
//   probe a11y <title>                asks the window's controls for their accessible objects, as
//                                     a screen reader does, and prints one line per object and
//                                     per simple element: "role<TAB>name<TAB>states<TAB>default
//                                     action<TAB>value" (states as words, comma-separated)
//   probe a11y-do <title> <role> <name>  runs the default action of the first such object
//   probe display-mode <w> <h>        changes the primary's resolution (Wine does so in its
//                                     virtual desktop alone); prints ChangeDisplaySettingsEx's
//                                     result, 0 on success
// Titles and texts are UTF-8 on the command line and in the output.

#include <windows.h>

#include <oleacc.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

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

std::wstring WindowText(HWND h) {
    wchar_t buf[1024] = {};
    // WM_GETTEXT rather than GetWindowText: the latter does not read other processes' controls.
    SendMessageTimeoutW(h, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buf), SMTO_ABORTIFHUNG, 2000,
                        nullptr);
    return buf;
}

std::wstring ClassOf(HWND h) {
    wchar_t buf[256] = {};
    GetClassNameW(h, buf, 256);
    return buf;
}

void Print(const std::string& s) {
    std::fwrite(s.data(), 1, s.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

HWND FindTop(const std::wstring& title) {
    return FindWindowW(nullptr, title.c_str());
}

bool WaitFor(const std::wstring& title, DWORD ms, bool present) {
    const ULONGLONG end = GetTickCount64() + ms;
    for (;;) {
        const bool found = FindTop(title) != nullptr;
        if (found == present) {
            return true;
        }
        if (GetTickCount64() >= end) {
            return false;
        }
        Sleep(20);
    }
}

struct ChildTexts {
    std::vector<std::string> lines;
};

BOOL CALLBACK CollectChild(HWND h, LPARAM p) {
    auto* out = reinterpret_cast<ChildTexts*>(p);
    out->lines.push_back(ToUtf8(ClassOf(h)) + "\t" + ToUtf8(WindowText(h)));
    return TRUE;
}

// One line per child window: class, text, enabled (1/0) and its place on the screen in pixels.
BOOL CALLBACK CollectControl(HWND h, LPARAM p) {
    auto* out = reinterpret_cast<ChildTexts*>(p);
    RECT r = {};
    GetWindowRect(h, &r);
    char place[96];
    std::snprintf(place, sizeof place, "\t%d\t%ld %ld %ld %ld", IsWindowEnabled(h) ? 1 : 0, r.left,
                  r.top, r.right - r.left, r.bottom - r.top);
    out->lines.push_back(ToUtf8(ClassOf(h)) + "\t" + ToUtf8(WindowText(h)) + place);
    return TRUE;
}

struct ButtonSearch {
    std::wstring text;
    HWND found = nullptr;
};

BOOL CALLBACK FindButton(HWND h, LPARAM p) {
    auto* s = reinterpret_cast<ButtonSearch*>(p);
    if (WindowText(h) == s->text) {
        s->found = h;
        return FALSE;
    }
    return TRUE;
}

struct ClassSearch {
    std::wstring className;
    HWND found = nullptr;
};

BOOL CALLBACK FindOfClass(HWND h, LPARAM p) {
    auto* s = reinterpret_cast<ClassSearch*>(p);
    if (_wcsicmp(ClassOf(h).c_str(), s->className.c_str()) == 0) {
        s->found = h;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK ListTop(HWND h, LPARAM) {
    DWORD pid = 0;
    GetWindowThreadProcessId(h, &pid);
    char head[64];
    std::snprintf(head, sizeof head, "%llu\t%lu\t%d\t",
                  static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(h)),
                  static_cast<unsigned long>(pid), IsWindowVisible(h) ? 1 : 0);
    Print(head + ToUtf8(WindowText(h)));
    return TRUE;
}

// In z-order, the top first.
BOOL CALLBACK ListTopWithPlace(HWND h, LPARAM) {
    DWORD pid = 0;
    GetWindowThreadProcessId(h, &pid);
    RECT r = {};
    GetWindowRect(h, &r);
    char head[160];
    std::snprintf(head, sizeof head, "%llu\t%lu\t%d\t%08lx\t%ld %ld %ld %ld\t",
                  static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(h)),
                  static_cast<unsigned long>(pid), IsWindowVisible(h) ? 1 : 0,
                  static_cast<unsigned long>(GetWindowLongW(h, GWL_EXSTYLE)), r.left, r.top,
                  r.right - r.left, r.bottom - r.top);
    Print(head + ToUtf8(ClassOf(h)) + "\t" + ToUtf8(WindowText(h)));
    return TRUE;
}

BOOL CALLBACK ListMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM) {
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    GetMonitorInfoW(monitor, &info);
    const RECT& r = info.rcMonitor;
    char line[96];
    std::snprintf(line, sizeof line, "%ld %ld %ld %ld %d", r.left, r.top, r.right - r.left,
                  r.bottom - r.top, (info.dwFlags & MONITORINFOF_PRIMARY) ? 1 : 0);
    Print(line);
    return TRUE;
}

void PressKey(WORD vk) {
    INPUT in[2] = {};
    in[0].type = INPUT_KEYBOARD;
    in[0].ki.wVk = vk;
    in[1] = in[0];
    in[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, in, sizeof(INPUT));
}

// ---- the "desktop" window ----

HBITMAP g_picture = nullptr;

LRESULT CALLBACK DesktopProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(h, &ps);
        HDC mem = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(mem, g_picture);
        BITMAP bm = {};
        GetObjectW(g_picture, sizeof bm, &bm);
        BitBlt(dc, 0, 0, bm.bmWidth, bm.bmHeight, mem, 0, 0, SRCCOPY);
        SelectObject(mem, old);
        DeleteDC(mem);
        EndPaint(h, &ps);
        return 0;
    }
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_WINDOWPOSCHANGING: {
        // Stay under every other window, whatever gets raised.
        auto* pos = reinterpret_cast<WINDOWPOS*>(lp);
        pos->hwndInsertAfter = HWND_BOTTOM;
        pos->flags &= ~static_cast<UINT>(SWP_NOZORDER);
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(h, msg, wp, lp);
    }
}

int RunWindows() {
    MSG m;
    while (GetMessageW(&m, nullptr, 0, 0) > 0) {
        TranslateMessage(&m);
        DispatchMessageW(&m);
    }
    return 0;
}

// An always-on-top window such as a taskbar on every display or a pinned player: green, so
// that a screenshot shows whether anything covers it.
int Topmost(int x, int y, int w, int hgt) {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"LumoProbeTopmost";
    wc.hbrBackground = CreateSolidBrush(RGB(0, 255, 0));
    RegisterClassW(&wc);
    HWND h = CreateWindowExW(WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW, wc.lpszClassName,
                             L"probe topmost", WS_POPUP, x, y, w, hgt, nullptr, nullptr,
                             wc.hInstance, nullptr);
    if (!h) {
        return 2;
    }
    ShowWindow(h, SW_SHOWNOACTIVATE);
    UpdateWindow(h);
    Print("ready");
    return RunWindows();
}

int Desktop(const std::wstring& path, bool placed, int x, int y) {
    g_picture = static_cast<HBITMAP>(LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0,
                                                LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    if (!g_picture) {
        Print("cannot load picture");
        return 2;
    }
    WNDCLASSW wc = {};
    wc.lpfnWndProc = DesktopProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"LumoProbeDesktop";
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    RegisterClassW(&wc);
    BITMAP picture = {};
    GetObjectW(g_picture, sizeof picture, &picture);
    const int w = placed ? picture.bmWidth : GetSystemMetrics(SM_CXSCREEN);
    const int hgt = placed ? picture.bmHeight : GetSystemMetrics(SM_CYSCREEN);
    if (!placed) {
        x = 0;
        y = 0;
    }
    HWND h =
        CreateWindowExW(WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW, wc.lpszClassName, L"probe desktop",
                        WS_POPUP, x, y, w, hgt, nullptr, nullptr, wc.hInstance, nullptr);
    if (!h) {
        return 2;
    }
    SetWindowPos(h, HWND_BOTTOM, x, y, w, hgt, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    UpdateWindow(h);
    GdiFlush();
    Print("ready");
    return RunWindows();
}

// An argv would quote an argument holding a blank, and some programs (NSIS's setups with /D=)
// read their command line's tail verbatim.
int Run(const std::wstring& program, const std::wstring& arguments) {
    std::wstring commandLine = L"\"" + program + L"\" " + arguments;
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
        Print("cannot start: error " + std::to_string(GetLastError()));
        return 255;
    }
    CloseHandle(process.hThread);
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 255;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    return static_cast<int>(code);
}

int LongPath(const std::wstring& path) {
    wchar_t buf[32768] = {};
    if (GetLongPathNameW(path.c_str(), buf, 32768) == 0) {
        Print("no such path: error " + std::to_string(GetLastError()));
        return 1;
    }
    Print(ToUtf8(buf));
    return 0;
}

// ---- accessible objects, as a screen reader sees them ----

// Spelled here: the static import library's IID_IAccessible is a data import.
const IID kIidAccessible = {
    0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};

std::string RoleWord(long role) {
    switch (role) {
    case ROLE_SYSTEM_PUSHBUTTON:
        return "pushbutton";
    case ROLE_SYSTEM_RADIOBUTTON:
        return "radiobutton";
    case ROLE_SYSTEM_COMBOBOX:
        return "combobox";
    case ROLE_SYSTEM_LINK:
        return "link";
    case ROLE_SYSTEM_TEXT:
        return "text";
    case ROLE_SYSTEM_STATICTEXT:
        return "statictext";
    case ROLE_SYSTEM_GROUPING:
        return "grouping";
    case ROLE_SYSTEM_CLIENT:
        return "client";
    default:
        return std::to_string(role);
    }
}

std::string StateWords(long state) {
    static const std::pair<long, const char*> words[] = {{STATE_SYSTEM_UNAVAILABLE, "unavailable"},
                                                         {STATE_SYSTEM_FOCUSED, "focused"},
                                                         {STATE_SYSTEM_FOCUSABLE, "focusable"},
                                                         {STATE_SYSTEM_CHECKED, "checked"},
                                                         {STATE_SYSTEM_READONLY, "readonly"},
                                                         {STATE_SYSTEM_INVISIBLE, "invisible"},
                                                         {STATE_SYSTEM_LINKED, "linked"}};
    std::string out;
    for (const auto& [bit, word] : words) {
        if ((state & bit) != 0) {
            if (!out.empty()) {
                out += ',';
            }
            out += word;
        }
    }
    return out;
}

struct Accessible {
    IAccessible* object = nullptr; // one reference, released by the list's owner
    long child = CHILDID_SELF;
    long role = 0;
    std::string line;
};

std::string TextOf(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*), IAccessible* acc,
                   long child) {
    VARIANT id;
    id.vt = VT_I4;
    id.lVal = child;
    BSTR text = nullptr;
    std::string out;
    if ((acc->*get)(id, &text) == S_OK && text != nullptr) {
        out = ToUtf8(std::wstring(text, SysStringLen(text)));
    }
    SysFreeString(text);
    return out;
}

Accessible Describe(IAccessible* acc, long child) {
    VARIANT id;
    id.vt = VT_I4;
    id.lVal = child;
    VARIANT role;
    VariantInit(&role);
    VARIANT state;
    VariantInit(&state);
    acc->get_accRole(id, &role);
    acc->get_accState(id, &state);
    Accessible a;
    a.object = acc;
    a.child = child;
    a.role = role.vt == VT_I4 ? role.lVal : 0;
    a.line = RoleWord(a.role) + "\t" + TextOf(&IAccessible::get_accName, acc, child) + "\t" +
             StateWords(state.vt == VT_I4 ? state.lVal : 0) + "\t" +
             TextOf(&IAccessible::get_accDefaultAction, acc, child) + "\t" +
             TextOf(&IAccessible::get_accValue, acc, child);
    return a;
}

BOOL CALLBACK CollectWindow(HWND h, LPARAM p) {
    reinterpret_cast<std::vector<HWND>*>(p)->push_back(h);
    return TRUE;
}

// Every child window's object, each followed by its simple elements; the objects hold a
// reference each (one for the window and its elements).
std::vector<Accessible> AccessibleObjects(HWND top) {
    std::vector<HWND> windows;
    EnumChildWindows(top, CollectWindow, reinterpret_cast<LPARAM>(&windows));
    std::vector<Accessible> found;
    for (HWND h : windows) {
        IAccessible* acc = nullptr;
        if (FAILED(AccessibleObjectFromWindow(h, static_cast<DWORD>(OBJID_CLIENT), kIidAccessible,
                                              reinterpret_cast<void**>(&acc))) ||
            acc == nullptr) {
            continue;
        }
        found.push_back(Describe(acc, CHILDID_SELF));
        LONG count = 0;
        if (FAILED(acc->get_accChildCount(&count)) || count <= 0) {
            continue;
        }
        std::vector<VARIANT> children(static_cast<size_t>(count));
        LONG got = 0;
        AccessibleChildren(acc, 0, count, children.data(), &got);
        for (LONG i = 0; i < got; ++i) {
            // Windowed children come as objects of their own and are asked in their turn.
            if (children[static_cast<size_t>(i)].vt == VT_I4) {
                acc->AddRef();
                found.push_back(Describe(acc, children[static_cast<size_t>(i)].lVal));
            }
            VariantClear(&children[static_cast<size_t>(i)]);
        }
    }
    return found;
}

int PrintAccessible(HWND h) {
    const std::vector<Accessible> found = AccessibleObjects(h);
    for (const Accessible& a : found) {
        Print(a.line);
        a.object->Release();
    }
    return found.empty() ? 1 : 0;
}

int DoDefaultAction(HWND h, const std::string& role, const std::string& name) {
    int rc = 1;
    bool done = false;
    for (const Accessible& a : AccessibleObjects(h)) {
        if (!done && RoleWord(a.role) == role &&
            TextOf(&IAccessible::get_accName, a.object, a.child) == name) {
            VARIANT id;
            id.vt = VT_I4;
            id.lVal = a.child;
            const HRESULT hr = a.object->accDoDefaultAction(id);
            char line[64];
            std::snprintf(line, sizeof line, "0x%08lx", static_cast<unsigned long>(hr));
            Print(line);
            rc = hr == S_OK ? 0 : 1;
            done = true;
        }
        a.object->Release();
    }
    if (!done) {
        Print("no such object");
    }
    return rc;
}

int DisplayMode(int width, int height) {
    DEVMODEW mode{};
    mode.dmSize = sizeof mode;
    mode.dmPelsWidth = static_cast<DWORD>(width);
    mode.dmPelsHeight = static_cast<DWORD>(height);
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
    const LONG result = ChangeDisplaySettingsExW(nullptr, &mode, nullptr, 0, nullptr);
    Print(std::to_string(result));
    return result == DISP_CHANGE_SUCCESSFUL ? 0 : 1;
}

int Usage() {
    Print("usage: probe "
          "wait-window|wait-gone|window-info|texts|controls|click|key|post-key|close|list|windows|"
          "monitors|acp|cursor|desktop|topmost|run|long-path|set-text|a11y|a11y-do|"
          "display-mode ...");
    return 2;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        return Usage();
    }
    const std::wstring cmd = argv[1];
    auto arg = [&](int i) { return i < argc ? std::wstring(argv[i]) : std::wstring(); };
    auto num = [&](int i) { return i < argc ? std::wcstoul(argv[i], nullptr, 10) : 0UL; };
    auto coordinate = [&](int i) {
        return i < argc ? static_cast<int>(std::wcstol(argv[i], nullptr, 10)) : 0;
    };

    if (cmd == L"wait-window" || cmd == L"wait-gone") {
        const bool present = cmd == L"wait-window";
        if (!WaitFor(arg(2), static_cast<DWORD>(num(3)), present)) {
            Print(present ? "timeout: window not found" : "timeout: window still there");
            return 1;
        }
        if (present) {
            Print(std::to_string(reinterpret_cast<UINT_PTR>(FindTop(arg(2)))));
        }
        return 0;
    }
    if (cmd == L"list") {
        EnumWindows(ListTop, 0);
        return 0;
    }
    if (cmd == L"acp") {
        Print(std::to_string(GetACP()));
        return 0;
    }
    if (cmd == L"cursor") {
        CURSORINFO ci = {};
        ci.cbSize = sizeof ci;
        GetCursorInfo(&ci);
        Print((ci.flags & CURSOR_SHOWING) ? "showing" : "hidden");
        return 0;
    }
    if (cmd == L"windows") {
        EnumWindows(ListTopWithPlace, 0);
        return 0;
    }
    if (cmd == L"monitors") {
        EnumDisplayMonitors(nullptr, nullptr, ListMonitor, 0);
        return 0;
    }
    if (cmd == L"desktop") {
        return Desktop(arg(2), argc >= 5, coordinate(3), coordinate(4));
    }
    if (cmd == L"topmost") {
        return Topmost(coordinate(2), coordinate(3), coordinate(4), coordinate(5));
    }
    if (cmd == L"run") {
        return Run(arg(2), arg(3));
    }
    if (cmd == L"long-path") {
        return LongPath(arg(2));
    }
    if (cmd == L"display-mode") {
        return DisplayMode(coordinate(2), coordinate(3));
    }

    HWND h = FindTop(arg(2));
    if (!h) {
        Print("no such window");
        return 1;
    }
    if (cmd == L"window-info") {
        RECT r = {};
        GetWindowRect(h, &r);
        char line[128];
        std::snprintf(line, sizeof line, "%ld %ld %ld %ld %d", r.left, r.top, r.right - r.left,
                      r.bottom - r.top, IsWindowVisible(h) ? 1 : 0);
        Print(line);
        return 0;
    }
    if (cmd == L"texts") {
        ChildTexts t;
        t.lines.push_back(ToUtf8(ClassOf(h)) + "\t" + ToUtf8(WindowText(h)));
        EnumChildWindows(h, CollectChild, reinterpret_cast<LPARAM>(&t));
        for (const auto& l : t.lines) {
            Print(l);
        }
        return 0;
    }
    if (cmd == L"controls") {
        // The inner area's corner and size first, so that tests can turn design places into
        // screen ones.
        POINT origin = {0, 0};
        ClientToScreen(h, &origin);
        RECT inner = {};
        GetClientRect(h, &inner);
        char head[96];
        std::snprintf(head, sizeof head, "client\t%ld %ld\t%ld %ld", origin.x, origin.y,
                      inner.right, inner.bottom);
        ChildTexts t;
        t.lines.push_back(head);
        EnumChildWindows(h, CollectControl, reinterpret_cast<LPARAM>(&t));
        for (const auto& l : t.lines) {
            Print(l);
        }
        return 0;
    }
    if (cmd == L"click") {
        ButtonSearch s{arg(3), nullptr};
        EnumChildWindows(h, FindButton, reinterpret_cast<LPARAM>(&s));
        if (!s.found) {
            Print("no such button");
            return 1;
        }
        PostMessageW(s.found, BM_CLICK, 0, 0);
        return 0;
    }
    if (cmd == L"key") {
        SetForegroundWindow(h);
        SetFocus(h);
        Sleep(100);
        PressKey(static_cast<WORD>(num(3)));
        return 0;
    }
    if (cmd == L"close") {
        // As the close box does it.
        PostMessageW(h, WM_CLOSE, 0, 0);
        return 0;
    }
    if (cmd == L"set-text") {
        ClassSearch s{arg(3), nullptr};
        EnumChildWindows(h, FindOfClass, reinterpret_cast<LPARAM>(&s));
        if (!s.found) {
            Print("no child of that class");
            return 1;
        }
        const std::wstring text = arg(4);
        SendMessageW(s.found, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
        return 0;
    }
    if (cmd == L"a11y" || cmd == L"a11y-do") {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        return cmd == L"a11y" ? PrintAccessible(h)
                              : DoDefaultAction(h, ToUtf8(arg(3)), ToUtf8(arg(4)));
    }
    if (cmd == L"post-key") {
        const auto vk = static_cast<WPARAM>(num(3));
        PostMessageW(h, WM_KEYDOWN, vk, 1);
        PostMessageW(h, WM_KEYUP, vk, static_cast<LPARAM>(0xC0000001u));
        return 0;
    }
    return Usage();
}
