// The seeded path generator the oracle tests and the benchmarks share: what it promises about
// spacing, timing, turning and handles, since a generator that quietly made flat or regular
// paths would leave the comparisons and the timings blind.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "tests/support/RandomPath.h"

namespace Quorvel::Testing {
namespace {

TEST(RandomPathTest, WaypointsOneToThreeSecondsApartWithReplayTimestamps) {
    RandomPathShape shape;
    shape.waypoints = 50;
    shape.firstFrame = 123;
    const SnapshotMap path = RandomPath(1, shape);
    ASSERT_EQ(path.size(), 50u);
    EXPECT_EQ(path.begin()->first, 123);
    int previous = -1;
    for (const auto& [frame, w] : path) {
        EXPECT_EQ(w.frame, frame);
        EXPECT_EQ(w.timestamp, static_cast<float>(frame) / 30.0f);
        if (previous >= 0) {
            EXPECT_GE(frame - previous, 30);
            EXPECT_LE(frame - previous, 90);
        }
        previous = frame;
    }
}

TEST(RandomPathTest, ASpanIsMetExactly) {
    RandomPathShape shape;
    shape.waypoints = 100;
    shape.spanFrames = 108000;
    shape.firstFrame = 7;
    const SnapshotMap path = RandomPath(2, shape);
    ASSERT_EQ(path.size(), 100u);
    EXPECT_EQ(path.rbegin()->first - path.begin()->first, 108000);
    // Crowded spans still give every waypoint its own frame.
    shape.spanFrames = 100;
    EXPECT_EQ(RandomPath(2, shape).size(), 100u);
}

TEST(RandomPathTest, TheSameSeedGivesTheSamePathAndAnotherSeedAnother) {
    EXPECT_EQ(RandomPath(42), RandomPath(42));
    EXPECT_NE(RandomPath(42), RandomPath(43));
}

TEST(RandomPathTest, TheCameraTurnsAcrossTheSeamAndSomeWaypointsHaveHandles) {
    RandomPathShape shape;
    shape.waypoints = 60;
    const SnapshotMap path = RandomPath(5, shape);
    int seamCrossings = 0, custom = 0, shaped = 0;
    float previousYaw = path.begin()->second.rotation.yaw;
    for (const auto& [frame, w] : path) {
        EXPECT_GE(w.rotation.yaw, -32768.0f);
        EXPECT_LT(w.rotation.yaw, 32768.0f);
        EXPECT_GT(w.location.Z, 0.0f);
        EXPECT_GT(w.FOV, 60.0f);
        EXPECT_LT(w.FOV, 120.0f);
        if (std::fabs(w.rotation.yaw - previousYaw) > 32768.0f)
            ++seamCrossings;
        previousYaw = w.rotation.yaw;
        custom += w.v3_bz_has_custom ? 1 : 0;
        shaped += w.v3_kb_tension != 0.0f ? 1 : 0;
    }
    EXPECT_GE(seamCrossings, 2);
    EXPECT_GE(custom, 3);
    EXPECT_LE(custom, 30);
    EXPECT_GE(shaped, 3);
}

TEST(RandomPathTest, NoHandlesWhenAskedForNone) {
    RandomPathShape shape;
    shape.customHandleEvery = 0;
    const SnapshotMap path = RandomPath(6, shape);
    EXPECT_TRUE(std::none_of(path.begin(), path.end(),
                             [](const auto& entry) { return entry.second.v3_bz_has_custom; }));
}

} // namespace
} // namespace Quorvel::Testing
