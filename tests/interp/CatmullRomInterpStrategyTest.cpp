// The uniform Catmull-Rom cubic over four neighbouring waypoints.

#include <gtest/gtest.h>

#include "PathBuilder.h"
#include "interp/CatmullRomInterpStrategy.h"
#include "interp/LinearInterpStrategy.h"

namespace {

// x values at frames 0, 10, 20, ... and times 0, 1, 2, ...
std::shared_ptr<SnapshotMap> Path(std::initializer_list<float> xs) {
    auto path = std::make_shared<SnapshotMap>();
    int i = 0;
    for (float x : xs) {
        (*path)[10 * i] = Waypoint(10 * i, static_cast<float>(i), {x, 2 * x, 0},
                                   {0, 1000 * static_cast<float>(i), 0}, 90 - x / 10);
        ++i;
    }
    return path;
}

std::shared_ptr<CatmullRomInterpStrategy> CatmullRom(std::shared_ptr<SnapshotMap> path,
                                                     int degree = 0) {
    return std::make_shared<CatmullRomInterpStrategy>(path, degree);
}

TEST(CatmullRomInterp, Name) {
    EXPECT_EQ(CatmullRom(Path({0, 1, 2, 3}))->GetName(), "Catmull-Rom interpolation");
}

TEST(CatmullRomInterp, ThreeWaypointsAlwaysGiveTheZeroPose) {
    auto catmull = CatmullRom(Path({0, 10, 20}));
    for (int frame : {-5, 0, 5, 10, 15, 20, 25})
        EXPECT_TRUE(IsZeroPose(catmull->Evaluate(frame / 10.0f, frame))) << frame;
}

TEST(CatmullRomInterp, MiddleSegmentWorkedValue) {
    // Segment 10 -> 20 with neighbours 0 and 40: 0.5 (20 + 10 - 2.5 + 1.25) at t = 0.5.
    auto catmull = CatmullRom(Path({0, 10, 20, 40, 50}));
    const CameraPose p = catmull->Evaluate(1.5f, 15);
    EXPECT_EQ(p.x, 14.375f);
    EXPECT_EQ(p.y, 28.75f);
}

TEST(CatmullRomInterp, FirstSegmentStartsAtTheFirstWaypointAndReachesTheSecond) {
    auto path = Path({0, 10, 20, 40});
    auto catmull = CatmullRom(path);
    EXPECT_POSE_EQ(catmull->Evaluate(0.0f, 0), PoseValuesOf(path->at(0)));
    EXPECT_POSE_NEAR(catmull->Evaluate(1.0f, 9), PoseValuesOf(path->at(10)), 1e-3f);
    // With the first waypoint repeated (P0 = P1 = 0, P2 = 10, P3 = 20), at t = 0.5:
    // 0.5 (10 * 0.5 + 20 * 0.25 - 10 * 0.125) = 4.375.
    EXPECT_EQ(catmull->Evaluate(0.5f, 5).x, 4.375f);
}

TEST(CatmullRomInterp, LastSegmentIsLinearAndTheLastFrameHasNoValue) {
    auto path = Path({0, 10, 20, 40, 80});
    auto catmull = CatmullRom(path);
    auto linear = std::make_shared<LinearInterpStrategy>(path, 0);
    for (float time : {3.0f, 3.25f, 3.9f})
        EXPECT_POSE_EQ(catmull->Evaluate(time, 35), linear->Evaluate(time, 35));
    EXPECT_TRUE(IsZeroPose(catmull->Evaluate(4.0f, 40)));
    EXPECT_TRUE(IsZeroPose(catmull->Evaluate(-1.0f, -1)));
}

TEST(CatmullRomInterp, EqualTimestampsHoldTheSegmentStart) {
    auto path = Path({0, 10, 20, 40, 50});
    path->at(20).timestamp = path->at(10).timestamp;
    auto catmull = CatmullRom(path);
    for (float time : {0.5f, 1.0f, 1.5f})
        EXPECT_POSE_EQ(catmull->Evaluate(time, 15), PoseValuesOf(path->at(10)));
}

TEST(CatmullRomInterp, SubdividedPathKeepsItsWaypoints) {
    auto path = Path({0, 10, 20, 40, 50});
    auto catmull = CatmullRom(path, 2);
    for (int frame : {0, 10, 20, 30})
        EXPECT_POSE_EQ(catmull->Evaluate(frame / 10.0f, frame), PoseValuesOf(path->at(frame)));
}

} // namespace
