// The Hermite-family helpers: the cubic blends, the spline slope solve and the overshoot
// limiter.

#include <gtest/gtest.h>

#include <cmath>

#include "interp/CubicBases.h"
#include "interp/SplineTangents.h"

namespace {

TEST(CubicBases, HermiteMeetsItsEndsAndSlopes) {
    EXPECT_EQ(HermiteBasis(0.0f, 3.0f, 100.0f, 7.0f, -50.0f), 3.0f);
    EXPECT_EQ(HermiteBasis(1.0f, 3.0f, 100.0f, 7.0f, -50.0f), 7.0f);
    // Equal slopes equal to the chord give the straight line.
    EXPECT_FLOAT_EQ(HermiteBasis(0.3f, 10.0f, 20.0f, 30.0f, 20.0f), 16.0f);
}

TEST(CubicBases, CatmullRomWorkedValue) {
    EXPECT_EQ(CatmullRomBasis(0.0f, 0, 10, 20, 40), 10.0f);
    EXPECT_EQ(CatmullRomBasis(0.5f, 0, 10, 20, 40), 14.375f);
    EXPECT_FLOAT_EQ(CatmullRomBasis(1.0f, 0, 10, 20, 40), 20.0f);
}

TEST(SplineTangents, FewerThanTwoPointsGiveZeros) {
    EXPECT_TRUE(SolveSplineTangents({}, {}, {}, {}, {}).empty());
    EXPECT_EQ(SolveSplineTangents({4}, {9}, {}, {}, {}), std::vector<float>{0.0f});
}

TEST(SplineTangents, TwoPointsGiveTheChordUnlessPinned) {
    EXPECT_EQ(SolveSplineTangents({0, 10}, {0, 50}, {}, {true, 1}, {true, 2}),
              (std::vector<float>{5, 5}));
    const PinnedTangents pinned{{false, true}, {0, -3}};
    EXPECT_EQ(SolveSplineTangents({0, 10}, {0, 50}, pinned, {}, {}), (std::vector<float>{5, -3}));
}

TEST(SplineTangents, NaturalSplineOfAStraightLineHasTheLineSlope) {
    const std::vector<float> m =
        SolveSplineTangents({0, 10, 25, 30, 50}, {0, 20, 50, 60, 100}, {}, {}, {});
    for (float slope : m)
        EXPECT_NEAR(slope, 2.0f, 1e-5f);
}

TEST(SplineTangents, NaturalEndsHaveZeroSecondDerivative) {
    // Points 0, 1, 0 one apart: the natural spline is 1.5x - 0.5x^3 (mirrored), with slopes
    // 1.5, 0, -1.5.
    const std::vector<float> m = SolveSplineTangents({0, 1, 2}, {0, 1, 0}, {}, {}, {});
    EXPECT_NEAR(m[0], 1.5f, 1e-6f);
    EXPECT_NEAR(m[1], 0.0f, 1e-6f);
    EXPECT_NEAR(m[2], -1.5f, 1e-6f);
}

TEST(SplineTangents, ClampedEndsAndPinnedPointsKeepTheirValues) {
    const PinnedTangents pinned{{false, false, true, false}, {0, 0, 7, 0}};
    const std::vector<float> m =
        SolveSplineTangents({0, 1, 2, 3}, {0, 5, 1, 4}, pinned, {true, -2}, {true, 3});
    EXPECT_EQ(m[0], -2.0f);
    EXPECT_EQ(m[2], 7.0f);
    EXPECT_EQ(m[3], 3.0f);
}

TEST(SplineTangents, CoincidentFramesStayFinite) {
    const std::vector<float> m = SolveSplineTangents({5, 5, 5, 6}, {0, 1, -1, 3}, {}, {}, {});
    for (float slope : m)
        EXPECT_TRUE(std::isfinite(slope));
}

TEST(MonotoneTangents, FlatIntervalGetsFlatEnds) {
    std::vector<float> m = {-1.0f, -2.0f, -1.5f};
    LimitMonotoneTangents({0, 10, 20}, {90, 90, 60}, m);
    EXPECT_EQ(m[0], 0.0f);
    EXPECT_EQ(m[1], 0.0f);
    EXPECT_EQ(m[2], -1.5f);
}

TEST(MonotoneTangents, SlopeAgainstTheTrendBecomesZero) {
    std::vector<float> m = {1.0f, -0.5f, 1.0f};
    LimitMonotoneTangents({0, 1, 2}, {0, 1, 2}, m);
    EXPECT_EQ(m[1], 0.0f);
    EXPECT_EQ(m[0], 1.0f);
}

TEST(MonotoneTangents, SteepSlopesAreScaledBackToThreeTimesTheChordRadius) {
    // Chord slope 1; slopes (4, 4) have radius 5.66 > 3: scaled by 3 / 5.66 to 2.12 each.
    std::vector<float> m = {4.0f, 4.0f};
    LimitMonotoneTangents({0, 1}, {0, 1}, m);
    EXPECT_NEAR(m[0], 2.1213203f, 1e-6f);
    EXPECT_NEAR(m[1], 2.1213203f, 1e-6f);
    // Within the radius nothing changes.
    std::vector<float> gentle = {2.0f, 1.0f};
    LimitMonotoneTangents({0, 1}, {0, 1}, gentle);
    EXPECT_EQ(gentle, (std::vector<float>{2.0f, 1.0f}));
}

} // namespace
