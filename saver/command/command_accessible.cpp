// What the Command button tells a screen reader: a push button named by its caption (or by the
// name its form gave it, where the caption says nothing), unavailable while its own Enabled is
// off (its window stays enabled), and pressed by its default action as by a click.

#include "command.h"

#include "wide_text.h"

#include <oleacc.h>

namespace lumo {

namespace {

constexpr char kPressAction[] = "\x89\x9F\x82\xB7"; // 押す

} // namespace

AccessibleFacts Command::KindAccessible() const {
    AccessibleFacts facts;
    facts.role = ROLE_SYSTEM_PUSHBUTTON;
    facts.name = GivenAccessibleName().value_or(Caption());
    facts.state = state_.IsEnabled() ? 0 : STATE_SYSTEM_UNAVAILABLE;
    facts.defaultAction = FromCp932(kPressAction);
    return facts;
}

bool Command::DoDefaultAction() {
    // The same Click a click raises, and like a click nothing while the button is disabled.
    if (!state_.IsEnabled()) {
        return false;
    }
    RaiseClick();
    return true;
}

} // namespace lumo
