#pragma once
// The refresh rate of the monitor a window is on, as the system reports it: its current display
// settings, read by the monitor's own device name. 0 when they cannot be read, as when the system
// does not know it (0 and 1 are the hardware default); frame_pacer.h makes any value usable.

#include <windows.h>

#include <cstdint>

namespace lumo {

std::uint32_t ReportedRefreshHz(HWND window);

} // namespace lumo
