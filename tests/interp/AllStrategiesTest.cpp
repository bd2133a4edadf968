// Properties every strategy shares: where it passes through the waypoints, and that finite
// waypoints never give a non-finite pose.

#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include "PathBuilder.h"
#include "interp/CatmullRomInterpStrategy.h"
#include "interp/CosineInterpStrategy.h"
#include "interp/CubicHermiteInterpStrategy.h"
#include "interp/KochanekBartelsInterpStrategy.h"
#include "interp/LinearInterpStrategy.h"
#include "interp/NBezierInterpStrategy.h"
#include "interp/SplineInterpStrategy.h"

namespace {

using Make = std::function<std::shared_ptr<InterpStrategy>(std::shared_ptr<SnapshotMap>)>;

struct Mode {
    const char* name;
    Make make;
    // Largest difference allowed from a waypoint at its own frame and time: 0 for exact.
    float tolerance;
};

const Mode kModes[] = {
    {"Linear", [](auto p) { return std::make_shared<LinearInterpStrategy>(p, 0); }, 0.0f},
    {"LinearSubdivided", [](auto p) { return std::make_shared<LinearInterpStrategy>(p, 3); }, 0.0f},
    {"Cosine", [](auto p) { return std::make_shared<CosineInterpStrategy>(p); }, 0.0f},
    {"CatmullRom", [](auto p) { return std::make_shared<CatmullRomInterpStrategy>(p, 0); }, 0.0f},
    {"CatmullRomSubdivided",
     [](auto p) { return std::make_shared<CatmullRomInterpStrategy>(p, 2); }, 0.0f},
    {"Spline", [](auto p) { return std::make_shared<SplineInterpStrategy>(p, 0); }, 0.06f},
    {"KochanekBartels",
     [](auto p) { return std::make_shared<KochanekBartelsInterpStrategy>(p, 0); }, 0.0f},
    {"CubicHermite", [](auto p) { return std::make_shared<CubicHermiteInterpStrategy>(p); }, 0.0f},
};

class EveryMode : public testing::TestWithParam<Mode> {};

// Every segment-based mode meets each waypoint but the last at its own frame and time; the
// last waypoint's frame has no segment.
TEST_P(EveryMode, PassesThroughEveryWaypointAtItsFrameAndTime) {
    auto path = WindingPath(6);
    auto strategy = GetParam().make(path);
    for (const auto& [frame, w] : *path) {
        SCOPED_TRACE(testing::Message() << "frame " << frame);
        const CameraPose pose = strategy->Evaluate(w.timestamp, frame);
        if (frame == path->rbegin()->first)
            EXPECT_TRUE(IsZeroPose(pose));
        else if (GetParam().tolerance == 0.0f)
            EXPECT_POSE_EQ(pose, PoseValuesOf(w));
        else
            EXPECT_POSE_NEAR(pose, PoseValuesOf(w), GetParam().tolerance);
    }
}

// Waypoints far apart in value, close in time, and queries far outside the path.
TEST_P(EveryMode, FiniteWaypointsNeverGiveNonFiniteValues) {
    auto path = MakePath({Waypoint(0, 0.0f, {-3e37f, 1e30f, 0}, {1e9f, -1e9f, 0}, 170),
                          Waypoint(1, 1e-7f, {3e37f, -1e30f, 1}, {-1e9f, 1e9f, 5}, 1),
                          Waypoint(2, 1e-7f, {-3e37f, 0, 2}, {0, 0, 0}, 170),
                          Waypoint(3, 2e-7f, {0, 0, 3}, {32768, -32768, 0}, 60),
                          Waypoint(100000, 1e6f, {1, 1, 1}, {0, 0, 0}, 90)});
    auto strategy = GetParam().make(path);
    for (int frame : {-1, 0, 1, 2, 3, 50000, 100000})
        for (float time :
             {-1e30f, -1.0f, 0.0f, 1e-7f, 1.0f, 5e5f, 1e30f, std::numeric_limits<float>::max()})
            EXPECT_TRUE(IsFinitePose(strategy->Evaluate(time, frame)))
                << "frame " << frame << " time " << time;
}

INSTANTIATE_TEST_SUITE_P(Strategies, EveryMode, testing::ValuesIn(kModes),
                         [](const testing::TestParamInfo<Mode>& info) {
                             return std::string(info.param.name);
                         });

TEST(NBezierMode, PassesThroughTheFirstAndLastWaypoints) {
    auto path = WindingPath(6);
    auto bezier = std::make_shared<NBezierInterpStrategy>(path, 0);
    const CameraSnapshot& first = path->begin()->second;
    const CameraSnapshot& last = path->rbegin()->second;
    const CameraPose start = bezier->Evaluate(first.timestamp, first.frame);
    const CameraPose end = bezier->Evaluate(last.timestamp, last.frame);
    EXPECT_EQ(start.x, first.location.X);
    EXPECT_EQ(start.y, first.location.Y);
    EXPECT_EQ(start.FOV, first.FOV);
    EXPECT_EQ(start.yaw, std::trunc(first.rotation.yaw));
    EXPECT_EQ(end.x, last.location.X);
    EXPECT_EQ(end.z, last.location.Z);
    EXPECT_EQ(end.FOV, last.FOV);
}

TEST(NBezierMode, FiniteWaypointsNeverGiveNonFiniteValues) {
    auto path = MakePath({Waypoint(0, 0.0f, {-3e37f, 1e30f, 0}, {1e9f, -1e9f, 0}, 170),
                          Waypoint(1, 1e-7f, {3e37f, -1e30f, 1}, {-1e9f, 1e9f, 5}, 1),
                          Waypoint(3, 2e-7f, {0, 0, 3}, {32768, -32768, 0}, 60)});
    auto bezier = std::make_shared<NBezierInterpStrategy>(path, 0);
    for (float time : {-1e30f, -1.0f, 0.0f, 1e-7f, 1.0f, 1e30f})
        EXPECT_TRUE(IsFinitePose(bezier->Evaluate(time, 0))) << time;
}

} // namespace
