#pragma once
// The monitors as the system lists them now, in physical pixels (the program is per-monitor DPI
// aware).

#include "monitor_layout.h"

#include <vector>

namespace lumo {

// Every monitor but the primary, in the system's order.
std::vector<MonitorPlace> OtherMonitors();

} // namespace lumo
