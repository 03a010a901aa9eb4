#pragma once
// The system's notice of the display's state (off, on, dimmed): registered for on the primary's
// window, read from WM_POWERBROADCAST, and handed to a window as the system hands it, for the
// benchmark, which has no system to send it. What the renderer does with a state is
// display_rest.h's.

#include <windows.h>

#include <cstdint>
#include <optional>

namespace lumo {

// The registration for the display's state, given back when the primary's window goes.
class DisplayNotice {
  public:
    DisplayNotice() = default;
    DisplayNotice(const DisplayNotice&) = delete;
    DisplayNotice& operator=(const DisplayNotice&) = delete;
    ~DisplayNotice() { Reset(); }

    void Register(HWND window);
    void Reset();

  private:
    HPOWERNOTIFY handle_ = nullptr;
};

// The display's state a WM_POWERBROADCAST carries; none when it is no display-state notice or
// too short to hold one.
std::optional<std::uint32_t> DisplayStateOf(WPARAM wParam, LPARAM lParam);

// Sends `window` a display-state notice laid out as the system lays it out.
void SendDisplayState(HWND window, std::uint32_t state);

} // namespace lumo
