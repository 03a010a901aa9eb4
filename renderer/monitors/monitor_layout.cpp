#include "monitor_layout.h"

#include <algorithm>

namespace lumo {

LayoutChange CompareLayouts(const std::vector<MonitorPlace>& covered,
                            const std::vector<MonitorPlace>& now) {
    LayoutChange change;
    auto listed = [](const std::vector<MonitorPlace>& places, const MonitorPlace& place) {
        return std::find(places.begin(), places.end(), place) != places.end();
    };
    for (std::size_t i = 0; i < covered.size(); ++i) {
        if (!listed(now, covered[i])) {
            change.gone.push_back(i);
        }
    }
    for (const MonitorPlace& place : now) {
        if (!listed(covered, place) && !listed(change.added, place)) {
            change.added.push_back(place);
        }
    }
    return change;
}

std::optional<MonitorPlace> FollowPrimaryScreen(const MonitorPlace& window,
                                                std::int32_t screenWidth,
                                                std::int32_t screenHeight) {
    const MonitorPlace screen{0, 0, screenWidth, screenHeight};
    if (screenWidth <= 0 || screenHeight <= 0 || window == screen) {
        return std::nullopt;
    }
    return screen;
}

} // namespace lumo
