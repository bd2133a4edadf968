// The cubic strategies: Catmull-Rom over four neighbours, Kochanek-Bartels tangents shaped per
// waypoint, and the C2 cubic Hermite spline on the frame axis with its tangent helpers.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

#include "PathBuilder.h"
#include "interp/CatmullRomInterpStrategy.h"
#include "interp/CubicHermiteInterpStrategy.h"
#include "interp/KochanekBartelsInterpStrategy.h"
#include "interp/SplineTangents.h"

namespace {

std::shared_ptr<CatmullRomInterpStrategy> CatmullRom(std::shared_ptr<SnapshotMap> path,
                                                     int degree = 0) {
    return std::make_shared<CatmullRomInterpStrategy>(path, degree);
}

TEST(CatmullRomInterp, ThreeWaypointsAlwaysGiveTheZeroPose) {
    auto catmull = CatmullRom(Line({0, 10, 20}));
    for (int frame : {-5, 0, 5, 10, 15, 20, 25})
        EXPECT_TRUE(IsZero(catmull->Evaluate(frame / 10.0f, frame))) << frame;
}

TEST(CatmullRomInterp, WorkedValuesAndTheLinearLastSegment) {
    auto path = Line({0, 10, 20, 40, 50});
    auto catmull = CatmullRom(path);
    // Segment 10 -> 20 with neighbours 0 and 40: 0.5 (20 + 10 - 2.5 + 1.25) at t = 0.5.
    const CameraPose middle = catmull->Evaluate(1.5f, 15);
    EXPECT_EQ(middle.x, 14.375f);
    EXPECT_EQ(middle.y, 28.75f);
    // The first segment starts exactly at the first waypoint, which stands in for its missing
    // predecessor (P0 = P1 = 0, P2 = 10, P3 = 20): 0.5 (10 * 0.5 + 20 * 0.25 - 10 * 0.125).
    EXPECT_EQ(Values(catmull->Evaluate(0.0f, 0)), Values(path->at(0)));
    EXPECT_EQ(catmull->Evaluate(0.5f, 5).x, 4.375f);
    // Subdivided once, frame 12 is the new quarter point (x 12.5 at 1.25 s).
    EXPECT_EQ(CatmullRom(path, 1)->Evaluate(1.25f, 12).x, 12.5f);
    for (float time : {3.0f, 3.25f, 3.9f})
        EXPECT_EQ(Values(catmull->Evaluate(time, 35)), Values(Linear(path)->Evaluate(time, 35)));
    EXPECT_TRUE(IsZero(catmull->Evaluate(4.0f, 40)));
    EXPECT_TRUE(IsZero(catmull->Evaluate(-1.0f, -1)));
}

// x 0, 10, 30, 30 at times 0, 1, 3, 4 (frames 0, 10, 30, 40): spans 1, 2, 1 s.
std::shared_ptr<SnapshotMap> KbPath() {
    return MakePath({Waypoint(0, 0.0f, {0, 0, 0}), Waypoint(10, 1.0f, {10, 0, 0}),
                     Waypoint(30, 3.0f, {30, 0, 0}), Waypoint(40, 4.0f, {30, 0, 0})});
}

std::shared_ptr<KochanekBartelsInterpStrategy> Kb(std::shared_ptr<SnapshotMap> path,
                                                  int degree = 0) {
    return std::make_shared<KochanekBartelsInterpStrategy>(path, degree);
}

// With all parameters 0 the tangent at A is the mean of the neighbouring slopes, each over its
// own span: (10 / 1 + 20 / 2) / 2 = 10; at B (20 / 2 + 0 / 1) / 2 = 5. At t = 0.5:
// 0.5 * 10 + 0.125 * 2 * 10 + 0.5 * 30 - 0.125 * 2 * 5 = 21.25. Full tension at A takes the
// 2.5 of its tangent away; bias 1 keeps the incoming slope alone (10); bias -1 with
// continuity 1 cancels both halves.
// B's parameters shape the tangent arriving there. With the last waypoint moved to x 50 the
// slopes around B are 10 and 20: the default tangent is 15, x = 20 + 2.5 - 0.25 m2.
// Continuity 0.5 weighs them 0.25 and 0.75 (17.5); tension and bias 0.5 give 3.75 + 2.5.
TEST(KochanekBartelsInterp, TensionBiasAndContinuityShapeTheTangent) {
    // The waypoint shaped (A at frame 10, B at 30), the last waypoint's x, tension, bias and
    // continuity; x at t = 0.5.
    const float cases[][6] = {{10, 30, 0, 0, 0, 21.25f},         {10, 30, 1, 0, 0, 18.75f},
                              {10, 30, 0, 1, 0, 21.25f},         {10, 30, 0, -1, 1, 18.75f},
                              {30, 50, 0, 0, 0, 18.75f},         {30, 50, 0, 0, 0.5f, 18.125f},
                              {30, 50, 0.5f, 0.5f, 0, 20.9375f}, {30, 50, 0, 0, -1, 20.0f}};
    for (const auto& c : cases) {
        auto path = KbPath();
        path->at(40).location.X = c[1];
        CameraSnapshot& w = path->at(int(c[0]));
        w.v3_kb_tension = c[2];
        w.v3_kb_bias = c[3];
        w.v3_kb_continuity = c[4];
        EXPECT_FLOAT_EQ(Kb(path)->Evaluate(2.0f, 20).x, c[5])
            << c[0] << ": " << c[2] << " " << c[3] << " " << c[4];
    }
    // Subdivided, frame 20 would fall between new points 15 and 25 with other neighbours.
    EXPECT_EQ(Kb(KbPath(), 3)->Evaluate(2.0f, 20).x, 21.25f) << "never subdivided";
}

TEST(KochanekBartelsInterp, OnlyTheMiddleSegmentOfFourIsCurvedAndTimeIsClampedToIt) {
    auto path = KbPath();
    auto kb = Kb(path);
    EXPECT_EQ(Values(kb->Evaluate(0.5f, 5)), Values(Linear(path)->Evaluate(0.5f, 5)));
    EXPECT_EQ(Values(kb->Evaluate(3.5f, 35)), Values(Linear(path)->Evaluate(3.5f, 35)));
    EXPECT_TRUE(IsZero(kb->Evaluate(4.0f, 40)));
    EXPECT_EQ(kb->Evaluate(0.0f, 20).x, 10.0f);
    EXPECT_EQ(kb->Evaluate(9.0f, 20).x, 30.0f);
}

std::shared_ptr<CubicHermiteInterpStrategy> Hermite(std::shared_ptr<SnapshotMap> path) {
    return std::make_shared<CubicHermiteInterpStrategy>(path);
}

// The slope of x at a waypoint of a Line path, in units per frame, a small step into the next
// segment.
float SlopeAfter(InterpStrategy& strategy, const SnapshotMap& path, int frame) {
    const CameraSnapshot& w = path.at(frame);
    const float step = 0.001f; // seconds; segments span 1 s and 10 frames
    return (strategy.Evaluate(w.timestamp + step, frame).x - w.location.X) / (step * 10.0f);
}

TEST(CubicHermiteInterp, TwoWaypointsGiveTheClampedChordWhateverTheHandles) {
    auto path = Line({0, 100}, {90, 60});
    for (auto& [frame, w] : *path) {
        w.v3_bz_has_custom = true;
        w.v3_bz_ctrl_out = {300, 0, 0};
        w.v3_bz_ctrl_in = {-300, 0, 0};
    }
    auto hermite = Hermite(path);
    EXPECT_NEAR(hermite->Evaluate(0.25f, 5).x, 25.0f, 1e-4f);
    EXPECT_NEAR(hermite->Evaluate(0.5f, 5).FOV, 75.0f, 1e-4f);
    EXPECT_EQ(Values(hermite->Evaluate(-3.0f, 5)), Values(path->at(0))) << "t clamps to 0";
    EXPECT_NEAR(hermite->Evaluate(7.0f, 5).x, 100.0f, 1e-4f) << "t clamps to 1";
    // No segment, or a single waypoint: the linear fallback's zero pose.
    EXPECT_TRUE(IsZero(hermite->Evaluate(0.0f, -1)));
    EXPECT_TRUE(IsZero(hermite->Evaluate(1.0f, 10)));
    EXPECT_TRUE(IsZero(Hermite(Line({5}))->Evaluate(0.0f, 0)));
}

TEST(CubicHermiteInterp, RotationIsUnwrappedAcrossTheSeam) {
    auto hermite = Hermite(MakePath({Waypoint(0, 0.0f, {0, 0, 0}, {0, 32000, 0}),
                                     Waypoint(10, 1.0f, {0, 0, 0}, {0, -32000, 0})}));
    EXPECT_NEAR(hermite->Evaluate(0.5f, 5).yaw, 32768.0f, 0.01f);
    EXPECT_NEAR(hermite->Evaluate(1.0f, 9).yaw, 33536.0f, 0.01f) << "1536 units, not 64000";
}

TEST(CubicHermiteInterp, FlatFovSegmentStaysExactlyFlat) {
    auto hermite = Hermite(Line({0, 10, 20}, {90, 90, 60}));
    for (float time : {0.0f, 0.1f, 0.3f, 0.5f, 0.7f, 0.99f})
        EXPECT_EQ(hermite->Evaluate(time, 5).FOV, 90.0f) << time;
    const float falling = hermite->Evaluate(1.5f, 15).FOV;
    EXPECT_LT(falling, 90.0f);
    EXPECT_GT(falling, 60.0f);
}

// Straight x 0, 100, 200: the free spline's slope at the middle is 10 units per frame. Handles
// 30 out and 30 back over 10 frames on each side pin it to 0.5 (9 + 9) = 9, arriving as well as
// leaving; a handle 20 out of the first waypoint clamps its slope to 3 * 20 / 10 = 6.
TEST(CubicHermiteInterp, CustomHandlesPinInteriorSlopesAndClampTheEnds) {
    auto path = Line({0, 100, 200});
    EXPECT_NEAR(SlopeAfter(*Hermite(path), *path, 10), 10.0f, 0.05f);
    CameraSnapshot& middle = path->at(10);
    middle.v3_bz_has_custom = true;
    middle.v3_bz_ctrl_out = {30, 0, 0};
    middle.v3_bz_ctrl_in = {-30, 0, 0};
    auto hermite = Hermite(path);
    EXPECT_NEAR(SlopeAfter(*hermite, *path, 10), 9.0f, 0.05f);
    EXPECT_NEAR((100.0f - hermite->Evaluate(1.0f - 0.001f, 5).x) / 0.01f, 9.0f, 0.05f);

    auto ends = Line({0, 100, 200});
    ends->at(0).v3_bz_has_custom = true;
    ends->at(0).v3_bz_ctrl_out = {20, 0, 0};
    EXPECT_NEAR(SlopeAfter(*Hermite(ends), *ends, 0), 6.0f, 0.05f);
    // The last waypoint's in-handle points back along the path: 20 back gives an arriving
    // slope of 6 as well, whatever its out-handle says.
    ends->at(20).v3_bz_has_custom = true;
    ends->at(20).v3_bz_ctrl_in = {-20, 0, 0};
    ends->at(20).v3_bz_ctrl_out = {50, 0, 0};
    EXPECT_NEAR((200.0f - Hermite(ends)->Evaluate(2.0f - 0.001f, 15).x) / 0.01f, 6.0f, 0.05f);
}

using Slopes = std::vector<float>;

TEST(SplineTangents, FewerThanThreePoints) {
    EXPECT_TRUE(SolveSplineTangents({}, {}, {}, {}, {}).empty());
    EXPECT_EQ(SolveSplineTangents({4}, {9}, {}, {}, {}), Slopes{0.0f});
    // Two points: the chord at both, clamped ends or not, unless pinned.
    EXPECT_EQ(SolveSplineTangents({0, 10}, {0, 50}, {}, {true, 1}, {true, 2}), (Slopes{5, 5}));
    const PinnedTangents pinned{{false, true}, {0, -3}};
    EXPECT_EQ(SolveSplineTangents({0, 10}, {0, 50}, pinned, {}, {}), (Slopes{5, -3}));
}

TEST(SplineTangents, NaturalClampedAndPinnedSlopes) {
    for (float slope : SolveSplineTangents({0, 10, 25, 30, 50}, {0, 20, 50, 60, 100}, {}, {}, {}))
        EXPECT_NEAR(slope, 2.0f, 1e-5f) << "a straight line keeps its slope";
    // Points 0, 1, 0 one apart: the natural spline is 1.5x - 0.5x^3 (mirrored), with slopes
    // 1.5, 0, -1.5.
    const Slopes natural = SolveSplineTangents({0, 1, 2}, {0, 1, 0}, {}, {}, {});
    EXPECT_NEAR(natural[0], 1.5f, 1e-6f);
    EXPECT_NEAR(natural[1], 0.0f, 1e-6f);
    EXPECT_NEAR(natural[2], -1.5f, 1e-6f);
    const PinnedTangents pinned{{false, false, true, false}, {0, 0, 7, 0}};
    const Slopes m = SolveSplineTangents({0, 1, 2, 3}, {0, 5, 1, 4}, pinned, {true, -2}, {true, 3});
    EXPECT_EQ((std::array{m[0], m[2], m[3]}), (std::array{-2.0f, 7.0f, 3.0f}));
    for (float slope : SolveSplineTangents({5, 5, 5, 6}, {0, 1, -1, 3}, {}, {}, {}))
        EXPECT_TRUE(std::isfinite(slope)) << "coincident frames";
}

TEST(MonotoneTangents, AgainstTheTrendBecomesZeroAndSteepIsScaledBack) {
    Slopes m = {1.0f, -0.5f, 1.0f};
    LimitMonotoneTangents({0, 1, 2}, {0, 1, 2}, m);
    EXPECT_EQ(m, (Slopes{1.0f, 0.0f, 1.0f}));
    // Chord slope 1; slopes (4, 4) have radius 5.66 > 3: scaled by 3 / 5.66 to 2.12 each.
    Slopes steep = {4.0f, 4.0f};
    LimitMonotoneTangents({0, 1}, {0, 1}, steep);
    EXPECT_NEAR(steep[0], 2.1213203f, 1e-6f);
    EXPECT_NEAR(steep[1], 2.1213203f, 1e-6f);
    Slopes gentle = {2.0f, 1.0f};
    LimitMonotoneTangents({0, 1}, {0, 1}, gentle);
    EXPECT_EQ(gentle, (Slopes{2.0f, 1.0f})) << "within the radius nothing changes";
}

} // namespace
