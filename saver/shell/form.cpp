#include "form.h"

#include "application.h"
#include "timer.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace lumo {

namespace {

constexpr char kFormClass[] = "LumoForm";
int g_loadedForms = 0;

void RegisterFormClass(WNDPROC procedure) {
    static bool done = false;
    if (done) {
        return;
    }
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = procedure;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.lpszClassName = kFormClass;
    done = ::RegisterClassExA(&wc) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

int Px(double twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

bool TakesFocus(const Control* control) {
    const HWND h = control->Hwnd();
    return h != nullptr && ::IsWindowVisible(h) && ::IsWindowEnabled(h) &&
           (::GetWindowLongA(h, GWL_STYLE) & WS_TABSTOP) != 0;
}

} // namespace

Form::Form(FormDesign design) : design_(std::move(design)) {
    picture_.SetBackColour(design_.backColour.value_or(::GetSysColor(COLOR_BTNFACE)));
    picture_.SetBackPicture(design_.picture);
}

Form::~Form() {
    if (hwnd_ != nullptr) {
        // Going away without an unload: no events, just the window.
        ::SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
        ::DestroyWindow(hwnd_);
        if (loaded_) {
            --g_loadedForms;
        }
    }
}

int Form::LoadedCount() {
    return g_loadedForms;
}

DWORD Form::Style() const {
    DWORD style = WS_CLIPCHILDREN;
    switch (design_.border) {
    case BorderStyle::None:
        style |= WS_POPUP;
        break;
    case BorderStyle::FixedSingle:
        style |= WS_CAPTION | WS_BORDER;
        break;
    case BorderStyle::Sizable:
        style |= WS_OVERLAPPEDWINDOW & ~(WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_SYSMENU);
        break;
    }
    if (design_.border != BorderStyle::None && design_.controlBox) {
        style |= WS_SYSMENU;
        if (design_.minButton) {
            style |= WS_MINIMIZEBOX;
        }
        if (design_.maxButton) {
            style |= WS_MAXIMIZEBOX;
        }
    }
    return style;
}

DWORD Form::ExStyle() const {
    return design_.showInTaskbar && design_.border != BorderStyle::None ? WS_EX_APPWINDOW : 0;
}

void Form::Load() {
    if (hwnd_ != nullptr) {
        return;
    }
    RegisterFormClass(&Form::WindowProc);
    RECT outer{0, 0, Px(design_.clientWidth), Px(design_.clientHeight)};
    ::AdjustWindowRectEx(&outer, Style(), FALSE, ExStyle());
    const HWND owner = design_.showInTaskbar ? nullptr : app::HiddenOwnerWindow();
    ::CreateWindowExA(ExStyle(), kFormClass, design_.caption.c_str(), Style(), CW_USEDEFAULT,
                      CW_USEDEFAULT, outer.right - outer.left, outer.bottom - outer.top, owner,
                      nullptr, ::GetModuleHandleA(nullptr), this);
    if (hwnd_ == nullptr) {
        return;
    }
    if (design_.programIcon) {
        const HICON icon = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1));
        if (icon != nullptr) {
            ::SendMessageA(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
            ::SendMessageA(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
        }
    }
    picture_.SetOwner(hwnd_);
    ResizeSurfaceToClient();
    picture_.Clear();
    CreateChildren();
    loaded_ = true;
    ++g_loadedForms;
    try {
        Form_Load();
    } catch (...) {
        // The load event's own policy decides about its steps; nothing escapes to the caller.
    }
    // Ticks are only handled once the load event has returned, so timers enabled in the design
    // start counting then: a watch never fires sooner than its interval after what the load
    // started (the session's renderer watch relies on it).
    for (Timer* timer : timers_) {
        timer->Arm();
    }
}

void Form::Show(ShowMode mode) {
    Load();
    if (!IsLoaded()) {
        return;
    }
    ::ShowWindow(hwnd_, SW_SHOWNORMAL);
    ::UpdateWindow(hwnd_);
    if (!tabOrder_.empty()) {
        MoveFocus(nullptr, false);
    }
    if (mode == ShowMode::Modeless) {
        return;
    }
    ::SetForegroundWindow(hwnd_);
    MSG msg;
    while (IsLoaded()) {
        const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (got <= 0) {
            // The program is ending: leave the quit message for the outer loop.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (TranslateTabKey(msg)) {
            continue;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

bool Form::TranslateTabKey(const MSG& msg) {
    if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB || msg.hwnd == nullptr) {
        return false;
    }
    const HWND root = ::GetAncestor(msg.hwnd, GA_ROOT);
    char className[sizeof kFormClass + 1] = {};
    ::GetClassNameA(root, className, static_cast<int>(sizeof className));
    if (std::string_view(className) != kFormClass) {
        return false;
    }
    auto* form = reinterpret_cast<Form*>(::GetWindowLongPtrA(root, GWLP_USERDATA));
    if (form == nullptr || form->tabOrder_.empty()) {
        return false;
    }
    form->MoveFocus(msg.hwnd, ::GetKeyState(VK_SHIFT) < 0);
    return true;
}

void Form::MoveFocus(HWND from, bool backwards) {
    const std::size_t count = tabOrder_.size();
    // The control holding the focus: the nearest window up from `from` that is in the order
    // (the focus may lie in a part of it, such as a drop-down box's text field).
    std::size_t current = count;
    for (HWND h = from; h != nullptr && h != hwnd_ && current == count; h = ::GetParent(h)) {
        for (std::size_t i = 0; i < count; ++i) {
            if (tabOrder_[i]->Hwnd() == h) {
                current = i;
                break;
            }
        }
    }
    for (std::size_t step = 1; step <= count; ++step) {
        std::size_t i = 0;
        if (current == count) {
            i = backwards ? count - step : step - 1;
        } else {
            i = backwards ? (current + count - step) % count : (current + step) % count;
        }
        if (TakesFocus(tabOrder_[i])) {
            ::SetFocus(tabOrder_[i]->Hwnd());
            return;
        }
    }
}

void Form::Hide() {
    if (hwnd_ != nullptr) {
        ::ShowWindow(hwnd_, SW_HIDE);
    }
}

void Form::Unload(UnloadMode mode) {
    UnloadWith(mode, true);
}

void Form::UnloadWith(UnloadMode mode, bool ask) {
    if (!IsLoaded() || unloading_) {
        return;
    }
    unloading_ = true;
    bool cancel = false;
    try {
        if (ask) {
            Form_QueryUnload(cancel, mode);
        }
        if (!cancel) {
            Form_Unload(cancel);
        }
    } catch (...) {
        // As with load: the event's policy has had its say; the unload goes on.
    }
    unloading_ = false;
    if (cancel || hwnd_ == nullptr) {
        return;
    }
    for (Timer* timer : timers_) {
        timer->Disarm();
    }
    loaded_ = false;
    --g_loadedForms;
    ::DestroyWindow(hwnd_);
    if (g_loadedForms == 0) {
        ::PostQuitMessage(0);
    }
}

void Form::WindowDestroyedOutside() {
    // Another window took ours with it (a preview host destroying its window destroys the child
    // form in it): the form counts as unloaded, so the program ends when it was the last one.
    if (!loaded_) {
        return;
    }
    for (Timer* timer : timers_) {
        timer->Disarm();
    }
    loaded_ = false;
    --g_loadedForms;
    if (g_loadedForms == 0) {
        ::PostQuitMessage(0);
    }
}

bool Form::QueryEndSession() {
    // Asked whether Windows may end the session: the form's QueryUnload answers, and a cancel
    // refuses the end. The unload itself waits for WM_ENDSESSION.
    if (!IsLoaded() || unloading_) {
        return true;
    }
    unloading_ = true;
    bool cancel = false;
    try {
        Form_QueryUnload(cancel, UnloadMode::WindowsSession);
    } catch (...) {
        // As with an unload: a failing event does not stop the session's end.
    }
    unloading_ = false;
    sessionAsked_ = !cancel;
    return !cancel;
}

void Form::SetPicture(const lumo::Picture& picture) {
    design_.picture = picture;
    picture_.SetBackPicture(picture);
    picture_.Clear();
    picture_.Refresh();
}

void Form::RemoveTimer(Timer& timer) {
    timers_.erase(std::remove(timers_.begin(), timers_.end(), &timer), timers_.end());
}

void Form::Move(double left, double top, double width, double height) {
    if (hwnd_ == nullptr) {
        return;
    }
    ::MoveWindow(hwnd_, Px(left), Px(top), Px(width), Px(height), TRUE);
}

namespace {
RECT WindowRectOf(HWND hwnd) {
    RECT r{};
    if (hwnd != nullptr) {
        ::GetWindowRect(hwnd, &r);
    }
    return r;
}
} // namespace

double Form::Left() const {
    return static_cast<double>(PixelsToTwips(WindowRectOf(hwnd_).left));
}
double Form::Top() const {
    return static_cast<double>(PixelsToTwips(WindowRectOf(hwnd_).top));
}
double Form::Width() const {
    const RECT r = WindowRectOf(hwnd_);
    return static_cast<double>(PixelsToTwips(r.right - r.left));
}
double Form::Height() const {
    const RECT r = WindowRectOf(hwnd_);
    return static_cast<double>(PixelsToTwips(r.bottom - r.top));
}

void Form::SetCaption(const std::string& caption) {
    design_.caption = caption;
    if (hwnd_ != nullptr) {
        ::SetWindowTextA(hwnd_, caption.c_str());
    }
}

void Form::ResizeSurfaceToClient() {
    RECT client{};
    ::GetClientRect(hwnd_, &client);
    picture_.Resize(client.right - client.left, client.bottom - client.top);
}

LRESULT CALLBACK Form::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        if (message == WM_NCCREATE) {
            auto* self =
                static_cast<Form*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
            self->hwnd_ = hwnd;
            ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
        auto* self = reinterpret_cast<Form*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (self == nullptr) {
            return ::DefWindowProcA(hwnd, message, wParam, lParam);
        }
        if (message == WM_NCDESTROY) {
            ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
            self->hwnd_ = nullptr;
            self->picture_.SetOwner(nullptr);
            self->WindowDestroyedOutside();
            return ::DefWindowProcA(hwnd, message, wParam, lParam);
        }
        return self->HandleMessage(message, wParam, lParam);
    } catch (...) {
        // Events keep their failures to themselves; the dispatcher never sees one.
        return ::DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (OnMessage(message, wParam, lParam, result)) {
        return result;
    }
    if (RouteMouse(message, wParam, lParam)) {
        return 0;
    }
    switch (message) {
    case WM_ERASEBKGND:
        return 1; // the surface covers the whole client area
    case WM_PAINT:
        PaintWindow();
        return 0;
    case WM_COMMAND:
        if (ReflectCommand(wParam, lParam)) {
            return 0;
        }
        break;
    case WM_SIZE:
        ResizeSurfaceToClient();
        if (loaded_) {
            try {
                Form_Resize();
            } catch (...) {
                // Resize painting is best effort, like every other event.
            }
        }
        return 0;
    case WM_TIMER:
        for (Timer* timer : timers_) {
            if (timer->Id() == wParam) {
                timer->Tick();
                break;
            }
        }
        return 0;
    case WM_ACTIVATE:
        if (tabOrder_.empty()) {
            break;
        }
        if (LOWORD(wParam) == WA_INACTIVE) {
            // Kept so that the focus goes back there, not to the form's own window.
            const HWND focus = ::GetFocus();
            lastFocus_ = focus != nullptr && ::IsChild(hwnd_, focus) ? focus : nullptr;
            return 0;
        }
        if (lastFocus_ != nullptr && ::IsWindow(lastFocus_) && ::IsChild(hwnd_, lastFocus_)) {
            ::SetFocus(lastFocus_);
            return 0;
        }
        break;
    case WM_CLOSE:
        Unload(UnloadMode::FromControlMenu);
        return 0;
    case WM_QUERYENDSESSION:
        return QueryEndSession() ? TRUE : FALSE;
    case WM_ENDSESSION:
        if (wParam != 0) {
            UnloadWith(UnloadMode::WindowsSession, !sessionAsked_);
        }
        sessionAsked_ = false; // the end was called off, or it is under way
        return 0;
    case WM_SETCURSOR:
        if (app::CurrentMousePointer() == app::MousePointer::Wait) {
            ::SetCursor(::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)));
            return TRUE;
        }
        break;
    default:
        break;
    }
    return ::DefWindowProcA(hwnd_, message, wParam, lParam);
}

} // namespace lumo
