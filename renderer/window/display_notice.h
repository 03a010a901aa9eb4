#pragma once
// The system's notices of the display's state (off, on, dimmed): registered for on the primary's
// window, read from WM_POWERBROADCAST, and handed to a window as the system hands it, for the
// benchmark, which has no system to send it. What the renderer does with a state is
// display_rest.h's.

#include <windows.h>

#include <array>
#include <cstdint>
#include <optional>

namespace lumo {

// The registrations for the display's state, given back when the primary's window goes. Both
// notices are asked for, the display-state notice (Windows 8 on) and the older monitor power
// notice: a system may accept a registration for a notice it never sends, and one that sends
// both says the same in each, which the renderer takes alike.
class DisplayNotice {
  public:
    // The system's calls, or a test's in their place.
    using RegisterCall = HPOWERNOTIFY(WINAPI*)(HANDLE, LPCGUID, DWORD);
    using UnregisterCall = BOOL(WINAPI*)(HPOWERNOTIFY);

    DisplayNotice() = default;
    DisplayNotice(RegisterCall registerCall, UnregisterCall unregisterCall)
        : register_(registerCall), unregister_(unregisterCall) {}
    DisplayNotice(const DisplayNotice&) = delete;
    DisplayNotice& operator=(const DisplayNotice&) = delete;
    ~DisplayNotice() { Reset(); }

    void Register(HWND window);
    void Reset();

  private:
    RegisterCall register_ = RegisterPowerSettingNotification;
    UnregisterCall unregister_ = UnregisterPowerSettingNotification;
    std::array<HPOWERNOTIFY, 2> handles_{};
};

// The display's state a WM_POWERBROADCAST carries; none when it is no display-state notice (of
// either kind) or too short to hold one.
std::optional<std::uint32_t> DisplayStateOf(WPARAM wParam, LPARAM lParam);

// Sends `window` a display-state notice laid out as the system lays it out.
void SendDisplayState(HWND window, std::uint32_t state);

} // namespace lumo
