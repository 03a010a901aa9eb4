#pragma once
// Which windows a change of the monitors asks for: every monitor besides the primary has a window
// of its own, so a monitor attached during the session gets one and a monitor taken away (or
// moved, or given another size) loses its own. A monitor is known by its place on the desktop.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace lumo {

struct MonitorPlace {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    friend bool operator==(const MonitorPlace&, const MonitorPlace&) = default;
};

struct LayoutChange {
    std::vector<std::size_t> gone;   // indexes into the covered places, ascending
    std::vector<MonitorPlace> added; // monitors no window covers yet, in the system's order
};

// `covered`: where the windows over the other monitors are; `now`: the other monitors as the
// system lists them now. A place listed twice is covered once.
LayoutChange CompareLayouts(const std::vector<MonitorPlace>& covered,
                            const std::vector<MonitorPlace>& now);

// Where the primary's window goes after a change of the displays: over the whole primary screen,
// which starts at the desktop's origin, when `window` is elsewhere or of another size (the
// primary's resolution changed, another monitor became the primary); none when it covers the
// screen already, or when the screen's size cannot be read (0).
std::optional<MonitorPlace> FollowPrimaryScreen(const MonitorPlace& window,
                                                std::int32_t screenWidth,
                                                std::int32_t screenHeight);

} // namespace lumo
