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

} // namespace lumo
