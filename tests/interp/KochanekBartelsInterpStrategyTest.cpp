// Cubic segments whose tangents each waypoint shapes with tension, bias and continuity.

#include <gtest/gtest.h>

#include "PathBuilder.h"
#include "interp/KochanekBartelsInterpStrategy.h"
#include "interp/LinearInterpStrategy.h"

namespace {

// x 0, 10, 30, 30 at times 0, 1, 3, 4 (frames 0, 10, 30, 40): spans 1, 2, 1 s.
std::shared_ptr<SnapshotMap> FourWaypoints() {
    return MakePath({Waypoint(0, 0.0f, {0, 0, 0}), Waypoint(10, 1.0f, {10, 0, 0}),
                     Waypoint(30, 3.0f, {30, 0, 0}), Waypoint(40, 4.0f, {30, 0, 0})});
}

std::shared_ptr<KochanekBartelsInterpStrategy> Kb(std::shared_ptr<SnapshotMap> path,
                                                  int degree = 0) {
    return std::make_shared<KochanekBartelsInterpStrategy>(path, degree);
}

TEST(KochanekBartelsInterp, Name) {
    EXPECT_EQ(Kb(FourWaypoints())->GetName(), "Kochanek-Bartels interpolation");
}

// With all parameters 0 the tangent at A is the mean of the neighbouring slopes, each over its
// own span: (10 / 1 + 20 / 2) / 2 = 10; at B (20 / 2 + 0 / 1) / 2 = 5. At t = 0.5:
// 0.5 * 10 + 0.125 * 2 * 10 + 0.5 * 30 - 0.125 * 2 * 5 = 21.25.
TEST(KochanekBartelsInterp, ZeroParametersAverageTheTimeWeightedSlopes) {
    EXPECT_EQ(Kb(FourWaypoints())->Evaluate(2.0f, 20).x, 21.25f);
}

TEST(KochanekBartelsInterp, FullTensionAtAFlattensItsTangent) {
    auto path = FourWaypoints();
    path->at(10).v3_kb_tension = 1.0f;
    EXPECT_EQ(Kb(path)->Evaluate(2.0f, 20).x, 18.75f); // the 2.5 of A's tangent is gone
}

TEST(KochanekBartelsInterp, BiasAndContinuityWeightTheTwoSlopes) {
    auto path = FourWaypoints();
    path->at(10).v3_kb_bias = 1.0f; // A's tangent is the incoming slope alone: 10
    EXPECT_EQ(Kb(path)->Evaluate(2.0f, 20).x, 21.25f);
    path->at(10).v3_kb_bias = -1.0f;
    path->at(10).v3_kb_continuity = 1.0f; // (1 + bias) and (1 - continuity) cancel both halves
    EXPECT_EQ(Kb(path)->Evaluate(2.0f, 20).x, 18.75f);
}

TEST(KochanekBartelsInterp, OnlyTheMiddleSegmentOfFourIsCurved) {
    auto path = FourWaypoints();
    auto kb = Kb(path);
    auto linear = std::make_shared<LinearInterpStrategy>(path, 0);
    EXPECT_POSE_EQ(kb->Evaluate(0.5f, 5), linear->Evaluate(0.5f, 5));
    EXPECT_POSE_EQ(kb->Evaluate(3.5f, 35), linear->Evaluate(3.5f, 35));
    EXPECT_NE(kb->Evaluate(2.0f, 20).x, linear->Evaluate(2.0f, 20).x);
    EXPECT_TRUE(IsZeroPose(kb->Evaluate(4.0f, 40)));
}

TEST(KochanekBartelsInterp, FewerThanFourWaypointsAreLinear) {
    auto path = MakePath({Waypoint(0, 0.0f, {0, 0, 0}), Waypoint(10, 1.0f, {10, 0, 0}),
                          Waypoint(30, 3.0f, {50, 0, 0})});
    EXPECT_POSE_EQ(Kb(path)->Evaluate(2.0f, 20),
                   std::make_shared<LinearInterpStrategy>(path, 0)->Evaluate(2.0f, 20));
}

TEST(KochanekBartelsInterp, TimeIsClampedToTheSegment) {
    auto kb = Kb(FourWaypoints());
    EXPECT_EQ(kb->Evaluate(0.0f, 20).x, 10.0f);
    EXPECT_EQ(kb->Evaluate(9.0f, 20).x, 30.0f);
}

TEST(KochanekBartelsInterp, OwnWaypointsAreNeverSubdivided) {
    // Subdivided, frame 20 would fall between new points 15 and 25 with other neighbours.
    EXPECT_EQ(Kb(FourWaypoints(), 3)->Evaluate(2.0f, 20).x, 21.25f);
}

TEST(KochanekBartelsInterp, EqualTimestampsStayFinite) {
    auto path = FourWaypoints();
    path->at(30).timestamp = 1.0f;
    path->at(40).timestamp = 1.0f;
    auto kb = Kb(path);
    for (float time : {0.5f, 1.0f, 2.0f})
        EXPECT_TRUE(IsFinitePose(kb->Evaluate(time, 20))) << time;
}

} // namespace
