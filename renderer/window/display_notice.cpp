#include "display_notice.h"

#include <cstddef>
#include <cstring>

namespace lumo {
namespace {

// The display-state notice (Windows 8 on) and, before it, the monitor power notice.
constexpr GUID kConsoleDisplayState = {
    0x6fe69556, 0x704a, 0x47a0, {0x8f, 0x24, 0xc2, 0x8d, 0x93, 0x6f, 0xda, 0x47}};
constexpr GUID kMonitorPowerOn = {
    0x02731015, 0x4510, 0x4526, {0x99, 0xe6, 0xe5, 0xa1, 0x7e, 0xbd, 0x1a, 0xea}};

} // namespace

void DisplayNotice::Register(HWND window) {
    Reset();
    handles_[0] = register_(window, &kConsoleDisplayState, DEVICE_NOTIFY_WINDOW_HANDLE);
    handles_[1] = register_(window, &kMonitorPowerOn, DEVICE_NOTIFY_WINDOW_HANDLE);
}

void DisplayNotice::Reset() {
    for (HPOWERNOTIFY& handle : handles_) {
        if (handle != nullptr) {
            unregister_(handle);
            handle = nullptr;
        }
    }
}

std::optional<std::uint32_t> DisplayStateOf(WPARAM wParam, LPARAM lParam) {
    if (wParam != PBT_POWERSETTINGCHANGE || lParam == 0) {
        return std::nullopt;
    }
    const auto& setting = *reinterpret_cast<const POWERBROADCAST_SETTING*>(lParam);
    const bool displayState = IsEqualGUID(setting.PowerSetting, kConsoleDisplayState) ||
                              IsEqualGUID(setting.PowerSetting, kMonitorPowerOn);
    if (!displayState || setting.DataLength < sizeof(DWORD)) {
        return std::nullopt;
    }
    DWORD state = 0;
    std::memcpy(&state,
                reinterpret_cast<const unsigned char*>(lParam) +
                    offsetof(POWERBROADCAST_SETTING, Data),
                sizeof state);
    return state;
}

void SendDisplayState(HWND window, std::uint32_t state) {
    // The state's four bytes follow the header.
    alignas(POWERBROADCAST_SETTING) unsigned char
        notice[sizeof(POWERBROADCAST_SETTING) + sizeof(DWORD)] = {};
    auto* setting = reinterpret_cast<POWERBROADCAST_SETTING*>(notice);
    setting->PowerSetting = kConsoleDisplayState;
    setting->DataLength = sizeof(DWORD);
    const DWORD value = state;
    std::memcpy(notice + offsetof(POWERBROADCAST_SETTING, Data), &value, sizeof value);
    SendMessageA(window, WM_POWERBROADCAST, PBT_POWERSETTINGCHANGE,
                 reinterpret_cast<LPARAM>(notice));
}

} // namespace lumo
