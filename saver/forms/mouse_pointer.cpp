#include "mouse_pointer.h"

#include <windows.h>

namespace lumo::app {

namespace {
MousePointer g_pointer = MousePointer::Default;
} // namespace

void SetMousePointer(MousePointer pointer) {
    g_pointer = pointer;
    ::SetCursor(::LoadCursorW(
        nullptr, reinterpret_cast<LPCWSTR>(pointer == MousePointer::Wait ? IDC_WAIT : IDC_ARROW)));
}

MousePointer CurrentMousePointer() {
    return g_pointer;
}

} // namespace lumo::app
