#include "form.h"

#include "application.h"
#include "mouse_pointer.h"
#include "screen_dpi.h"

#include <iterator>
#include <string_view>

namespace lumo {

namespace {

// The setup program finds the running saver's windows by this name to close them: keep it.
constexpr wchar_t kFormClass[] = L"LumoForm";
int g_loadedForms = 0;

bool TakesFocus(const Control* control) {
    const HWND h = control->Hwnd();
    return h != nullptr && ::IsWindowVisible(h) && ::IsWindowEnabled(h) &&
           (::GetWindowLongW(h, GWL_STYLE) & WS_TABSTOP) != 0;
}

} // namespace

Form::Form(FormDesign design)
    : SurfaceContainer(design.backColour, design.picture, design.font), design_(std::move(design)) {
    app::SetKeyFilter(&Form::TranslateTabKey);
}

Form::~Form() {
    if (Hwnd() != nullptr && loaded_) {
        --g_loadedForms;
    }
    // Going away without an unload: no events, just the window.
    DestroyNative();
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
    if (Hwnd() != nullptr) {
        return;
    }
    RegisterClassOnce(kFormClass);
    const int dpi = ScreenDpi();
    RECT outer{0, 0, TwipsToPixels(design_.clientWidth, dpi),
               TwipsToPixels(design_.clientHeight, dpi)};
    ::AdjustWindowRectEx(&outer, Style(), FALSE, ExStyle());
    const HWND owner = design_.showInTaskbar ? nullptr : app::HiddenOwnerWindow();
    const RECT place{CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT + (outer.right - outer.left),
                     CW_USEDEFAULT + (outer.bottom - outer.top)};
    CreateNative(ExStyle(), kFormClass, design_.caption, Style(), place, owner);
    if (Hwnd() == nullptr) {
        return;
    }
    if (design_.programIcon) {
        const HICON icon = ::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
        if (icon != nullptr) {
            ::SendMessageW(Hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
            ::SendMessageW(Hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
        }
    }
    AttachSurface();
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
    ArmTimers();
}

void Form::Show(ShowMode mode) {
    Load();
    if (!IsLoaded()) {
        return;
    }
    ::ShowWindow(Hwnd(), SW_SHOWNORMAL);
    ::UpdateWindow(Hwnd());
    if (!tabOrder_.empty()) {
        MoveFocus(nullptr, false);
    }
    if (mode == ShowMode::Modeless) {
        return;
    }
    ::SetForegroundWindow(Hwnd());
    if (const auto quit = app::PumpMessagesWhile([this] { return IsLoaded(); })) {
        // The program is ending: leave the quit message for the outer loop.
        ::PostQuitMessage(*quit);
    }
}

bool Form::TranslateTabKey(const MSG& msg) {
    if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB || msg.hwnd == nullptr) {
        return false;
    }
    const HWND root = ::GetAncestor(msg.hwnd, GA_ROOT);
    wchar_t className[std::size(kFormClass) + 1] = {};
    ::GetClassNameW(root, className, static_cast<int>(std::size(className)));
    if (std::wstring_view(className) != kFormClass) {
        return false;
    }
    auto* form = dynamic_cast<Form*>(NativeWindow::Of(root));
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
    for (HWND h = from; h != nullptr && h != Hwnd() && current == count; h = ::GetParent(h)) {
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
    if (Hwnd() != nullptr) {
        ::ShowWindow(Hwnd(), SW_HIDE);
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
    if (cancel || Hwnd() == nullptr) {
        return;
    }
    Unloaded(Hwnd());
}

void Form::WindowGone() {
    // Another window took ours with it (a preview host destroying its window destroys the child
    // form in it): the form counts as unloaded, so the program ends when it was the last one.
    if (loaded_) {
        Unloaded(nullptr);
    }
}

void Form::Unloaded(HWND window) {
    DisarmTimers();
    loaded_ = false;
    --g_loadedForms;
    if (window != nullptr) {
        ::DestroyWindow(window);
    }
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

void Form::Move(double left, double top, double width, double height) {
    if (Hwnd() == nullptr) {
        return;
    }
    const int dpi = ScreenDpi();
    ::MoveWindow(Hwnd(), TwipsToPixels(left, dpi), TwipsToPixels(top, dpi),
                 TwipsToPixels(width, dpi), TwipsToPixels(height, dpi), TRUE);
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
    return PixelsToTwips(WindowRectOf(Hwnd()).left, ScreenDpi());
}
double Form::Top() const {
    return PixelsToTwips(WindowRectOf(Hwnd()).top, ScreenDpi());
}
double Form::Width() const {
    const RECT r = WindowRectOf(Hwnd());
    return PixelsToTwips(r.right - r.left, ScreenDpi());
}
double Form::Height() const {
    const RECT r = WindowRectOf(Hwnd());
    return PixelsToTwips(r.bottom - r.top, ScreenDpi());
}

void Form::SetCaption(const std::wstring& caption) {
    design_.caption = caption;
    if (Hwnd() != nullptr) {
        ::SetWindowTextW(Hwnd(), caption.c_str());
    }
}

void Form::Resized() {
    if (loaded_) {
        try {
            Form_Resize();
        } catch (...) {
            // Resize painting is best effort, like every other event.
        }
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
    if (const auto answer = HandleSurfaceMessage(message, wParam, lParam)) {
        return *answer;
    }
    switch (message) {
    case WM_TIMER:
        TickTimer(wParam);
        return 0;
    case WM_ACTIVATE:
        if (tabOrder_.empty()) {
            break;
        }
        if (LOWORD(wParam) == WA_INACTIVE) {
            // Kept so that the focus goes back there, not to the form's own window.
            const HWND focus = ::GetFocus();
            lastFocus_ = focus != nullptr && ::IsChild(Hwnd(), focus) ? focus : nullptr;
            return 0;
        }
        if (lastFocus_ != nullptr && ::IsWindow(lastFocus_) && ::IsChild(Hwnd(), lastFocus_)) {
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
            ::SetCursor(::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_WAIT)));
            return TRUE;
        }
        break;
    default:
        break;
    }
    return CallBase(message, wParam, lParam);
}

} // namespace lumo
