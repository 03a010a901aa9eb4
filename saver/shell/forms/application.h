#pragma once
// Program-wide services of the form runtime: the message loop, the program's end, the command
// line, the screen size and the application-wide mouse pointer.

#include <windows.h>

#include <string>

namespace lumo::app {

// Dispatches messages until the last form is unloaded (WM_QUIT).
void RunMessageLoop();

// Stops the process at once: no further event of any form runs.
[[noreturn]] void EndProgram();

// The argument text after the program's name, unsplit, in code page 932 whatever the system's
// code page; a character with no code page 932 form is one '?'.
std::string CommandLine();

// The primary screen in twips (15 to the pixel).
double ScreenWidthTwips();
double ScreenHeightTwips();

enum class MousePointer { Default, Wait };
void SetMousePointer(MousePointer pointer);
MousePointer CurrentMousePointer();

// A hidden window that owns forms without a task bar button.
HWND HiddenOwnerWindow();

} // namespace lumo::app
