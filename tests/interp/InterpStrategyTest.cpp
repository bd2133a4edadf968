// What every strategy does on construction: a private copy of the path, refined by Chaikin
// subdivision; and the segment lookup the segment-based strategies share.

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <vector>

#include "PathBuilder.h"
#include "interp/InterpStrategy.h"
#include "interp/LinearInterpStrategy.h"

namespace {

std::vector<int> Frames(const SnapshotMap& path) {
    std::vector<int> frames(path.size());
    std::transform(path.begin(), path.end(), frames.begin(),
                   [](const auto& entry) { return entry.first; });
    return frames;
}

// Originals carry shape parameters, so a copy of them into a new point would show.
SnapshotMap ShapedPair(int frameA, int frameB) {
    CameraSnapshot a = Waypoint(frameA, 1.0f, {0, 0, 0}, {100, 32000, 0}, 90);
    CameraSnapshot b = Waypoint(frameB, 3.0f, {400, -80, 8}, {-100, -32000, 40}, 50);
    for (CameraSnapshot* w : {&a, &b}) {
        w->v3_kb_tension = 0.5f;
        w->v3_kb_bias = -0.25f;
        w->v3_kb_continuity = 0.75f;
        w->v3_bz_ctrl_out = {1, 2, 3};
        w->v3_bz_ctrl_in = {-1, -2, -3};
        w->v3_bz_has_custom = true;
        w->weight = 2.0f;
    }
    return {{frameA, a}, {frameB, b}};
}

TEST(ChaikinSubdivision, OnePassAddsTheQuarterPoints) {
    SnapshotMap path = ShapedPair(0, 100);
    SubdivideChaikin(path, 1);
    EXPECT_EQ(Frames(path), (std::vector<int>{0, 25, 75, 100}));

    const CameraSnapshot& q = path.at(25);
    EXPECT_EQ(q.frame, 25);
    EXPECT_EQ(q.timestamp, 1.5f);
    EXPECT_EQ(q.FOV, 80.0f);
    EXPECT_EQ(q.location, Vector(100, -20, 2));
    EXPECT_EQ(q.weight, 2.0f);
    // A plain average of the stored angles, even across the +-32768 seam.
    EXPECT_EQ(q.rotation, (FloatRotator{50, 16000, 10}));
    EXPECT_EQ(path.at(75).rotation, (FloatRotator{-50, -16000, 30}));
    for (int frame : {25, 75}) {
        const CameraSnapshot& added = path.at(frame);
        EXPECT_EQ(added.v3_kb_tension, 0.0f);
        EXPECT_EQ(added.v3_kb_bias, 0.0f);
        EXPECT_EQ(added.v3_kb_continuity, 0.0f);
        EXPECT_EQ(added.v3_bz_ctrl_out, Vector());
        EXPECT_EQ(added.v3_bz_ctrl_in, Vector());
        EXPECT_FALSE(added.v3_bz_has_custom);
    }
    EXPECT_EQ(path.at(0), ShapedPair(0, 100).at(0)) << "originals are never replaced";
}

TEST(ChaikinSubdivision, SecondPassRefinesEveryNewPair) {
    SnapshotMap path = ShapedPair(0, 100);
    SubdivideChaikin(path, 2);
    // Quarter frames truncate toward zero: 6.25 -> 6, 18.75 -> 18, 37.5 -> 37, ...
    EXPECT_EQ(Frames(path), (std::vector<int>{0, 6, 18, 25, 37, 62, 75, 81, 93, 100}));
}

TEST(ChaikinSubdivision, NeighboursOneFrameApartGetNothing) {
    SnapshotMap path = ShapedPair(10, 11);
    SubdivideChaikin(path, 5);
    EXPECT_EQ(Frames(path), (std::vector<int>{10, 11}));
}

TEST(ChaikinSubdivision, ZeroAndNegativeDegreesChangeNothing) {
    for (int degree : {0, -3}) {
        SnapshotMap path = ShapedPair(0, 100);
        SubdivideChaikin(path, degree);
        EXPECT_EQ(Frames(path), (std::vector<int>{0, 100})) << degree;
    }
}

TEST(ChaikinSubdivision, LargeDegreesSaturateAtOneWaypointPerFrame) {
    SnapshotMap path = ShapedPair(0, 40);
    SubdivideChaikin(path, 20);
    EXPECT_LE(path.size(), 41u);
    EXPECT_GT(path.size(), 30u);
    EXPECT_EQ(path.begin()->first, 0);
    EXPECT_EQ(path.rbegin()->first, 40);
}

// Near the top of the int range frames are not exact in float; new points must still fall
// between their neighbours and never overflow.
TEST(ChaikinSubdivision, FramesNearTheIntLimitStayBetweenTheirNeighbours) {
    SnapshotMap path = ShapedPair(INT_MAX - 700, INT_MAX);
    SubdivideChaikin(path, 4);
    EXPECT_EQ(path.begin()->first, INT_MAX - 700);
    EXPECT_EQ(path.rbegin()->first, INT_MAX);
    EXPECT_GT(path.size(), 2u);

    SnapshotMap low = ShapedPair(INT_MIN, INT_MIN + 300);
    SubdivideChaikin(low, 3);
    EXPECT_EQ(low.begin()->first, INT_MIN);
    EXPECT_EQ(low.rbegin()->first, INT_MIN + 300);
}

TEST(StrategyConstruction, KeepsItsOwnCopyOfThePath) {
    auto path = MakePath({Waypoint(0, 0.0f, {0, 0, 0}), Waypoint(10, 1.0f, {100, 0, 0})});
    auto strategy = std::make_shared<LinearInterpStrategy>(path, 0);
    (*path)[10].location = {500, 0, 0};
    path->erase(0);
    EXPECT_EQ(strategy->Evaluate(0.5f, 5).x, 50.0f) << "later edits must not reach the strategy";
}

TEST(StrategyConstruction, NullPathIsEmpty) {
    auto strategy = std::make_shared<LinearInterpStrategy>(nullptr, 3);
    EXPECT_TRUE(IsZeroPose(strategy->Evaluate(0.0f, 0)));
}

// The lookup is observed through the linear strategy, which has a value exactly where there is
// a segment.
struct LookupCase {
    const char* name;
    int frame;
    bool hasSegment;
};

class SegmentLookup : public testing::TestWithParam<LookupCase> {};

TEST_P(SegmentLookup, OnlyFramesFromTheFirstUpToBeforeTheLastHaveASegment) {
    auto path = MakePath({Waypoint(100, 1.0f, {0, 0, 0}), Waypoint(150, 2.0f, {10, 0, 0}),
                          Waypoint(200, 3.0f, {20, 0, 0})});
    auto strategy = std::make_shared<LinearInterpStrategy>(path, 0);
    const CameraPose pose = strategy->Evaluate(1.5f, GetParam().frame);
    EXPECT_EQ(!IsZeroPose(pose), GetParam().hasSegment);
}

INSTANTIATE_TEST_SUITE_P(
    Frames, SegmentLookup,
    testing::Values(LookupCase{"BeforeFirst", 99, false}, LookupCase{"OnFirst", 100, true},
                    LookupCase{"OnInterior", 150, true}, LookupCase{"JustBeforeLast", 199, true},
                    LookupCase{"OnLast", 200, false}, LookupCase{"PastLast", 201, false},
                    LookupCase{"FarBefore", INT_MIN, false}, LookupCase{"FarPast", INT_MAX, false}),
    [](const testing::TestParamInfo<LookupCase>& info) { return std::string(info.param.name); });

TEST(SegmentLookup, SingleWaypointHasNoSegment) {
    auto strategy =
        std::make_shared<LinearInterpStrategy>(MakePath({Waypoint(5, 1.0f, {1, 2, 3})}), 0);
    for (int frame : {4, 5, 6})
        EXPECT_TRUE(IsZeroPose(strategy->Evaluate(1.0f, frame))) << frame;
}

} // namespace
