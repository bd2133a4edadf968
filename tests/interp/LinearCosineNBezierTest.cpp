// The strategies without tangents: straight blends turning the shorter way, half-cosine easing
// of the stored values, and the whole path as one Bezier curve read by time.

#include <gtest/gtest.h>

#include "PathBuilder.h"
#include "interp/CosineInterpStrategy.h"
#include "interp/NBezierInterpStrategy.h"

namespace {

// Frames 100 and 200 at 10 s and 12 s; x runs 0 -> 200, FOV 90 -> 60.
std::shared_ptr<SnapshotMap> TwoWaypoints(FloatRotator ra = {}, FloatRotator rb = {}) {
    return MakePath({Waypoint(100, 10.0f, {0, 100, -50}, ra, 90),
                     Waypoint(200, 12.0f, {200, 300, 50}, rb, 60)});
}

// Pitch and roll cross the seam upwards, yaw downwards; none is brought back into +-32768.
TEST(LinearInterp, BlendsAndExtrapolatesTurningEveryAngleTheShorterWay) {
    auto linear = Linear(TwoWaypoints({32000, -30000, 32000}, {-32000, 30000, -32000}));
    EXPECT_EQ(Values(linear->Evaluate(11.0f, 150)),
              (PoseValues{100, 200, 0, 32768, -32768, 32768, 75}));
    EXPECT_EQ(Values(linear->Evaluate(11.5f, 199)),
              (PoseValues{150, 250, 25, 33152, -34152, 33152, 67.5f}));
    EXPECT_EQ(Values(linear->Evaluate(12.0f, 199)),
              (PoseValues{200, 300, 50, 33536, -35536, 33536, 60}));
    const CameraPose early = linear->Evaluate(9.0f, 150);
    EXPECT_EQ(early.x, -100.0f);
    EXPECT_EQ(early.FOV, 105.0f);
    EXPECT_EQ(linear->Evaluate(14.0f, 150).x, 400.0f);
}

// Outside the segment's times the cosine swings back instead of going on.
TEST(CosineInterp, BlendFollowsTheHalfCosine) {
    auto cosine =
        std::make_shared<CosineInterpStrategy>(TwoWaypoints({0, 32000, 0}, {0, -32000, 0}));
    const float cases[][2] = {{10.5f, 29.289322f}, {9.5f, 29.289322f}, {12.5f, 170.710678f}};
    for (const auto& c : cases)
        EXPECT_NEAR(cosine->Evaluate(c[0], 150).x, c[1], 1e-4f) << c[0];
    const CameraPose half = cosine->Evaluate(11.0f, 150);
    EXPECT_EQ(half.x, 100.0f);
    EXPECT_EQ(half.FOV, 75.0f);
    EXPECT_EQ(half.yaw, 0.0f) << "stored rotation blends the long way, through 0";
}

std::shared_ptr<NBezierInterpStrategy> Bezier(std::shared_ptr<SnapshotMap> path) {
    return std::make_shared<NBezierInterpStrategy>(path, 0);
}

// At t = 0.5 the middle waypoint weighs 0.5, the ends 0.25 each. FOV terms are scaled by each
// waypoint's weight, and the sum is not normalised.
TEST(NBezierInterp, ThreeWaypointsArePulledTowardsTheMiddleOneAndWeightsScaleTheFov) {
    auto path = MakePath({Waypoint(0, 0.0f, {0, 0, 0}), Waypoint(30, 1.0f, {100, 0, 0}),
                          Waypoint(60, 2.0f, {200, 100, 0})});
    EXPECT_EQ(Values(Bezier(path)->Evaluate(1.0f, 30)), (PoseValues{100, 25, 0, 0, 0, 0, 90}));
    for (auto& entry : *path)
        entry.second.weight = 2.0f;
    EXPECT_EQ(Values(Bezier(path)->Evaluate(1.0f, 30)), (PoseValues{100, 25, 0, 0, 0, 0, 180}));
}

TEST(NBezierInterp, FrameIsIgnoredAndTimesOutsideExtrapolate) {
    auto bezier = Bezier(MakePath({Waypoint(0, 0.0f, {0, 0, 0}), Waypoint(30, 1.0f, {100, 0, 0})}));
    EXPECT_EQ(Values(bezier->Evaluate(0.5f, -1000)), Values(bezier->Evaluate(0.5f, 15)));
    const CameraPose before = bezier->Evaluate(-1.0f, -1000);
    EXPECT_EQ(before.x, -100.0f) << "never the zero pose before the path";
    EXPECT_EQ(before.FOV, 90.0f);
}

TEST(NBezierInterp, RotationIsUnwrappedInWholeUnits) {
    auto bezier = Bezier(MakePath({Waypoint(0, 0.0f, {0, 0, 0}, {100.7f, 32000, 0}),
                                   Waypoint(30, 1.0f, {0, 0, 0}, {-100.7f, -32000, 0})}));
    const CameraPose start = bezier->Evaluate(0.0f, 0);
    EXPECT_EQ(start.pitch, 100.0f) << "truncated toward zero";
    EXPECT_EQ(start.yaw, 32000.0f);
    EXPECT_EQ(bezier->Evaluate(1.0f, 0).yaw, 33536.0f) << "-32000 continues past the seam";
    EXPECT_EQ(bezier->Evaluate(0.5f, 0).yaw, 32768.0f);
    // Pitch: trunc(100 * 0.5) + trunc(-100 * 0.5), the second waypoint's pitch being
    // 100 + trunc(wrap(-100.7 - 100)) = -100.
    EXPECT_EQ(bezier->Evaluate(0.5f, 0).pitch, 0.0f);
}

TEST(NBezierInterp, EmptySingleAndInstantPaths) {
    EXPECT_TRUE(IsZero(Bezier(std::make_shared<SnapshotMap>())->Evaluate(1.0f, 1)));
    CameraSnapshot only = Waypoint(7, 3.0f, {1, 2, 3}, {10.9f, -20.9f, 30.2f}, 60);
    only.weight = 1.5f;
    auto single = Bezier(MakePath({only}));
    for (float time : {-100.0f, 3.0f, 50.0f})
        EXPECT_EQ(Values(single->Evaluate(time, 0)), (PoseValues{1, 2, 3, 10, -20, 30, 90}));
    // All waypoints at one moment: the first waypoint, not NaN.
    auto instant = MakePath(
        {Waypoint(0, 4.0f, {5, 6, 7}, {1, 2, 3}, 80), Waypoint(10, 4.0f, {50, 60, 70}, {}, 40)});
    EXPECT_EQ(Values(Bezier(instant)->Evaluate(4.0f, 0)), (PoseValues{5, 6, 7, 1, 2, 3, 80}));
}

// n waypoints one second apart at z = 500, all at x = 0 but waypoint `lit` at x = 1, so x is its
// Bernstein weight; y is scattered over [0, 960] and yaw swings across the seam.
std::shared_ptr<SnapshotMap> Comb(int n, int lit) {
    auto path = std::make_shared<SnapshotMap>();
    for (int i = 0; i < n; ++i)
        (*path)[i] = Waypoint(i, float(i), {i == lit ? 1.0f : 0.0f, float(i * 53 % 97) * 10, 500},
                              {0, 32000.0f * float(i % 2), 0});
    return path;
}

// Up to 21 waypoints the coefficient is the factorial quotient; beyond, computed another way,
// it must still be the binomial coefficient: C(20, 10) / 2^20 and C(21, 10) / 2^21 at t = 0.5.
TEST(NBezierInterp, CoefficientIsTheBinomialOnBothSidesOfTwentyOneWaypoints) {
    EXPECT_EQ(Bezier(Comb(21, 10))->Evaluate(10.0f, 0).x, 184756.0f / 1048576.0f);
    EXPECT_NEAR(Bezier(Comb(22, 10))->Evaluate(10.5f, 0).x, 352716.0 / 2097152.0, 1e-6);
    EXPECT_NEAR(Bezier(Comb(22, 0))->Evaluate(0.0f, 0).x, 1.0f, 1e-6);
}

// Beyond 21 waypoints the factorials overflow; the curve must stay a proper Bezier curve: it
// starts and ends at the end waypoints, stays inside their bounding box, its weights sum to
// one, and it stays finite far outside the path.
TEST(NBezierInterp, LongPathsStayFiniteInsideTheControlPolygonsBox) {
    for (int n : {22, 200, 2000}) {
        SCOPED_TRACE(testing::Message() << n << " waypoints");
        auto path = Comb(n, n / 2);
        auto bezier = Bezier(path);
        const float last = static_cast<float>(n - 1);
        EXPECT_EQ(bezier->Evaluate(0.0f, 0).y, path->begin()->second.location.Y);
        EXPECT_EQ(bezier->Evaluate(last, 0).y, path->rbegin()->second.location.Y);
        // Up to the rounding of n float additions.
        const float rounding = 3e-5f * static_cast<float>(n) + 1e-3f;
        for (float u : {0.001f, 0.1f, 0.37f, 0.5f, 0.9f, 0.999f}) {
            const CameraPose p = bezier->Evaluate(u * last, 0);
            ASSERT_TRUE(IsFinite(p)) << u;
            EXPECT_GE(p.x, 0.0f) << u;
            EXPECT_LE(p.x, 1.0f) << u;
            EXPECT_GE(p.y, -0.01f) << u;
            EXPECT_LE(p.y, 960.01f) << u;
            EXPECT_NEAR(p.z, 500.0f, rounding) << u;
            EXPECT_NEAR(p.FOV, 90.0f, rounding) << u;
        }
        for (float time : {-5.0f * n, -1.0f, static_cast<float>(n), 10.0f * n})
            EXPECT_TRUE(IsFinite(bezier->Evaluate(time, 0))) << time;
    }
}

} // namespace
