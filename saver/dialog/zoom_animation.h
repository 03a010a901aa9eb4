#pragma once
// The system's caption animation (IDANI_CAPTION) along the zoom paths; results are dropped.

#include "zoom.h"

#include <windows.h>

namespace lumo {

void ZoomOpen(HWND window);
void ZoomClose(HWND window);

} // namespace lumo
