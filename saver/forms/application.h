#pragma once
// Program-wide services of the form runtime: the message loop, the program's end, the screen
// size and the application-wide mouse pointer.

#include "mouse_pointer.h"

#include <windows.h>

#include <functional>
#include <optional>

namespace lumo::app {

// Dispatches messages until the last form is unloaded (WM_QUIT).
void RunMessageLoop();

// Dispatches messages while `running` holds (a modal form's loop). When the program's end comes
// first (WM_QUIT), returns its exit code, for the outer loop to be told again.
std::optional<int> PumpMessagesWhile(const std::function<bool()>& running);

// Keys the forms take before a message is dispatched (Tab between their controls): the filter
// says true when it has handled the message. The forms set it; there is one.
void SetKeyFilter(bool (*filter)(const MSG& msg));

// Stops the process at once: no further event of any form runs.
[[noreturn]] void EndProgram();

// The primary screen in twips (15 to the pixel).
double ScreenWidthTwips();
double ScreenHeightTwips();

// A hidden window that owns forms without a task bar button.
HWND HiddenOwnerWindow();

} // namespace lumo::app
