// Windows over the other monitors when the monitors change.

#include "monitor_layout.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using lumo::MonitorPlace;

const MonitorPlace kLeft{-800, 0, 800, 600};
const MonitorPlace kRight{1024, 0, 1024, 768};
const MonitorPlace kAbove{0, -1080, 1920, 1080};

TEST(MonitorLayout, AddedMonitorsGetAWindowAndGoneOnesLoseTheirs) {
    const auto same = lumo::CompareLayouts({kLeft, kRight}, {kRight, kLeft});
    EXPECT_TRUE(same.gone.empty());
    EXPECT_TRUE(same.added.empty());

    const auto change = lumo::CompareLayouts({kLeft, kRight}, {kAbove, kRight, kAbove});
    EXPECT_EQ(change.gone, (std::vector<std::size_t>{0}));
    EXPECT_EQ(change.added, (std::vector<MonitorPlace>{kAbove}));

    // A monitor given another size is a monitor gone and one added.
    const MonitorPlace bigger{1024, 0, 1920, 1080};
    const auto resized = lumo::CompareLayouts({kLeft, kRight}, {kLeft, bigger});
    EXPECT_EQ(resized.gone, (std::vector<std::size_t>{1}));
    EXPECT_EQ(resized.added, (std::vector<MonitorPlace>{bigger}));

    const auto allGone = lumo::CompareLayouts({kLeft, kRight}, {});
    EXPECT_EQ(allGone.gone, (std::vector<std::size_t>{0, 1}));
}

TEST(MonitorLayout, ThePrimarysWindowFollowsThePrimaryScreensNewSize) {
    const MonitorPlace covering{0, 0, 1024, 768};
    EXPECT_EQ(lumo::FollowPrimaryScreen(covering, 1024, 768), std::nullopt);
    EXPECT_EQ(lumo::FollowPrimaryScreen(covering, 1920, 1080), (MonitorPlace{0, 0, 1920, 1080}));
    EXPECT_EQ(lumo::FollowPrimaryScreen(covering, 800, 600), (MonitorPlace{0, 0, 800, 600}));
    // A screen that cannot be read leaves the window where it is.
    EXPECT_EQ(lumo::FollowPrimaryScreen(covering, 0, 0), std::nullopt);
}

} // namespace
