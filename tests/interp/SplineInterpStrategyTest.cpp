// Natural cubic splines through the waypoints, located by time with a bisection whose tolerance
// the console variable sets, on the simulated host's console.

#include <gtest/gtest.h>

#include <cmath>

#include "PathBuilder.h"
#include "interp/NBezierInterpStrategy.h"
#include "interp/SplineInterpStrategy.h"
#include "tests/support/TestHost.h"

namespace {

std::shared_ptr<SplineInterpStrategy> Spline(std::shared_ptr<SnapshotMap> path,
                                             std::shared_ptr<CVarManagerWrapper> console = {}) {
    auto spline = std::make_shared<SplineInterpStrategy>(path, 0);
    spline->cvarManager = console;
    return spline;
}

// Frames 0, 30, 60, ... at uneven times with x = 100 * timestamp, so the location spline is the
// straight line through them and the pose's x tells exactly which time the bisection settled on.
std::shared_ptr<SnapshotMap> TimeLine(int n) {
    auto path = std::make_shared<SnapshotMap>();
    for (int i = 0; i < n; ++i) {
        const float time = 2.0f + 0.7f * float(i) + 0.1f * float(i % 2);
        (*path)[30 * i] = Waypoint(30 * i, time, {100.0f * time, 50, 0});
    }
    return path;
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
            EXPECT_EQ(Values(spline->Evaluate(time, frame)), Values(bezier->Evaluate(time, frame)))
                << frame << " " << time;
}

// The frame only decides that there is a value; the time alone places the camera, holding at
// the path's ends outside it.
TEST(SplineInterp, FrameDecidesThatThereIsAValueAndTimeWhere) {
    auto path = TimeLine(5);
    auto spline = Spline(path);
    EXPECT_TRUE(IsZero(spline->Evaluate(2.0f, -1)));
    EXPECT_TRUE(IsZero(spline->Evaluate(5.0f, 120))) << "the last waypoint's frame";
    EXPECT_TRUE(IsZero(spline->Evaluate(5.0f, 121)));
    EXPECT_FALSE(IsZero(spline->Evaluate(5.0f, 119)));
    EXPECT_EQ(Values(spline->Evaluate(3.0f, 0)), Values(spline->Evaluate(3.0f, 100)));
    EXPECT_EQ(Values(spline->Evaluate(-50.0f, 10)), Values(path->begin()->second));
    EXPECT_EQ(Values(spline->Evaluate(80.0f, 10)), Values(path->rbegin()->second));
}

TEST(SplineInterp, RotationRunsThroughTheSeamUnwrapped) {
    auto spline = Spline(MakePath({Waypoint(0, 0.0f, {0, 0, 0}, {0, 31000, 0}),
                                   Waypoint(10, 1.0f, {0, 0, 0}, {0, 32000, 0}),
                                   Waypoint(20, 2.0f, {0, 0, 0}, {0, -32000, 0}),
                                   Waypoint(30, 3.0f, {0, 0, 0}, {0, -31000, 0})}));
    EXPECT_NEAR(spline->Evaluate(2.0f, 20).yaw, 33536.0f, 0.5f);
    const float between = spline->Evaluate(1.5f, 10).yaw;
    EXPECT_GT(between, 32000.0f);
    EXPECT_LT(between, 33536.0f);
}

TEST(SplineInterp, AccuracyIsReadFromTheConsoleOnEveryEvaluation) {
    Quorvel::Testing::TestHost host;
    auto console = host.GetSession().CVarManagerHandle();
    auto path = TimeLine(6);
    auto spline = Spline(path, console);
    for (float time : {2.3f, 3.37f, 4.9f}) // no such variable: the default, as without a console
        EXPECT_EQ(Values(spline->Evaluate(time, 30)), Values(Spline(path)->Evaluate(time, 30)));

    console->registerCvar("dolly_spline_acc", "7500", "Spline interp accuracy", true, true, 100.0f);
    const float time = 3.37f;
    host.Run("dolly_spline_acc 100");
    const float coarse = spline->Evaluate(time, 30).x;
    EXPECT_LE(std::fabs(coarse - 100.0f * time), 100.0f * 0.01f + 1e-3f);
    host.Run("dolly_spline_acc 7500");
    const float fine = spline->Evaluate(time, 30).x;
    EXPECT_LE(std::fabs(fine - 100.0f * time), 100.0f * 0.000134f + 1e-3f);
    EXPECT_NE(coarse, fine);
}

TEST(SplineInterp, LibraryErrorIsTheZeroPoseAndOneConsoleLine) {
    // More than 2500 waypoints exceed the spline's knot limit.
    auto path = std::make_shared<SnapshotMap>();
    for (int i = 0; i < 2501; ++i)
        (*path)[i] = Waypoint(i, float(i) / 30.0f, {float(i), 0, 0});
    Quorvel::Testing::TestHost host;
    auto spline = Spline(path, host.GetSession().CVarManagerHandle());
    host.ClearLines();
    for (int frame = 100; frame < 160; ++frame)
        EXPECT_TRUE(IsZero(spline->Evaluate(float(frame) / 30.0f, frame)));
    ASSERT_EQ(host.Lines().size(), 1u) << "reported once, not every frame";
    EXPECT_EQ(host.LastLine(),
              "Spline interpolation failed: unsupported number of knots: 10004 > 10000");
    EXPECT_TRUE(IsZero(Spline(path)->Evaluate(1.0f, 30))) << "without a console";
}

} // namespace
