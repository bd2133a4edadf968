// Where the gizmo puts handles, in worked numbers (world units, seconds).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "overlay/HandleShaping.h"

namespace {

CameraSnapshot At(float t, Vector location) {
    CameraSnapshot w;
    w.timestamp = t;
    w.location = location;
    return w;
}

// Pointing away from the dragged handle, at its own length unless shorter than 0.1.
TEST(OppositeHandle, PointsAwayFromTheDraggedHandle) {
    const Vector cases[][3] = {// dragged, other, expected
                               {{3, 4, 0}, {0, 0, 10}, {-6, -8, 0}},
                               {{3, 4, 0}, {0, 0.1f, 0}, {-3, -4, 0}}, // too short to keep
                               {{0.1f, 0, 0}, {0, 7, 0}, {0, 7, 0}},
                               {{0.11f, 0, 0}, {0, 7, 0}, {-7, 0, 0}}};
    for (const auto& c : cases) {
        const Vector got = OppositeHandle(c[0], c[1]);
        EXPECT_NEAR(got.X, c[2].X, 1e-5f) << c[0].X;
        EXPECT_NEAR(got.Y, c[2].Y, 1e-5f) << c[0].X;
        EXPECT_NEAR(got.Z, c[2].Z, 1e-5f) << c[0].X;
    }
}

// The automatic handles are worked through in tests/ui/WholePathActionsTest.cpp, which sets them
// on every waypoint.

TEST(SeedCustomHandles, FollowTheNeighboursTimesAndKeepWhatHasNoNeighbour) {
    // 1 s before, 3 s after, then 2 s to the one after that.
    const std::vector<CameraSnapshot> path = {At(0, {0, 0, 0}), At(1, {100, 0, 0}),
                                              At(4, {400, 0, 0}), At(6, {400, 200, 0})};
    CameraSnapshot middle = path[1];
    SeedCustomHandles(path, 1, middle);
    // (400 - 0) / (1 + 3) * 3 / 3 and -((400, 200) - 0) / (2 + 3) * 3 / 3.
    EXPECT_EQ(middle.v3_bz_ctrl_out, Vector(100, 0, 0));
    EXPECT_EQ(middle.v3_bz_ctrl_in, Vector(-80, -40, 0));

    CameraSnapshot last = path[3];
    last.v3_bz_ctrl_out = {7, 7, 7};
    SeedCustomHandles(path, 3, last);
    EXPECT_EQ(last.v3_bz_ctrl_out, Vector(7, 7, 7)); // no next waypoint
    // Without a next waypoint a span of 1 stands in: -(own - previous) / 2 / 3.
    EXPECT_NEAR(last.v3_bz_ctrl_in.Y, -200.0f / 6.0f, 1e-4f);
}

} // namespace
