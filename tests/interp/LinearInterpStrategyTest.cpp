// Straight blends between neighbouring waypoints; angles turn the shorter way.

#include <gtest/gtest.h>

#include "PathBuilder.h"
#include "interp/LinearInterpStrategy.h"

namespace {

std::shared_ptr<LinearInterpStrategy> Linear(std::shared_ptr<SnapshotMap> path, int degree = 0) {
    return std::make_shared<LinearInterpStrategy>(path, degree);
}

// Frames 100 and 200 at 10 s and 12 s.
std::shared_ptr<SnapshotMap> TwoWaypoints(FloatRotator ra = {}, FloatRotator rb = {}) {
    return MakePath({Waypoint(100, 10.0f, {0, 100, -50}, ra, 90),
                     Waypoint(200, 12.0f, {200, 300, 50}, rb, 60)});
}

TEST(LinearInterp, Name) {
    EXPECT_EQ(Linear(TwoWaypoints())->GetName(), "linear interpolation");
}

TEST(LinearInterp, ValueOnlyFromTheFirstFrameToJustBeforeTheLast) {
    auto path = TwoWaypoints({10, 20, 30}, {10, 20, 30});
    auto linear = Linear(path);
    EXPECT_TRUE(IsZeroPose(linear->Evaluate(10.0f, 99)));
    EXPECT_POSE_EQ(linear->Evaluate(10.0f, 100), PoseValuesOf(path->at(100)));
    EXPECT_POSE_EQ(linear->Evaluate(11.5f, 199), (CameraPose{150, 250, 25, 10, 20, 30, 67.5f}));
    EXPECT_TRUE(IsZeroPose(linear->Evaluate(12.0f, 200))) << "the last waypoint is never returned";
}

TEST(LinearInterp, TimeOutsideTheSegmentExtrapolates) {
    auto linear = Linear(TwoWaypoints());
    const CameraPose early = linear->Evaluate(9.0f, 150);
    EXPECT_EQ(early.x, -100.0f);
    EXPECT_EQ(early.FOV, 105.0f);
    EXPECT_EQ(linear->Evaluate(14.0f, 150).x, 400.0f);
}

struct TurnCase {
    const char* name;
    float from;
    float to;
    float halfway;
    float end;
};

class LinearTurn : public testing::TestWithParam<TurnCase> {};

TEST_P(LinearTurn, EveryAngleTurnsTheShorterWay) {
    const TurnCase c = GetParam();
    auto linear = Linear(TwoWaypoints({c.from, c.from, c.from}, {c.to, c.to, c.to}));
    const CameraPose half = linear->Evaluate(11.0f, 150);
    const CameraPose end = linear->Evaluate(12.0f, 199);
    for (float v : {half.pitch, half.yaw, half.roll})
        EXPECT_EQ(v, c.halfway);
    for (float v : {end.pitch, end.yaw, end.roll})
        EXPECT_EQ(v, c.end) << "not brought back into +-32768";
}

INSTANTIATE_TEST_SUITE_P(
    Seam, LinearTurn,
    testing::Values(TurnCase{"AcrossPositiveSeam", 32000, -32000, 32768, 33536},
                    TurnCase{"AcrossNegativeSeam", -30000, 30000, -32768, -35536},
                    TurnCase{"Plain", 1000, 3000, 2000, 3000},
                    TurnCase{"ExactHalfTurnKeepsItsSign", 0, 32768, 16384, 32768}),
    [](const testing::TestParamInfo<TurnCase>& info) { return std::string(info.param.name); });

TEST(LinearInterp, EqualTimestampsHoldTheEarlierWaypoint) {
    auto path = MakePath({Waypoint(100, 10.0f, {1, 2, 3}, {4, 5, 6}, 70),
                          Waypoint(200, 10.0f, {9, 9, 9}, {9, 9, 9}, 50)});
    auto linear = Linear(path);
    for (float time : {9.0f, 10.0f, 11.0f})
        EXPECT_POSE_EQ(linear->Evaluate(time, 150), PoseValuesOf(path->at(100)));
}

TEST(LinearInterp, SubdividedPathStillMeetsItsWaypoints) {
    auto path = TwoWaypoints({0, 1000, 0}, {0, 3000, 0});
    path->emplace(300, Waypoint(300, 14.0f, {0, 0, 0}, {0, 0, 0}, 90));
    auto linear = Linear(path, 2);
    EXPECT_POSE_EQ(linear->Evaluate(12.0f, 200), PoseValuesOf(path->at(200)));
    // Frame 125 is a new quarter point: 0.75 A + 0.25 B at 10.5 s.
    const CameraPose quarter = linear->Evaluate(10.5f, 125);
    EXPECT_EQ(quarter.x, 50.0f);
    EXPECT_EQ(quarter.yaw, 1500.0f);
}

} // namespace
