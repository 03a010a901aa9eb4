#pragma once
// Program-wide services of the form runtime: the message loop, the program's end, the screen
// size and the application-wide mouse pointer.

#include <windows.h>

#include <string>

namespace lumo::app {

// Dispatches messages until the last form is unloaded (WM_QUIT).
void RunMessageLoop();

// Stops the process at once: no further event of any form runs.
[[noreturn]] void EndProgram();

// The primary screen in twips (15 to the pixel).
double ScreenWidthTwips();
double ScreenHeightTwips();

enum class MousePointer { Default, Wait };
void SetMousePointer(MousePointer pointer);
MousePointer CurrentMousePointer();

// A hidden window that owns forms without a task bar button.
HWND HiddenOwnerWindow();

} // namespace lumo::app
