#pragma once
// Program-wide services of the form runtime: the message loop, the program's end, the command
// line and folder, the screen size, starting another program, the message box and the
// application-wide mouse pointer.

#include <windows.h>

#include <string>

namespace lumo::app {

// Dispatches messages until the last form is unloaded (WM_QUIT).
void RunMessageLoop();

// Stops the process at once: no further event of any form runs.
[[noreturn]] void EndProgram();

// The argument text after the program's name, unsplit.
std::string CommandLine();

// The folder of the running program (code page 932), a drive root with its backslash.
std::string ProgramFolder();

// The primary screen in twips (15 to the pixel).
double ScreenWidthTwips();
double ScreenHeightTwips();

// Starts a program by path with a normal window that takes the focus, without arguments, and
// returns at once. False when it could not be started.
bool StartProgram(const std::string& path);

// A modal message box with an OK button; returns when it has been closed.
void MessageBoxOk(const char* text, const char* caption);

enum class MousePointer { Default, Wait };
void SetMousePointer(MousePointer pointer);
MousePointer CurrentMousePointer();

// A hidden window that owns forms without a task bar button.
HWND HiddenOwnerWindow();

} // namespace lumo::app
