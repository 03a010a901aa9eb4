#include "accessible_anchor.h"

#include "accessible_object.h"
#include "container.h"
#include "control_base.h"

#include <oleacc.h>

#include <algorithm>

namespace lumo {

namespace {

void StartComOnThisThread() {
    // Once per thread, for the thread's life: the marshalling that carries the object to another
    // process and the calls that come back from it need the thread's apartment.
    static thread_local bool started = false;
    if (!started) {
        const HRESULT result = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        started = SUCCEEDED(result) || result == RPC_E_CHANGED_MODE;
    }
}

constexpr wchar_t kPartBaseProc[] = L"LumoAccessiblePartProc";

LRESULT CALLBACK PartProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto base = reinterpret_cast<WNDPROC>(::GetPropW(hwnd, kPartBaseProc));
    if (message == WM_GETOBJECT && static_cast<DWORD>(lParam) == static_cast<DWORD>(OBJID_CLIENT)) {
        if (const LRESULT answer = ::SendMessageW(::GetParent(hwnd), message, wParam, lParam)) {
            return answer;
        }
    }
    if (message == WM_NCDESTROY && base != nullptr) {
        ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(base));
        ::RemovePropW(hwnd, kPartBaseProc);
    }
    return base != nullptr ? ::CallWindowProcW(base, hwnd, message, wParam, lParam)
                           : ::DefWindowProcW(hwnd, message, wParam, lParam);
}

} // namespace

void AnswerAsParent(HWND part) {
    if (part == nullptr || ::GetPropW(part, kPartBaseProc) != nullptr) {
        return;
    }
    const LONG_PTR base = ::GetWindowLongPtrW(part, GWLP_WNDPROC);
    if (::SetPropW(part, kPartBaseProc, reinterpret_cast<HANDLE>(base))) {
        ::SetWindowLongPtrW(part, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&PartProc));
    }
}

void NotifyAccessibleEvent(ControlBase& control, DWORD event) {
    if (!control.Windowless()) {
        if (const HWND hwnd = control.OwnWindow()) {
            ::NotifyWinEvent(event, hwnd, OBJID_CLIENT, CHILDID_SELF);
        }
        return;
    }
    // Only a container that is a windowed control itself has an object of ours.
    const auto* container = dynamic_cast<const ControlBase*>(&control.Parent());
    const HWND containerWindow = container != nullptr ? container->OwnWindow() : nullptr;
    if (containerWindow == nullptr) {
        return; // no object of ours stands for it
    }
    const std::vector<ControlBase*> children = AccessibleChildrenOf(control.Parent());
    const auto at = std::find(children.begin(), children.end(), &control);
    if (at != children.end()) {
        ::NotifyWinEvent(event, containerWindow, OBJID_CLIENT,
                         static_cast<LONG>(at - children.begin() + 1));
    }
}

LRESULT AccessibleAnchor::Answer(ControlBase& control, WPARAM wParam) {
    StartComOnThisThread();
    if (object_ == nullptr) {
        object_ = MakeAccessibleObject(control);
    }
    const LRESULT answer = ::LresultFromObject(kIidAccessible, wParam, object_);
    return answer > 0 ? answer : 0; // a failure leaves the window to the system's own object
}

void AccessibleAnchor::Cut() {
    if (object_ != nullptr) {
        CutAccessibleObject(object_);
        object_->Release();
        object_ = nullptr;
    }
}

void AccessibleAnchor::RunAction(ControlBase& control, WPARAM wParam) {
    // Only compared until it is found among the controls: anyone may post the message.
    const auto* named = reinterpret_cast<const ControlBase*>(wParam);
    if (named == &control) {
        control.DoDefaultAction();
        return;
    }
    if (const auto* container = dynamic_cast<const Container*>(&control)) {
        for (ControlBase* child : AccessibleChildrenOf(*container)) {
            if (child == named && child->Windowless()) {
                child->DoDefaultAction();
                return;
            }
        }
    }
}

} // namespace lumo
