#pragma once
// The application-wide mouse pointer of the form runtime: while it is the wait pointer, every
// form and control shows it instead of its own.

namespace lumo::app {

enum class MousePointer { Default, Wait };
void SetMousePointer(MousePointer pointer);
MousePointer CurrentMousePointer();

} // namespace lumo::app
