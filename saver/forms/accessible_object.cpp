#include "accessible_object.h"

#include "accessible_facts.h"
#include "container.h"
#include "control_base.h"

#include <oleacc.h>

#include <algorithm>
#include <new>
#include <string>

namespace lumo {

namespace {

// A question refused, with the answer to give.
struct Refusal {
    HRESULT result;
};

// No failure leaves a method of the object: the system's marshalling would carry it into the
// screen reader's process, or into ours when it asks from here.
template <class Answer> HRESULT Guarded(Answer&& answer) noexcept {
    try {
        return answer();
    } catch (const Refusal& refusal) {
        return refusal.result;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_FAIL;
    }
}

void Require(const void* out) {
    if (out == nullptr) {
        throw Refusal{E_POINTER};
    }
}

Container* AsContainer(ControlBase& control) {
    return dynamic_cast<Container*>(&control);
}

HRESULT AnswerText(const std::wstring& text, BSTR* out) {
    *out = nullptr;
    if (text.empty()) {
        return S_FALSE;
    }
    *out = ::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

// The object the system makes for a window as a whole: what a window's client object hands
// over for its child windows, and names as its own parent.
IDispatch* WindowObject(HWND hwnd) {
    IDispatch* object = nullptr;
    if (FAILED(::AccessibleObjectFromWindow(hwnd, static_cast<DWORD>(OBJID_WINDOW), IID_IDispatch,
                                            reinterpret_cast<void**>(&object)))) {
        return nullptr;
    }
    return object;
}

long StateOf(ControlBase& control, const AccessibleFacts& facts) {
    long state = facts.state;
    const HWND hwnd = control.OwnWindow();
    if (hwnd == nullptr) {
        if (!control.Visible() || !::IsWindowVisible(control.Parent().ContainerWindow())) {
            state |= STATE_SYSTEM_INVISIBLE;
        }
        if (!control.Enabled()) {
            state |= STATE_SYSTEM_UNAVAILABLE;
        }
        return state;
    }
    if (!::IsWindowVisible(hwnd)) {
        state |= STATE_SYSTEM_INVISIBLE;
    }
    if (!::IsWindowEnabled(hwnd)) {
        state |= STATE_SYSTEM_UNAVAILABLE;
    }
    if ((state & STATE_SYSTEM_UNAVAILABLE) == 0 &&
        (::GetWindowLongW(hwnd, GWL_STYLE) & WS_TABSTOP) != 0) {
        state |= STATE_SYSTEM_FOCUSABLE;
    }
    // The focus may lie in a part of the control (a drop-down box's text field); a container's
    // children answer for themselves.
    const HWND focus = ::GetFocus();
    if (focus == hwnd ||
        (focus != nullptr && AsContainer(control) == nullptr && ::IsChild(hwnd, focus))) {
        state |= STATE_SYSTEM_FOCUSED;
    }
    return state;
}

RECT ScreenRectOf(ControlBase& control) {
    RECT r{};
    if (const HWND hwnd = control.OwnWindow()) {
        ::GetWindowRect(hwnd, &r);
        return r;
    }
    r = control.PixelRect();
    ::MapWindowPoints(control.Parent().ContainerWindow(), nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// A child as navigation and hit testing name it: a windowed one by its window's object, a
// windowless one (or one whose window object cannot be had) by its id.
HRESULT AnswerChild(ControlBase& child, long id, VARIANT* out) {
    if (const HWND hwnd = child.OwnWindow()) {
        if (IDispatch* object = WindowObject(hwnd)) {
            out->vt = VT_DISPATCH;
            out->pdispVal = object;
            return S_OK;
        }
    }
    out->vt = VT_I4;
    out->lVal = id;
    return S_OK;
}

HRESULT AnswerNothing(VARIANT* out) {
    out->vt = VT_EMPTY;
    return S_FALSE;
}

// The object of one windowed control; it holds the control until it is cut off.
class AccessibleObject final : public IAccessible {
  public:
    explicit AccessibleObject(ControlBase& control) : control_(&control) {}
    void Cut() { control_ = nullptr; }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) noexcept override {
        if (out == nullptr) {
            return E_POINTER;
        }
        if (IsEqualIID(iid, kIidAccessible) || IsEqualIID(iid, IID_IDispatch) ||
            IsEqualIID(iid, IID_IUnknown)) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() noexcept override {
        return static_cast<ULONG>(::InterlockedIncrement(&references_));
    }
    ULONG STDMETHODCALLTYPE Release() noexcept override {
        const LONG left = ::InterlockedDecrement(&references_);
        if (left == 0) {
            delete this;
        }
        return static_cast<ULONG>(left);
    }

    // IDispatch: screen readers call the interface itself, so no type information is offered.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) noexcept override {
        if (count == nullptr) {
            return E_POINTER;
        }
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) noexcept override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID,
                                            DISPID*) noexcept override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) noexcept override {
        return E_NOTIMPL;
    }

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** out) noexcept override {
        return Guarded([&] {
            Require(out);
            *out = nullptr;
            *out = WindowObject(Self().OwnWindow());
            return *out != nullptr ? S_OK : S_FALSE;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) noexcept override {
        return Guarded([&] {
            Require(count);
            *count = static_cast<LONG>(Children().size());
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT id, IDispatch** out) noexcept override {
        return Guarded([&] {
            Require(out);
            *out = nullptr;
            ControlBase& child = Named(id);
            if (&child == &Self()) {
                return E_INVALIDARG;
            }
            const HWND hwnd = child.OwnWindow();
            *out = hwnd != nullptr ? WindowObject(hwnd) : nullptr;
            return *out != nullptr ? S_OK : S_FALSE; // a simple element: its id is all it is
        });
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT id, BSTR* out) noexcept override {
        return Guarded([&] {
            Require(out);
            return AnswerText(Named(id).Accessible().name, out);
        });
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT id, BSTR* out) noexcept override {
        return Guarded([&] {
            Require(out);
            return AnswerText(Named(id).Accessible().value, out);
        });
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT id, BSTR* out) noexcept override {
        return NoText(id, out);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT id, VARIANT* out) noexcept override {
        return Guarded([&] {
            Require(out);
            ::VariantInit(out);
            const long role = Named(id).Accessible().role;
            out->vt = VT_I4;
            out->lVal = role != 0 ? role : ROLE_SYSTEM_CLIENT;
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT id, VARIANT* out) noexcept override {
        return Guarded([&] {
            Require(out);
            ::VariantInit(out);
            ControlBase& control = Named(id);
            out->vt = VT_I4;
            out->lVal = StateOf(control, control.Accessible());
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT id, BSTR* out) noexcept override {
        return NoText(id, out);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT id,
                                               LONG* topic) noexcept override {
        return Guarded([&] {
            Require(file);
            Require(topic);
            *file = nullptr;
            *topic = -1;
            Named(id);
            return S_FALSE;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT id, BSTR* out) noexcept override {
        return NoText(id, out); // the window binds no keys to its controls
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* out) noexcept override {
        return Guarded([&] {
            Require(out);
            ::VariantInit(out);
            ControlBase& self = Self();
            const HWND own = self.OwnWindow();
            const HWND focus = ::GetFocus();
            if (focus == nullptr || (focus != own && !::IsChild(own, focus))) {
                return AnswerNothing(out);
            }
            if (focus == own || AsContainer(self) == nullptr) {
                out->vt = VT_I4;
                out->lVal = CHILDID_SELF;
                return S_OK;
            }
            const std::vector<ControlBase*> children = Children();
            for (std::size_t i = 0; i < children.size(); ++i) {
                const HWND hwnd = children[i]->OwnWindow();
                if (hwnd != nullptr && (hwnd == focus || ::IsChild(hwnd, focus))) {
                    return AnswerChild(*children[i], static_cast<long>(i + 1), out);
                }
            }
            return AnswerNothing(out);
        });
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* out) noexcept override {
        return Guarded([&] {
            Require(out);
            ::VariantInit(out);
            Self();
            return AnswerNothing(out);
        });
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT id, BSTR* out) noexcept override {
        return Guarded([&] {
            Require(out);
            return AnswerText(Named(id).Accessible().defaultAction, out);
        });
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG, VARIANT id) noexcept override {
        return Guarded([&] {
            Named(id);
            return DISP_E_MEMBERNOTFOUND;
        });
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT id) noexcept override {
        return Guarded([&] {
            Require(left);
            Require(top);
            Require(width);
            Require(height);
            const RECT r = ScreenRectOf(Named(id));
            *left = r.left;
            *top = r.top;
            *width = r.right - r.left;
            *height = r.bottom - r.top;
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start,
                                          VARIANT* out) noexcept override {
        return Guarded([&] {
            Require(out);
            ::VariantInit(out);
            const long from = &Named(start) == &Self() ? 0 : start.lVal;
            const std::vector<ControlBase*> children = Children();
            const long count = static_cast<long>(children.size());
            long to = 0;
            switch (direction) {
            case NAVDIR_FIRSTCHILD:
            case NAVDIR_LASTCHILD:
                if (from != 0) {
                    return E_INVALIDARG; // a simple element has no children
                }
                to = direction == NAVDIR_FIRSTCHILD ? std::min(1L, count) : count;
                break;
            case NAVDIR_NEXT:
            case NAVDIR_PREVIOUS:
                if (from == 0) {
                    // The object's own neighbours are its parent's to tell.
                    return DISP_E_MEMBERNOTFOUND;
                }
                to = direction == NAVDIR_NEXT ? (from < count ? from + 1 : 0) : from - 1;
                break;
            default:
                return DISP_E_MEMBERNOTFOUND; // no navigation by direction on the screen
            }
            if (to == 0) {
                return AnswerNothing(out);
            }
            return AnswerChild(*children[static_cast<std::size_t>(to - 1)], to, out);
        });
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* out) noexcept override {
        return Guarded([&] {
            Require(out);
            ::VariantInit(out);
            const HWND self = Self().OwnWindow();
            const POINT at{x, y};
            RECT outer{};
            ::GetWindowRect(self, &outer);
            if (!::PtInRect(&outer, at)) {
                return AnswerNothing(out);
            }
            const std::vector<ControlBase*> children = Children();
            POINT inner = at;
            ::ScreenToClient(self, &inner);
            // Windowed children lie over the windowless ones, and the last declared on top.
            const HWND under = ::ChildWindowFromPointEx(self, inner, CWP_SKIPINVISIBLE);
            for (std::size_t i = children.size(); i-- > 0;) {
                const HWND hwnd = children[i]->OwnWindow();
                if (hwnd != nullptr && hwnd == under && under != self) {
                    return AnswerChild(*children[i], static_cast<long>(i + 1), out);
                }
            }
            for (std::size_t i = children.size(); i-- > 0;) {
                const RECT bounds = children[i]->PixelRect();
                if (children[i]->OwnWindow() == nullptr && children[i]->Visible() &&
                    ::PtInRect(&bounds, inner)) {
                    out->vt = VT_I4;
                    out->lVal = static_cast<long>(i + 1);
                    return S_OK;
                }
            }
            out->vt = VT_I4;
            out->lVal = CHILDID_SELF;
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT id) noexcept override {
        return Guarded([&] {
            ControlBase& control = Named(id);
            const AccessibleFacts facts = control.Accessible();
            if (facts.defaultAction.empty()) {
                return DISP_E_MEMBERNOTFOUND;
            }
            if ((StateOf(control, facts) & STATE_SYSTEM_UNAVAILABLE) != 0) {
                return E_FAIL; // disabled: nothing happens, as for a click
            }
            const HWND own = control.OwnWindow();
            const HWND target = own != nullptr ? own : Self().OwnWindow();
            return ::PostMessageW(target, AccessibleActionMessage(),
                                  reinterpret_cast<WPARAM>(&control), 0)
                       ? S_OK
                       : E_FAIL;
        });
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) noexcept override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) noexcept override { return E_NOTIMPL; }

  private:
    ~AccessibleObject() = default;

    ControlBase& Self() const {
        if (control_ == nullptr || control_->OwnWindow() == nullptr ||
            !::IsWindow(control_->OwnWindow())) {
            throw Refusal{CO_E_OBJNOTCONNECTED};
        }
        return *control_;
    }
    std::vector<ControlBase*> Children() const {
        const Container* container = AsContainer(Self());
        return container != nullptr ? AccessibleChildrenOf(*container)
                                    : std::vector<ControlBase*>{};
    }
    // The control a child id names: the object's own (CHILDID_SELF) or one of its children.
    ControlBase& Named(const VARIANT& id) const {
        ControlBase& self = Self();
        if (id.vt != VT_I4) {
            throw Refusal{E_INVALIDARG};
        }
        if (id.lVal == CHILDID_SELF) {
            return self;
        }
        const std::vector<ControlBase*> children = Children();
        if (id.lVal < 1 || id.lVal > static_cast<long>(children.size())) {
            throw Refusal{E_INVALIDARG};
        }
        return *children[static_cast<std::size_t>(id.lVal - 1)];
    }
    HRESULT NoText(const VARIANT& id, BSTR* out) const noexcept {
        return Guarded([&] {
            Require(out);
            *out = nullptr;
            Named(id);
            return S_FALSE;
        });
    }

    ControlBase* control_;
    LONG references_ = 1;
};

} // namespace

std::vector<ControlBase*> AccessibleChildrenOf(const Container& container) {
    std::vector<ControlBase*> shown;
    for (ControlBase* child : container.Children()) {
        const bool show =
            child->Windowless() ? child->Accessible().role != 0 : child->OwnWindow() != nullptr;
        if (show) {
            shown.push_back(child);
        }
    }
    return shown;
}

IAccessible* MakeAccessibleObject(ControlBase& control) {
    return new AccessibleObject(control);
}

void CutAccessibleObject(IAccessible* object) {
    if (object != nullptr) {
        static_cast<AccessibleObject*>(object)->Cut();
    }
}

UINT AccessibleActionMessage() {
    static const UINT message = ::RegisterWindowMessageW(L"LumoAccessibleDefaultAction");
    return message;
}

} // namespace lumo
