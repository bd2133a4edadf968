// The motion graph's coordinates and handles: where the curve's control points go for
// automatic and custom 3D handles, and what happens when a waypoint's neighbours give no
// direction.

#include <cmath>
#include <cstddef>
#include <vector>

#include <gtest/gtest.h>

#include "ui/GraphHandle.h"

namespace {

constexpr float kTolerance = 1e-5f;

CameraSnapshot At(float timestamp, Vector location) {
    CameraSnapshot waypoint;
    waypoint.timestamp = timestamp;
    waypoint.location = location;
    return waypoint;
}

// Four waypoints 300 world units apart on x, at 0, 1, 2 and 4 seconds: on the graph
// (0, 0), (0.25, 1/3), (0.5, 2/3), (1, 1).
std::vector<CameraSnapshot> FourWaypoints() {
    return {At(0, {0, 0, 0}), At(1, {300, 0, 0}), At(2, {600, 0, 0}), At(4, {900, 0, 0})};
}

void MakeCustom(CameraSnapshot& waypoint, Vector out, Vector in) {
    waypoint.v3_bz_has_custom = true;
    waypoint.v3_bz_ctrl_out = out;
    waypoint.v3_bz_ctrl_in = in;
}

float Length(GraphVec v) {
    return std::hypot(v.u, v.v);
}

void ExpectVec(GraphVec got, GraphVec want, const char* what) {
    EXPECT_NEAR(got.u, want.u, kTolerance) << what;
    EXPECT_NEAR(got.v, want.v, kTolerance) << what;
}

} // namespace

TEST(GraphPoint, TimeRunsAcrossAndTheWaypointsPlaceRunsUp) {
    const std::vector<CameraSnapshot> path = FourWaypoints();
    ExpectVec(GraphPoint(path, 0), {0.0f, 0.0f}, "first");
    ExpectVec(GraphPoint(path, 1), {0.25f, 1.0f / 3.0f}, "second");
    ExpectVec(GraphPoint(path, 3), {1.0f, 1.0f}, "last");

    // Two waypoints: one curve from the lower left to the upper right corner.
    const std::vector<CameraSnapshot> two = {At(5, {}), At(7, {100, 0, 0})};
    ExpectVec(GraphPoint(two, 0), {0.0f, 0.0f}, "two, first");
    ExpectVec(GraphPoint(two, 1), {1.0f, 1.0f}, "two, last");
}

TEST(GraphPoint, EqualTimestampsShareOneVerticalAndStayFinite) {
    const std::vector<CameraSnapshot> path = {At(3, {}), At(3, {100, 0, 0}), At(3, {200, 0, 0})};
    for (std::size_t i = 0; i < path.size(); ++i)
        EXPECT_EQ(GraphPoint(path, i).u, 0.0f) << i;
    // With no time between its neighbours a handle follows progress.
    for (std::size_t i = 0; i < 2; ++i) {
        ExpectVec(GraphHandle(path, i, GraphHandleSide::Out), {0.0f, 0.12f}, "out");
        ExpectVec(GraphHandle(path, i, GraphHandleSide::In), {0.0f, -0.12f}, "in");
    }
}

TEST(GraphHandle, AutomaticHandlesPointFromPreviousToNextAt0_12) {
    std::vector<CameraSnapshot> path = FourWaypoints();
    // Previous (0, 0) to next (0.5, 2/3): direction (0.6, 0.8).
    ExpectVec(GraphHandle(path, 1, GraphHandleSide::Out), {0.072f, 0.096f}, "inner out");
    ExpectVec(GraphHandle(path, 1, GraphHandleSide::In), {-0.072f, -0.096f}, "inner in");
    // The corners stand in for the missing neighbours: (0, 0) to (0.25, 1/3) at the start.
    ExpectVec(GraphHandle(path, 0, GraphHandleSide::Out), {0.072f, 0.096f}, "first out");
    // (0.5, 2/3) to (1, 1) at the end.
    const GraphVec last = GraphHandle(path, 3, GraphHandleSide::In);
    EXPECT_NEAR(Length(last), 0.12f, kTolerance);
    EXPECT_LT(last.u, 0.0f);
    EXPECT_NEAR(last.v / last.u, (1.0f / 3.0f) / 0.5f, kTolerance);

    // A custom handle as long as the automatic one (a third of its segment) draws the same.
    MakeCustom(path[1], {100, 0, 0}, {-100, 0, 0});
    EXPECT_NEAR(Length(GraphHandle(path, 1, GraphHandleSide::Out)), 0.12f, kTolerance);
    EXPECT_NEAR(Length(GraphHandle(path, 1, GraphHandleSide::In)), 0.12f, kTolerance);
}

TEST(GraphHandle, CustomHandlesScaleWithTheirOwnSegmentWithinLimits) {
    std::vector<CameraSnapshot> path = FourWaypoints();
    // Segments are 300 long, so a third is 100: out three times that, in a fifth of it.
    MakeCustom(path[1], {300, 0, 0}, {0, 20, 0});
    EXPECT_NEAR(Length(GraphHandle(path, 1, GraphHandleSide::Out)), 0.36f, kTolerance);
    EXPECT_NEAR(Length(GraphHandle(path, 1, GraphHandleSide::In)), 0.04f, kTolerance);

    MakeCustom(path[1], {1000, 0, 0}, {0, 0, 0});
    EXPECT_NEAR(Length(GraphHandle(path, 1, GraphHandleSide::Out)), 0.45f, kTolerance);
    EXPECT_NEAR(Length(GraphHandle(path, 1, GraphHandleSide::In)), 0.04f, kTolerance);

    // The in handle measures against the previous segment, not the next one.
    path[2].location = {1500, 0, 0}; // next segment 1200, a third 400
    MakeCustom(path[1], {300, 0, 0}, {300, 0, 0});
    EXPECT_NEAR(Length(GraphHandle(path, 1, GraphHandleSide::Out)), 0.09f, kTolerance);
    EXPECT_NEAR(Length(GraphHandle(path, 1, GraphHandleSide::In)), 0.36f, kTolerance);
}

TEST(GraphHandle, CustomHandlesWithoutAUsableSegmentDrawAutomatic) {
    std::vector<CameraSnapshot> path = FourWaypoints();
    // No segment after the last waypoint, none before the first.
    MakeCustom(path[3], {900, 0, 0}, {300, 0, 0});
    MakeCustom(path[0], {300, 0, 0}, {900, 0, 0});
    EXPECT_NEAR(Length(GraphHandle(path, 3, GraphHandleSide::Out)), 0.12f, kTolerance);
    EXPECT_NEAR(Length(GraphHandle(path, 0, GraphHandleSide::In)), 0.12f, kTolerance);
    EXPECT_NEAR(Length(GraphHandle(path, 3, GraphHandleSide::In)), 0.36f, kTolerance);

    // A segment 3 units long or shorter (a third of at most 1) says nothing about the ratio.
    path[1].location = {2.9f, 0, 0};
    MakeCustom(path[0], {500, 0, 0}, {});
    EXPECT_NEAR(Length(GraphHandle(path, 0, GraphHandleSide::Out)), 0.12f, kTolerance);
}

TEST(GraphHandle, NeighboursWithoutDistanceGiveAHandleAlongProgressAt0_12) {
    // Over a thousand waypoints at one moment: the first one's neighbour lies less than 0.001
    // above it. Its long custom handle cannot be given a direction, so it draws as automatic,
    // forwards for out and backwards for in.
    std::vector<CameraSnapshot> path;
    for (int i = 0; i < 1002; ++i)
        path.push_back(At(2.0f, {300.0f * static_cast<float>(i), 0, 0}));
    MakeCustom(path[0], {300, 0, 0}, {-300, 0, 0});
    ExpectVec(GraphHandle(path, 0, GraphHandleSide::Out), {0.0f, 0.12f}, "out");
    ExpectVec(GraphHandle(path, 0, GraphHandleSide::In), {0.0f, -0.12f}, "in");

    // One waypoint fewer puts the neighbour exactly 0.001 above: a direction again.
    path.pop_back();
    ExpectVec(GraphHandle(path, 0, GraphHandleSide::Out), {0.0f, 0.36f}, "out, 1001");
}
