// The C2 cubic spline through every waypoint, on the frame axis, with custom handles, FOV
// overshoot limiting and unwrapped rotation.

#include <gtest/gtest.h>

#include "PathBuilder.h"
#include "interp/CubicHermiteInterpStrategy.h"
#include "interp/LinearInterpStrategy.h"

namespace {

std::shared_ptr<CubicHermiteInterpStrategy> Hermite(std::shared_ptr<SnapshotMap> path) {
    return std::make_shared<CubicHermiteInterpStrategy>(path);
}

// Waypoints 10 frames and 1 s apart, so t inside a segment is the time past its start.
std::shared_ptr<SnapshotMap> Path(std::initializer_list<float> xs,
                                  std::initializer_list<float> fovs = {}) {
    auto path = std::make_shared<SnapshotMap>();
    int i = 0;
    for (float x : xs) {
        const float fov = fovs.size() ? *(fovs.begin() + i) : 90.0f;
        (*path)[10 * i] = Waypoint(10 * i, static_cast<float>(i), {x, 0, 0}, {}, fov);
        ++i;
    }
    return path;
}

// The slope of x at a waypoint, in units per frame, from a small step into the next segment.
float SlopeAfter(InterpStrategy& strategy, const SnapshotMap& path, int frame) {
    const CameraSnapshot& w = path.at(frame);
    const float step = 0.001f; // seconds; segments span 1 s and 10 frames
    const float x1 = strategy.Evaluate(w.timestamp + step, frame).x;
    return (x1 - w.location.X) / (step * 10.0f);
}

TEST(CubicHermiteInterp, Name) {
    EXPECT_EQ(Hermite(Path({0, 1}))->GetName(), "Cubic Hermite spline");
}

TEST(CubicHermiteInterp, TwoWaypointsGiveTheClampedChord) {
    auto path = Path({0, 100}, {90, 60});
    auto hermite = Hermite(path);
    EXPECT_NEAR(hermite->Evaluate(0.25f, 5).x, 25.0f, 1e-4f);
    EXPECT_NEAR(hermite->Evaluate(0.5f, 5).FOV, 75.0f, 1e-4f);
    EXPECT_POSE_EQ(hermite->Evaluate(-3.0f, 5), PoseValuesOf(path->at(0))); // t clamps to 0
    EXPECT_NEAR(hermite->Evaluate(7.0f, 5).x, 100.0f, 1e-4f) << "t clamps to 1";
}

TEST(CubicHermiteInterp, HandlesHaveNoEffectWithTwoWaypoints) {
    auto plain = Path({0, 100});
    auto handled = Path({0, 100});
    for (auto& entry : *handled) {
        entry.second.v3_bz_has_custom = true;
        entry.second.v3_bz_ctrl_out = {300, 0, 0};
        entry.second.v3_bz_ctrl_in = {-300, 0, 0};
    }
    for (float time : {0.1f, 0.5f, 0.8f})
        EXPECT_POSE_EQ(Hermite(handled)->Evaluate(time, 5), Hermite(plain)->Evaluate(time, 5));
}

TEST(CubicHermiteInterp, FewerThanTwoWaypointsOrNoSegmentUseTheLinearFallback) {
    EXPECT_TRUE(IsZeroPose(Hermite(Path({5}))->Evaluate(0.0f, 0)));
    auto hermite = Hermite(Path({0, 100, 50}));
    EXPECT_TRUE(IsZeroPose(hermite->Evaluate(0.0f, -1)));
    EXPECT_TRUE(IsZeroPose(hermite->Evaluate(2.0f, 20)));
}

TEST(CubicHermiteInterp, RotationIsUnwrappedAcrossTheSeam) {
    auto path = MakePath({Waypoint(0, 0.0f, {0, 0, 0}, {0, 32000, 0}),
                          Waypoint(10, 1.0f, {0, 0, 0}, {0, -32000, 0})});
    auto hermite = Hermite(path);
    EXPECT_NEAR(hermite->Evaluate(0.5f, 5).yaw, 32768.0f, 0.01f);
    EXPECT_NEAR(hermite->Evaluate(1.0f, 9).yaw, 33536.0f, 0.01f) << "1536 units, not 64000";
}

TEST(CubicHermiteInterp, FlatFovSegmentStaysExactlyFlat) {
    auto hermite = Hermite(Path({0, 10, 20}, {90, 90, 60}));
    for (float time : {0.0f, 0.1f, 0.3f, 0.5f, 0.7f, 0.99f})
        EXPECT_EQ(hermite->Evaluate(time, 5).FOV, 90.0f) << time;
    const float falling = hermite->Evaluate(1.5f, 15).FOV;
    EXPECT_LT(falling, 90.0f);
    EXPECT_GT(falling, 60.0f);
}

TEST(CubicHermiteInterp, CustomHandlesPinAnInteriorSlope) {
    // Straight x 0, 100, 200: the free spline's slope at the middle is 10 units per frame.
    auto plain = Path({0, 100, 200});
    EXPECT_NEAR(SlopeAfter(*Hermite(plain), *plain, 10), 10.0f, 0.05f);

    // Handles 30 out and 30 back over 10 frames on each side: 0.5 (9 + 9) = 9 per frame.
    auto handled = Path({0, 100, 200});
    CameraSnapshot& middle = handled->at(10);
    middle.v3_bz_has_custom = true;
    middle.v3_bz_ctrl_out = {30, 0, 0};
    middle.v3_bz_ctrl_in = {-30, 0, 0};
    auto hermite = Hermite(handled);
    EXPECT_NEAR(SlopeAfter(*hermite, *handled, 10), 9.0f, 0.05f);
    // The same slope arrives from the segment before.
    const float before = hermite->Evaluate(1.0f - 0.001f, 5).x;
    EXPECT_NEAR((100.0f - before) / 0.01f, 9.0f, 0.05f);
}

TEST(CubicHermiteInterp, EndHandlesClampTheEndSlopes) {
    auto path = Path({0, 100, 200});
    CameraSnapshot& first = path->at(0);
    first.v3_bz_has_custom = true;
    first.v3_bz_ctrl_out = {20, 0, 0}; // 3 * 20 / 10 frames = 6 per frame
    EXPECT_NEAR(SlopeAfter(*Hermite(path), *path, 0), 6.0f, 0.05f);
}

TEST(CubicHermiteInterp, SmoothThroughInteriorWaypoints) {
    auto path = Path({0, 100, 50, 80, 0});
    auto hermite = Hermite(path);
    for (int frame : {10, 20, 30}) {
        const CameraSnapshot& w = path->at(frame);
        const float after = hermite->Evaluate(w.timestamp + 0.001f, frame).x;
        const float before = hermite->Evaluate(w.timestamp - 0.001f, frame - 1).x;
        EXPECT_NEAR((after - w.location.X) / 0.01f, (w.location.X - before) / 0.01f, 0.1f)
            << "slope continuous at frame " << frame;
    }
}

TEST(CubicHermiteInterp, NearZeroFrameSpacingStaysFinite) {
    auto path = MakePath({Waypoint(0, 0.0f, {0, 0, 0}), Waypoint(1, 0.0f, {1e6f, 0, 0}),
                          Waypoint(2, 0.0f, {-1e6f, 0, 0}), Waypoint(3, 5.0f, {0, 0, 0})});
    auto hermite = Hermite(path);
    for (int frame : {0, 1, 2})
        for (float time : {-1.0f, 0.0f, 2.0f, 6.0f})
            EXPECT_TRUE(IsFinitePose(hermite->Evaluate(time, frame))) << frame << " " << time;
}

} // namespace
