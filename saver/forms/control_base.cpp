#include "control_base.h"

#include "screen_dpi.h"
#include "twips.h"

#include <utility>

namespace lumo {

ControlBase::ControlBase(Container& parent, const ControlDesign& design)
    : parent_(parent), design_(design) {}

ControlBase::~ControlBase() = default;

RECT ControlBase::PixelRect() const {
    const int dpi = ScreenDpi();
    const int left = TwipsToPixels(design_.left, dpi);
    const int top = TwipsToPixels(design_.top, dpi);
    return RECT{left, top, left + TwipsToPixels(design_.width, dpi),
                top + TwipsToPixels(design_.height, dpi)};
}

void ControlBase::Move(double left, double top, double width, double height) {
    const RECT before = PixelRect();
    design_.left = left;
    design_.top = top;
    design_.width = width;
    design_.height = height;
    ShowPlace(before);
}

void ControlBase::SetVisible(bool visible) {
    design_.visible = visible;
    ShowVisible();
}

void ControlBase::SetEnabled(bool enabled) {
    const bool changed = design_.enabled != enabled;
    design_.enabled = enabled;
    ShowEnabled();
    if (changed) {
        NotifyAccessible(EVENT_OBJECT_STATECHANGE);
    }
}

AccessibleFacts ControlBase::KindAccessible() const {
    AccessibleFacts facts;
    facts.name = accessible_.name.value_or(std::wstring{});
    return facts;
}

AccessibleFacts ControlBase::Accessible() const {
    AccessibleFacts facts = KindAccessible();
    if (accessible_.role != 0) {
        facts.role = accessible_.role;
    }
    facts.state |= accessible_.state;
    if (!accessible_.actionName.empty()) {
        facts.defaultAction = accessible_.actionName;
    }
    return facts;
}

void ControlBase::SetAccessibleName(std::wstring name) {
    accessible_.name = std::move(name);
}

void ControlBase::SetAccessibleRole(long role) {
    accessible_.role = role;
}

void ControlBase::SetAccessibleState(long state) {
    accessible_.state = state;
}

void ControlBase::SetAccessibleAction(std::wstring name, std::function<void()> action) {
    accessible_.actionName = std::move(name);
    accessible_.action = std::move(action);
}

bool ControlBase::DoDefaultAction() {
    if (accessible_.actionName.empty() || !Enabled()) {
        return false;
    }
    if (accessible_.action) {
        accessible_.action();
    } else {
        Click();
    }
    return true;
}

void ControlBase::MouseDown(const MouseEvent& event) {
    if (OnMouseDown) {
        OnMouseDown(event);
    }
}

void ControlBase::MouseUp(const MouseEvent& event) {
    if (OnMouseUp) {
        OnMouseUp(event);
    }
}

void ControlBase::MouseMove(const MouseEvent& event) {
    if (OnMouseMove) {
        OnMouseMove(event);
    }
}

void ControlBase::Click() {
    if (OnClick) {
        OnClick();
    }
}

} // namespace lumo
