// Natural cubic splines through the waypoints, located by time with a bisection whose
// tolerance the console sets.

#include <gtest/gtest.h>

#include <cmath>

#include "FakeConsole.h"
#include "PathBuilder.h"
#include "interp/NBezierInterpStrategy.h"
#include "interp/SplineInterpStrategy.h"

namespace {

std::shared_ptr<SplineInterpStrategy> Spline(std::shared_ptr<SnapshotMap> path, int degree = 0) {
    return std::make_shared<SplineInterpStrategy>(path, degree);
}

TEST(SplineInterp, Name) {
    EXPECT_EQ(Spline(TimeLine(4))->GetName(), "Spline interpolation");
}

TEST(SplineInterp, EpsilonIsTheReciprocalAccuracyThroughFloat) {
    EXPECT_EQ(SplineInterpStrategy::Epsilon(7500), 0.00013333333481568843);
    EXPECT_EQ(SplineInterpStrategy::Epsilon(100), 0.009999999776482582);
    // A stale variable must not give an infinite or negative tolerance.
    EXPECT_EQ(SplineInterpStrategy::Epsilon(0), SplineInterpStrategy::Epsilon(7500));
    EXPECT_EQ(SplineInterpStrategy::Epsilon(-20), SplineInterpStrategy::Epsilon(7500));
}

TEST(SplineInterp, ThreeWaypointsAreTheBezierCurveEverywhere) {
    auto path = MakePath({Waypoint(0, 0.0f, {0, 0, 0}, {10, 32000, 0}, 80),
                          Waypoint(30, 1.0f, {100, 0, 0}, {20, -32000, 0}, 90),
                          Waypoint(60, 2.0f, {200, 100, 0}, {30, 0, 0}, 70)});
    auto spline = Spline(path);
    auto bezier = std::make_shared<NBezierInterpStrategy>(path, 0);
    for (int frame : {-10, 0, 15, 30, 45, 60, 90})
        for (float time : {-0.5f, 0.0f, 0.4f, 1.0f, 1.9f, 2.0f, 3.0f})
            EXPECT_POSE_EQ(spline->Evaluate(time, frame), bezier->Evaluate(time, frame));
}

TEST(SplineInterp, NoValueOutsideThePathOrOnItsLastFrame) {
    auto spline = Spline(TimeLine(5));
    EXPECT_TRUE(IsZeroPose(spline->Evaluate(2.0f, -1)));
    EXPECT_TRUE(IsZeroPose(spline->Evaluate(5.0f, 120))) << "the last waypoint's frame";
    EXPECT_TRUE(IsZeroPose(spline->Evaluate(5.0f, 121)));
    EXPECT_FALSE(IsZeroPose(spline->Evaluate(5.0f, 119)));
}

TEST(SplineInterp, AtAWaypointsTimestampTheResultIsThatWaypoint) {
    auto path = WindingPath(7);
    auto spline = Spline(path);
    for (const auto& [frame, w] : *path) {
        if (frame == path->rbegin()->first)
            continue;
        SCOPED_TRACE(testing::Message() << "frame " << frame);
        // Within the bisection tolerance: speeds here stay below 400 units per second.
        EXPECT_POSE_NEAR(spline->Evaluate(w.timestamp, frame), PoseValuesOf(w), 0.06f);
    }
}

TEST(SplineInterp, TheFrameOnlyDecidesThatThereIsAValue) {
    auto spline = Spline(TimeLine(5));
    EXPECT_POSE_EQ(spline->Evaluate(3.0f, 0), spline->Evaluate(3.0f, 100));
}

TEST(SplineInterp, TimeIsMetWithinTheToleranceOfTheConsoleAccuracy) {
    FakeConsole console;
    int& accuracy = console.intVariables["dolly_spline_acc"];
    accuracy = 100;
    auto spline = Spline(TimeLine(6));
    spline->cvarManager = console.Handle();
    const float time = 3.37f;
    const float coarse = spline->Evaluate(time, 30).x;
    EXPECT_LE(std::fabs(coarse - 100.0f * time), 100.0f * 0.01f + 1e-3f);

    // Read again on the next evaluation: no rebuild needed.
    accuracy = 7500;
    const float fine = spline->Evaluate(time, 30).x;
    EXPECT_LE(std::fabs(fine - 100.0f * time), 100.0f * 0.000134f + 1e-3f);
    EXPECT_NE(coarse, fine);
}

TEST(SplineInterp, MissingOrStaleAccuracyUsesTheDefault) {
    auto path = TimeLine(6);
    auto unset = Spline(path);
    FakeConsole empty; // no such variable
    auto missing = Spline(path);
    missing->cvarManager = empty.Handle();
    FakeConsole stale;
    stale.intVariables["dolly_spline_acc"] = 0;
    auto zero = Spline(path);
    zero->cvarManager = stale.Handle();
    for (float time : {2.3f, 3.37f, 4.9f}) {
        const CameraPose expected = unset->Evaluate(time, 30);
        EXPECT_POSE_EQ(missing->Evaluate(time, 30), expected);
        EXPECT_POSE_EQ(zero->Evaluate(time, 30), expected);
    }
}

TEST(SplineInterp, RotationRunsThroughTheSeamUnwrapped) {
    auto path = MakePath({Waypoint(0, 0.0f, {0, 0, 0}, {0, 31000, 0}),
                          Waypoint(10, 1.0f, {0, 0, 0}, {0, 32000, 0}),
                          Waypoint(20, 2.0f, {0, 0, 0}, {0, -32000, 0}),
                          Waypoint(30, 3.0f, {0, 0, 0}, {0, -31000, 0})});
    auto spline = Spline(path);
    EXPECT_NEAR(spline->Evaluate(2.0f, 20).yaw, 33536.0f, 0.5f);
    const float between = spline->Evaluate(1.5f, 10).yaw;
    EXPECT_GT(between, 32000.0f);
    EXPECT_LT(between, 33536.0f);
}

TEST(SplineInterp, LibraryErrorGivesTheZeroPoseAndOneConsoleLine) {
    // More than 2500 waypoints exceed the spline's knot limit.
    auto path = std::make_shared<SnapshotMap>();
    for (int i = 0; i < 2501; ++i)
        (*path)[i] = Waypoint(i, static_cast<float>(i) / 30.0f, {static_cast<float>(i), 0, 0});
    FakeConsole console;
    auto spline = Spline(path);
    spline->cvarManager = console.Handle();
    for (int frame : {10, 11, 500})
        EXPECT_TRUE(IsZeroPose(spline->Evaluate(static_cast<float>(frame) / 30.0f, frame)));
    ASSERT_EQ(console.lines.size(), 1u) << "reported once, not every frame";
    EXPECT_EQ(console.lines[0],
              "Spline interpolation failed: unsupported number of knots: 10004 > 10000");

    // Without a console nothing is logged and nothing breaks.
    EXPECT_TRUE(IsZeroPose(Spline(path)->Evaluate(1.0f, 30)));
}

TEST(SplineInterp, TimesOutsideThePathHoldAtItsEnds) {
    auto path = TimeLine(5);
    auto spline = Spline(path);
    EXPECT_POSE_EQ(spline->Evaluate(-50.0f, 10), PoseValuesOf(path->begin()->second));
    EXPECT_POSE_EQ(spline->Evaluate(80.0f, 10), PoseValuesOf(path->rbegin()->second));
}

TEST(SplineInterp, DecreasingTimestampsStayFinite) {
    auto path = TimeLine(6);
    float time = 10.0f;
    for (auto& entry : *path)
        entry.second.timestamp = time -= 1.0f;
    auto spline = Spline(path);
    for (float t : {0.0f, 5.0f, 7.5f, 20.0f})
        EXPECT_TRUE(IsFinitePose(spline->Evaluate(t, 40))) << t;
}

} // namespace
