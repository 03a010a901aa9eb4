#include "native_window.h"

#include <set>
#include <utility>

namespace lumo {

NativeWindow* NativeWindow::Of(HWND hwnd) {
    return reinterpret_cast<NativeWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

void NativeWindow::RegisterClassOnce(const wchar_t* name, HBRUSH background) {
    static std::set<std::wstring> registered;
    if (registered.count(name) != 0) {
        return;
    }
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = &NativeWindow::WindowProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    if (::RegisterClassExW(&wc) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS) {
        registered.insert(name);
    }
}

void NativeWindow::CreateNative(DWORD exStyle, const wchar_t* className, const std::wstring& text,
                                DWORD style, const RECT& place, HWND parent) {
    const HWND made = ::CreateWindowExW(
        exStyle, className, text.c_str(), style, place.left, place.top, place.right - place.left,
        place.bottom - place.top, parent, nullptr, ::GetModuleHandleW(nullptr), this);
    if (hwnd_ == nullptr && made != nullptr) {
        // A system class: its messages come to us through a subclass.
        hwnd_ = made;
        ::SetWindowLongPtrW(made, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        baseProc_ = reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(
            made, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&NativeWindow::WindowProc)));
    }
}

void NativeWindow::DestroyNative() {
    if (hwnd_ == nullptr) {
        return;
    }
    if (baseProc_ != nullptr) {
        // The system class's window goes as it came: with its own procedure.
        ::SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(baseProc_));
    }
    ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    ::DestroyWindow(std::exchange(hwnd_, nullptr));
}

LRESULT NativeWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return CallBase(message, wParam, lParam);
}

LRESULT NativeWindow::CallBase(UINT message, WPARAM wParam, LPARAM lParam) {
    if (baseProc_ != nullptr) {
        return ::CallWindowProcW(baseProc_, hwnd_, message, wParam, lParam);
    }
    return ::DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK NativeWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        if (message == WM_NCCREATE) {
            const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
            auto* self = static_cast<NativeWindow*>(create->lpCreateParams);
            self->hwnd_ = hwnd;
            ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
        NativeWindow* self = Of(hwnd);
        if (self == nullptr) {
            return ::DefWindowProcW(hwnd, message, wParam, lParam);
        }
        if (message == WM_NCDESTROY) {
            const LRESULT result = self->CallBase(message, wParam, lParam);
            ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            self->hwnd_ = nullptr;
            self->WindowGone();
            return result;
        }
        return self->HandleMessage(message, wParam, lParam);
    } catch (...) {
        // Events keep their failures to themselves; the dispatcher never sees one.
        NativeWindow* self = Of(hwnd);
        return self != nullptr && self->hwnd_ == hwnd
                   ? self->CallBase(message, wParam, lParam)
                   : ::DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

} // namespace lumo
