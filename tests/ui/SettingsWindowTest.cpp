// The window frame: the automatic interpolation modes, the close button and the header.

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/ui/WindowFixture.h"

namespace Quorvel::Testing {
namespace {

class SettingsWindowTest : public WindowTest {
protected:
    void SetModes(const char* location, const char* rotation) {
        host.Run(std::string("dolly_interpmode_location ") + location);
        host.Run(std::string("dolly_interpmode_rotation ") + rotation);
    }
    void ExpectModes(const char* location, const char* rotation) {
        EXPECT_EQ(host.Variable("dolly_interpmode_location"), location);
        EXPECT_EQ(host.Variable("dolly_interpmode_rotation"), rotation);
    }
};

TEST_F(SettingsWindowTest, EveryNewWaypointCountFromTwoPicksHermiteAndSplineUntilChangedByHand) {
    SetModes("2", "2");
    Put(10, {0, 0, 0});
    host.Tick();
    ExpectModes("2", "2"); // one waypoint: nothing to choose yet

    Put(40, {100, 0, 0});
    host.Tick();
    ExpectModes("7", "5");

    SetModes("4", "1");
    host.Tick(3);
    ExpectModes("4", "1"); // a choice by hand stands while the count stays

    Put(70, {200, 0, 0});
    host.Tick();
    ExpectModes("7", "5");

    SetModes("0", "0");
    Cam().DeleteSnapshot(3);
    Cam().DeleteSnapshot(2);
    Cam().UpdateLocationStrategy();
    Cam().UpdateRotationStrategy();
    host.Tick();
    ExpectModes("0", "0"); // down to one waypoint: left as they are
}

TEST_F(SettingsWindowTest, ModesAreChosenOnlyWhileTheWindowIsDrawn) {
    host.Run("togglemenu dollycam");
    SetModes("2", "2");
    Put(10, {0, 0, 0});
    Put(40, {100, 0, 0});
    host.Tick(2);
    ExpectModes("2", "2");

    host.Run("togglemenu dollycam");
    host.Tick();
    ExpectModes("7", "5");
}

TEST_F(SettingsWindowTest, TheCloseButtonClosesTheHostMenuWithOneToggle) {
    ASSERT_TRUE(host.GetSession().WindowOpen());
    ASSERT_TRUE(host.Click("Quorvel#CLOSE"));
    EXPECT_FALSE(host.GetSession().WindowOpen());
    EXPECT_FALSE(Plugin().isWindowOpen);
    host.Tick(3);
    EXPECT_FALSE(host.GetSession().WindowOpen()); // not toggled back open
    EXPECT_FALSE(host.Widget("Snapshots").has_value());

    host.Run("togglemenu dollycam");
    host.Tick(2);
    EXPECT_TRUE(Plugin().isWindowOpen);
    EXPECT_TRUE(host.Widget("Snapshots").has_value());
}

TEST_F(SettingsWindowTest, TheWindowAsksTheGameToLetGoOfTheMouseOnlyOverIt) {
    host.MouseMove(1200, 700); // far from the window
    host.Tick(2);
    EXPECT_FALSE(Plugin().WantsInputBlocked());
    const auto header = host.Widget("Snapshots");
    ASSERT_TRUE(header.has_value());
    host.MouseMove(header->minX + 5, header->minY + 5);
    host.Tick(2);
    EXPECT_TRUE(Plugin().WantsInputBlocked());
}

TEST_F(SettingsWindowTest, EveryRegionOfTheSnapshotsSectionIsOnScreenAtTheFirstUseSize) {
    Put(10, {0, 0, 0});
    Put(40, {100, 0, 0});
    Plugin().selectedFrame = 10;
    host.Tick(2);
    for (const char* label : {"1: 10##r1", "##fovselh", "##fovallh", "+15##fadj5", "-15##aadj0"})
        EXPECT_TRUE(host.Widget(label).has_value()) << label;
}

} // namespace
} // namespace Quorvel::Testing
