#pragma once
// What a mouse event tells its handler, in the form runtime's terms: the button (1 left,
// 2 right, 4 middle; for a move, those of the buttons held down, added up), the shift keys
// (1 Shift, 2 Ctrl, 4 Alt) and the position relative to the control, in its drawing unit.

#include "twips.h"

#include <windows.h>

namespace lumo {

struct MouseEvent {
    int button = 0;
    int shift = 0;
    double x = 0;
    double y = 0;
};

enum class MouseAction { None, Down, Up, Move };

// Which of the three a window message is; double clicks count as presses.
MouseAction MouseActionOf(UINT message);

// The event of a mouse message whose position lies at `origin` (pixels of the same window) in
// the control's coordinates.
MouseEvent MouseEventOf(UINT message, WPARAM wParam, LPARAM lParam, POINT origin,
                        ScaleMode unit = ScaleMode::Twips);

// The message's position in its window's client area.
POINT MousePointOf(LPARAM lParam);

// Whether any mouse button is still held after the message (for releasing the capture).
bool AnyButtonHeld(UINT message, WPARAM wParam);

} // namespace lumo
