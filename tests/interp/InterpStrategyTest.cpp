// What the strategies share: Chaikin subdivision of their copy of the path, the segment lookup,
// the shorter-turn rule, and never a non-finite value from finite waypoints.

#include <gtest/gtest.h>

#include <climits>
#include <limits>
#include <vector>

#include "PathBuilder.h"
#include "math/Angles.h"

namespace {

std::vector<int> Frames(const SnapshotMap& path) {
    std::vector<int> frames;
    for (const auto& entry : path)
        frames.push_back(entry.first);
    return frames;
}

// The originals carry shape parameters, so a copy of them into a new point would show.
SnapshotMap ShapedPair(int frameA, int frameB) {
    SnapshotMap path{{frameA, Waypoint(frameA, 1.0f, {0, 0, 0}, {100, 32000, 0}, 90)},
                     {frameB, Waypoint(frameB, 3.0f, {400, -80, 8}, {-100, -32000, 40}, 50)}};
    for (auto& [frame, w] : path) {
        w.v3_kb_tension = w.v3_kb_bias = w.v3_kb_continuity = 0.5f;
        w.v3_bz_ctrl_out = w.v3_bz_ctrl_in = {1, 2, 3};
        w.v3_bz_has_custom = true;
        w.weight = 2.0f;
    }
    return path;
}

TEST(ChaikinSubdivision, OnePassAddsTheQuarterPointsWithoutShapeParameters) {
    SnapshotMap path = ShapedPair(0, 100);
    SubdivideChaikin(path, 1);
    // A plain average of the stored angles, even across the +-32768 seam.
    CameraSnapshot quarter = Waypoint(25, 1.5f, {100, -20, 2}, {50, 16000, 10}, 80);
    CameraSnapshot threeQuarter = Waypoint(75, 2.5f, {300, -60, 6}, {-50, -16000, 30}, 60);
    quarter.weight = threeQuarter.weight = 2.0f;
    EXPECT_EQ(path.at(25), quarter);
    EXPECT_EQ(path.at(75), threeQuarter);
}

TEST(ChaikinSubdivision, AddsPointsBetweenNeighboursAndNeverReplacesOne) {
    const struct {
        int a, b, degree;
        std::vector<int> frames; // all frames after, when given
        std::size_t fewest = 2;
    } cases[] = {
        {0, 100, 1, {0, 25, 75, 100}},
        // Quarter frames truncate toward zero: 6.25 -> 6, 18.75 -> 18, 37.5 -> 37, ...
        {0, 100, 2, {0, 6, 18, 25, 37, 62, 75, 81, 93, 100}},
        {10, 11, 5, {10, 11}}, // 10.25 and 10.75 truncate to 10, which keeps its waypoint
        {0, 100, 0, {0, 100}},
        {0, 100, -3, {0, 100}},
        {0, 40, 20, {}, 31}, // large degrees saturate at one waypoint per frame
        // Near the ends of the int range frames are not exact in float, and must not overflow.
        {INT_MAX - 700, INT_MAX, 4, {}, 3},
        {INT_MIN, INT_MIN + 300, 3, {}, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.a << " to " << c.b << ", degree " << c.degree);
        SnapshotMap path = ShapedPair(c.a, c.b);
        SubdivideChaikin(path, c.degree);
        if (!c.frames.empty()) {
            EXPECT_EQ(Frames(path), c.frames);
        }
        EXPECT_GE(path.size(), c.fewest);
        EXPECT_LE(path.size(), std::size_t(c.b - c.a + 1));
        EXPECT_EQ(path.begin()->second, ShapedPair(c.a, c.b).at(c.a));
        EXPECT_EQ(path.rbegin()->second, ShapedPair(c.a, c.b).at(c.b));
    }
}

// Seen through the linear strategy, which has a value exactly where there is a segment.
TEST(SegmentLookup, OnlyFramesFromTheFirstToBeforeTheLastHaveASegment) {
    auto linear = Linear(Line({0, 10, 20}));
    const std::pair<int, bool> cases[] = {{-1, false},      {0, true},       {10, true},
                                          {19, true},       {20, false},     {21, false},
                                          {INT_MIN, false}, {INT_MAX, false}};
    for (const auto& [frame, hasSegment] : cases)
        EXPECT_EQ(!IsZero(linear->Evaluate(1.5f, frame)), hasSegment) << frame;
    auto single = Linear(Line({5}));
    for (int frame : {-1, 0, 1})
        EXPECT_TRUE(IsZero(single->Evaluate(0.0f, frame))) << frame;
    EXPECT_TRUE(IsZero(Linear(nullptr, 3)->Evaluate(0.0f, 0))) << "a null path is empty";
}

TEST(EqualTimestamps, LinearCosineAndCatmullRomHoldTheEarlierWaypoint) {
    auto path = Line({0, 10, 20, 40, 50});
    path->at(20).timestamp = path->at(10).timestamp;
    const std::shared_ptr<InterpStrategy> strategies[] = {
        Linear(path), std::make_shared<CosineInterpStrategy>(path),
        std::make_shared<CatmullRomInterpStrategy>(path, 0)};
    for (const auto& strategy : strategies)
        for (float time : {0.5f, 1.0f, 1.5f})
            EXPECT_EQ(Values(strategy->Evaluate(time, 15)), Values(path->at(10)))
                << strategy->GetName() << " at " << time;
}

// Waypoints far apart in value and close, equal or going backwards in time; queries far outside.
TEST(EveryStrategy, FiniteWaypointsNeverGiveNonFiniteValues) {
    auto extreme = MakePath({Waypoint(0, 0.0f, {-3e37f, 1e30f, 0}, {1e9f, -1e9f, 0}, 170),
                             Waypoint(1, 1e-7f, {3e37f, -1e30f, 1}, {-1e9f, 1e9f, 5}, 1),
                             Waypoint(2, 1e-7f, {-3e37f, 0, 2}, {0, 0, 0}, 170),
                             Waypoint(3, 2e-7f, {0, 0, 3}, {32768, -32768, 0}, 60),
                             Waypoint(100000, 1e6f, {1, 1, 1}, {0, 0, 0}, 90)});
    auto backwards = Line({0, 10, 20, 40, 50});
    for (auto [frame, time] : {std::pair{0, 4.0f}, {10, 3.0f}, {20, 3.0f}, {30, 1.0f}, {40, 0.0f}})
        backwards->at(frame).timestamp = time;
    for (const MakeStrategy& make : EveryStrategy())
        for (const auto& path : {extreme, backwards}) {
            auto strategy = make(path);
            for (int frame : {-1, 0, 1, 2, 3, 15, 25, 35, 40, 50000, 100000})
                for (float time : {-1e30f, -1.0f, 0.0f, 1e-7f, 1.0f, 2.5f, 5e5f, 1e30f,
                                   std::numeric_limits<float>::max()})
                    EXPECT_TRUE(IsFinite(strategy->Evaluate(time, frame)))
                        << strategy->GetName() << " frame " << frame << " time " << time;
        }
}

TEST(WrapAngleDelta, BringsADifferenceIntoTheHalfTurnRange) {
    using Quorvel::Math::WrapAngleDelta;
    const float cases[][2] = {{32768, 32768},  {-32768, -32768}, // the seam stays as it is
                              {32769, -32767}, {-32769, 32767},  // just past it: one turn
                              {-64000, 1536},  {60000, -5536},   // 32000 -> -32000, -30000 -> 30000
                              {200000, 3392},  {-200000, -3392}, // three turns
                              {0, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(WrapAngleDelta(c[0]), c[1]);
        EXPECT_EQ(WrapAngleDelta(static_cast<double>(c[0])), static_cast<double>(c[1]));
    }
    constexpr float inf = std::numeric_limits<float>::infinity();
    for (float delta :
         {1e30f, -1e30f, 3.0e38f, inf, -inf, std::numeric_limits<float>::quiet_NaN()}) {
        const float wrapped = WrapAngleDelta(delta);
        EXPECT_TRUE(std::isfinite(wrapped)) << delta;
        EXPECT_LE(std::fabs(wrapped), 32768.0f) << delta;
    }
    EXPECT_TRUE(std::isfinite(WrapAngleDelta(1e300)));
}

} // namespace
