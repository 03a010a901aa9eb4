#include "monitor_list.h"

#include <windows.h>

namespace lumo {
namespace {

BOOL CALLBACK ListOtherMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoA(monitor, &info) != FALSE && (info.dwFlags & MONITORINFOF_PRIMARY) == 0) {
        const RECT& r = info.rcMonitor;
        reinterpret_cast<std::vector<MonitorPlace>*>(data)->push_back(
            MonitorPlace{r.left, r.top, r.right - r.left, r.bottom - r.top});
    }
    return TRUE;
}

} // namespace

std::vector<MonitorPlace> OtherMonitors() {
    std::vector<MonitorPlace> places;
    EnumDisplayMonitors(nullptr, nullptr, ListOtherMonitor, reinterpret_cast<LPARAM>(&places));
    return places;
}

} // namespace lumo
