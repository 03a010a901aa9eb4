#include "refresh_rate.h"

namespace lumo {

std::uint32_t ReportedRefreshHz(HWND window) {
    MONITORINFOEXW monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor) == FALSE) {
        return 0;
    }
    DEVMODEW mode{};
    mode.dmSize = sizeof mode;
    if (EnumDisplaySettingsW(monitor.szDevice, ENUM_CURRENT_SETTINGS, &mode) == FALSE) {
        return 0;
    }
    return mode.dmDisplayFrequency;
}

} // namespace lumo
