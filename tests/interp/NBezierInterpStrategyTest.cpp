// The whole path as one Bezier curve, read by time from the first waypoint to the last.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "PathBuilder.h"
#include "interp/NBezierInterpStrategy.h"

namespace {

std::shared_ptr<NBezierInterpStrategy> Bezier(std::shared_ptr<SnapshotMap> path, int degree = 0) {
    return std::make_shared<NBezierInterpStrategy>(path, degree);
}

// n waypoints one second apart, all at the origin except waypoint `lit`, whose x is 1: the
// curve's x is then exactly the lit waypoint's Bernstein weight.
std::shared_ptr<SnapshotMap> OneLitWaypoint(int n, int lit) {
    auto path = std::make_shared<SnapshotMap>();
    for (int i = 0; i < n; ++i)
        (*path)[i] = Waypoint(i, static_cast<float>(i), {i == lit ? 1.0f : 0.0f, 0, 0});
    return path;
}

// n waypoints spread over a box [0, 1000]^3, one second apart.
std::shared_ptr<SnapshotMap> Scattered(int n) {
    auto path = std::make_shared<SnapshotMap>();
    for (int i = 0; i < n; ++i) {
        const float x = static_cast<float>((i * 37) % 101) * 10.0f;
        const float y = static_cast<float>((i * 53) % 97) * 10.0f;
        (*path)[i * 3] = Waypoint(i * 3, static_cast<float>(i), {x, y, 500.0f},
                                  {0, 32000.0f * static_cast<float>(i % 2), 0}, 90);
    }
    return path;
}

TEST(NBezierInterp, Name) {
    EXPECT_EQ(Bezier(OneLitWaypoint(2, 0))->GetName(), "nth bezier interpolation");
}

TEST(NBezierInterp, EmptyPathGivesTheZeroPose) {
    EXPECT_TRUE(IsZeroPose(Bezier(std::make_shared<SnapshotMap>())->Evaluate(1.0f, 1)));
}

TEST(NBezierInterp, ThreeWaypointsArePulledTowardsTheMiddleOne) {
    auto path = MakePath({Waypoint(0, 0.0f, {0, 0, 0}), Waypoint(30, 1.0f, {100, 0, 0}),
                          Waypoint(60, 2.0f, {200, 100, 0})});
    const CameraPose middle = Bezier(path)->Evaluate(1.0f, 30);
    EXPECT_EQ(middle.x, 100.0f);
    EXPECT_EQ(middle.y, 25.0f) << "the curve does not pass through the middle waypoint";
    EXPECT_EQ(middle.z, 0.0f);
}

TEST(NBezierInterp, FrameIsIgnoredAndTimesOutsideExtrapolate) {
    auto path = MakePath({Waypoint(0, 0.0f, {0, 0, 0}), Waypoint(30, 1.0f, {100, 0, 0})});
    auto bezier = Bezier(path);
    EXPECT_POSE_EQ(bezier->Evaluate(0.5f, -1000), bezier->Evaluate(0.5f, 15));
    const CameraPose before = bezier->Evaluate(-1.0f, -1000);
    EXPECT_EQ(before.x, -100.0f) << "never the zero pose before the path";
    EXPECT_EQ(before.FOV, 90.0f);
}

TEST(NBezierInterp, WeightScalesOnlyTheFov) {
    auto path = MakePath({Waypoint(0, 0.0f, {0, 0, 0}), Waypoint(30, 1.0f, {100, 0, 0}),
                          Waypoint(60, 2.0f, {200, 100, 0})});
    for (auto& entry : *path)
        entry.second.weight = 2.0f;
    const CameraPose middle = Bezier(path)->Evaluate(1.0f, 30);
    EXPECT_EQ(middle.FOV, 180.0f);
    EXPECT_EQ(middle.x, 100.0f);
}

TEST(NBezierInterp, RotationIsUnwrappedInWholeUnits) {
    auto path = MakePath({Waypoint(0, 0.0f, {0, 0, 0}, {100.7f, 32000, 0}),
                          Waypoint(30, 1.0f, {0, 0, 0}, {-100.7f, -32000, 0})});
    auto bezier = Bezier(path);
    const CameraPose start = bezier->Evaluate(0.0f, 0);
    EXPECT_EQ(start.pitch, 100.0f) << "truncated toward zero";
    EXPECT_EQ(start.yaw, 32000.0f);
    EXPECT_EQ(bezier->Evaluate(1.0f, 0).yaw, 33536.0f) << "-32000 continues past the seam";
    EXPECT_EQ(bezier->Evaluate(0.5f, 0).yaw, 32768.0f);
    // Pitch: trunc(100 * 0.5) + trunc(-100 * 0.5), the second waypoint's pitch being
    // 100 + trunc(wrap(-100.7 - 100)) = -100.
    EXPECT_EQ(bezier->Evaluate(0.5f, 0).pitch, 0.0f);
}

TEST(NBezierInterp, SingleWaypointIsItselfAtAnyTime) {
    CameraSnapshot only = Waypoint(7, 3.0f, {1, 2, 3}, {10.9f, -20.9f, 30.2f}, 60);
    only.weight = 1.5f;
    auto bezier = Bezier(MakePath({only}));
    for (float time : {-100.0f, 3.0f, 50.0f})
        EXPECT_POSE_EQ(bezier->Evaluate(time, 0), (CameraPose{1, 2, 3, 10, -20, 30, 90}));
}

TEST(NBezierInterp, AllTimestampsEqualGiveTheFirstWaypointNotNaN) {
    auto path = MakePath(
        {Waypoint(0, 4.0f, {5, 6, 7}, {1, 2, 3}, 80), Waypoint(10, 4.0f, {50, 60, 70}, {}, 40)});
    EXPECT_POSE_EQ(Bezier(path)->Evaluate(4.0f, 0), (CameraPose{5, 6, 7, 1, 2, 3, 80}));
}

// Up to 21 waypoints the coefficient is the factorial quotient; beyond, computed another way,
// it must still be the binomial coefficient: C(20, 10) / 2^20 and C(21, 10) / 2^21 at t = 0.5.
TEST(NBezierInterp, CoefficientIsTheBinomialOnBothSidesOfTwentyOneWaypoints) {
    EXPECT_EQ(Bezier(OneLitWaypoint(21, 10))->Evaluate(10.0f, 0).x, 184756.0f / 1048576.0f);
    EXPECT_NEAR(Bezier(OneLitWaypoint(22, 10))->Evaluate(10.5f, 0).x, 352716.0 / 2097152.0, 1e-6);
    EXPECT_NEAR(Bezier(OneLitWaypoint(22, 0))->Evaluate(0.0f, 0).x, 1.0f, 1e-6);
}

class NBezierLongPath : public testing::TestWithParam<int> {};

// Beyond 21 waypoints the factorials overflow; the curve must stay a proper Bezier curve: it
// starts and ends at the end waypoints, stays inside their bounding box and its weights sum
// to one.
TEST_P(NBezierLongPath, StaysFiniteInsideTheControlPolygonsBox) {
    const int n = GetParam();
    auto path = Scattered(n);
    auto bezier = Bezier(path);
    const float last = static_cast<float>(n - 1);
    EXPECT_EQ(bezier->Evaluate(0.0f, 0).x, path->begin()->second.location.X);
    EXPECT_EQ(bezier->Evaluate(last, 0).y, path->rbegin()->second.location.Y);
    for (float u : {0.001f, 0.1f, 0.37f, 0.5f, 0.9f, 0.999f}) {
        const CameraPose p = bezier->Evaluate(u * last, 0);
        SCOPED_TRACE(testing::Message() << "t = " << u);
        ASSERT_TRUE(IsFinitePose(p));
        EXPECT_GE(p.x, -0.01f);
        EXPECT_LE(p.x, 1000.01f);
        // The weights sum to one, up to the rounding of n float additions.
        const float rounding = 3e-5f * static_cast<float>(n) + 1e-3f;
        EXPECT_NEAR(p.z, 500.0f, rounding);
        EXPECT_NEAR(p.FOV, 90.0f, rounding);
    }
}

TEST_P(NBezierLongPath, ExtrapolationNeverGivesNonFiniteValues) {
    const int n = GetParam();
    auto bezier = Bezier(Scattered(n));
    for (float time : {-5.0f * n, -1.0f, static_cast<float>(n), 10.0f * n})
        EXPECT_TRUE(IsFinitePose(bezier->Evaluate(time, 0))) << time;
}

INSTANTIATE_TEST_SUITE_P(Counts, NBezierLongPath, testing::Values(21, 22, 30, 200, 2000));

} // namespace
