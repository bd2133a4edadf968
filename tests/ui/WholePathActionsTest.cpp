// The snapshots panel's whole-path buttons in worked numbers (world units).

#include <gtest/gtest.h>

#include "ui/WholePathActions.h"

namespace {

SnapshotMap PathThrough(const std::vector<Vector>& locations) {
    SnapshotMap path;
    int frame = 10;
    for (const Vector& location : locations) {
        path[frame].frame = frame;
        path[frame].location = location;
        frame += 10;
    }
    return path;
}

TEST(SetAllHandlesToAuto, EveryWaypointGetsTheAutomaticHandlesAsCustomOnes) {
    SnapshotMap path = PathThrough({{0, 0, 0}, {300, 0, 0}, {300, 600, 0}});
    // Handles set by hand before are replaced too.
    path[20].v3_bz_has_custom = true;
    path[20].v3_bz_ctrl_out = Vector(5, 5, 5);
    SetAllHandlesToAuto(path);
    const Vector expected[][2] = {// out, in
                                  {{100, 0, 0}, {-100, 0, 0}},
                                  {{0, 200, 0}, {-100, 0, 0}},
                                  {{0, 200, 0}, {0, -200, 0}}};
    int i = 0;
    for (const auto& [frame, w] : path) {
        EXPECT_TRUE(w.v3_bz_has_custom) << frame;
        EXPECT_EQ(w.v3_bz_ctrl_out, expected[i][0]) << frame;
        EXPECT_EQ(w.v3_bz_ctrl_in, expected[i][1]) << frame;
        ++i;
    }
}

TEST(SetAllHandlesToAuto, ASingleWaypointKeepsItsOffsets) {
    SnapshotMap path = PathThrough({{1, 2, 3}});
    path[10].v3_bz_ctrl_out = Vector(7, 0, 0);
    SetAllHandlesToAuto(path);
    EXPECT_TRUE(path[10].v3_bz_has_custom);
    EXPECT_EQ(path[10].v3_bz_ctrl_out, Vector(7, 0, 0));
    EXPECT_EQ(path[10].v3_bz_ctrl_in, Vector());
}

TEST(FrameForOrbit, CentresOnTheBoxAndStandsBackFromItsLargestSide) {
    const struct {
        std::vector<Vector> locations;
        Vector target;
        float distance;
    } cases[] = {
        {{{-100, 0, 50}, {300, 600, 50}}, {100, 300, 50}, 800}, // 0.8 x 600 is too close
        {{{0, 0, 0}, {2000, -500, 100}, {1000, 0, -300}}, {1000, -250, -100}, 1600},
        {{{5, 6, 7}}, {5, 6, 7}, 800},
    };
    for (const auto& c : cases) {
        const OrbitFraming framing = FrameForOrbit(PathThrough(c.locations));
        EXPECT_EQ(framing.target, c.target);
        EXPECT_FLOAT_EQ(framing.distance, c.distance);
    }
}

} // namespace
