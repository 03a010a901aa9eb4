#pragma once
// What a control tells a screen reader about itself: the answers its accessible object gives
// (accessible_object.h). Roles and states are the system's ROLE_SYSTEM_* and STATE_SYSTEM_*;
// the object adds what the window itself says (disabled, hidden, focused), so the facts hold
// only what the control knows beyond that.

#include <string>

namespace lumo {

struct AccessibleFacts {
    long role = 0; // 0: the control is not shown to a screen reader
    std::wstring name;
    std::wstring value;
    long state = 0;
    std::wstring defaultAction; // the action's name; empty: the control has none
};

} // namespace lumo
