#pragma once
// The renderer program as its entry (and a test in its own process) runs it: opens the windows,
// one over each monitor, sets up their scenes, runs the loop until Esc or the close command, and
// returns the exit code: 0 when the primary's window cannot be made, else the WM_QUIT wParam.

#include <windows.h>

namespace lumo {

int RunRenderer(HINSTANCE instance);

} // namespace lumo
