// The spline module checked against plain maths and its own documented rules: the curve passes
// through its points, is natural at both ends and C2 at every joint; limits and messages.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "spline/Bisect.h"
#include "spline/Evaluate.h"
#include "spline/Interpolate.h"

namespace {

using namespace Quorvel::Spline;

BSpline Interpolated(const std::vector<double>& points, std::size_t dimension) {
    BSpline spline;
    const Status status = InterpolateCubicNatural(points, dimension, spline);
    EXPECT_TRUE(status.ok) << status.message;
    return spline;
}

// Coordinate j of control point p of segment s.
double Control(const BSpline& spline, std::size_t s, std::size_t p, std::size_t j) {
    return spline.ControlPoints()[(4 * s + p) * spline.Dimension() + j];
}

// Second differences of a Bezier segment's control polygon at its start and end: proportional
// to the second derivative there, in the segment's own parameter.
double SecondAtStart(const BSpline& s, std::size_t seg, std::size_t j) {
    return Control(s, seg, 0, j) - 2.0 * Control(s, seg, 1, j) + Control(s, seg, 2, j);
}
double SecondAtEnd(const BSpline& s, std::size_t seg, std::size_t j) {
    return Control(s, seg, 1, j) - 2.0 * Control(s, seg, 2, j) + Control(s, seg, 3, j);
}

struct RandomPath {
    std::size_t count;
    std::size_t dimension;
    double scale;
};

std::vector<double> MakePoints(const RandomPath& path, unsigned seed) {
    std::mt19937 generator(seed);
    std::uniform_real_distribution<double> value(-path.scale, path.scale);
    std::vector<double> points(path.count * path.dimension);
    std::generate(points.begin(), points.end(), [&] { return value(generator); });
    return points;
}

class NaturalCubicMaths : public testing::TestWithParam<RandomPath> {};

TEST_P(NaturalCubicMaths, PassesThroughEveryPointAtItsKnot) {
    const RandomPath path = GetParam();
    const std::vector<double> points = MakePoints(path, 7);
    const BSpline spline = Interpolated(points, path.dimension);
    const std::size_t n = path.count;
    for (std::size_t i = 0; i < n; ++i) {
        DeBoorNet net;
        // Joint i sits on the i-th distinct knot, four entries per knot.
        ASSERT_TRUE(Evaluate(spline, spline.Knots()[4 * i], net).ok);
        for (std::size_t j = 0; j < path.dimension; ++j) {
            const double expected = points[i * path.dimension + j];
            if (i == 0 || i == n - 1)
                EXPECT_EQ(net.result[j], expected) << "end point " << i; // met exactly
            else
                EXPECT_NEAR(net.result[j], expected, 3e-8 * path.scale) << "point " << i;
        }
    }
}

TEST_P(NaturalCubicMaths, SecondDerivativeIsZeroAtBothEnds) {
    const RandomPath path = GetParam();
    const BSpline spline = Interpolated(MakePoints(path, 11), path.dimension);
    const std::size_t last = path.count - 2;
    for (std::size_t j = 0; j < path.dimension; ++j) {
        EXPECT_NEAR(SecondAtStart(spline, 0, j), 0.0, 1e-7 * path.scale);
        EXPECT_NEAR(SecondAtEnd(spline, last, j), 0.0, 1e-7 * path.scale);
    }
}

TEST_P(NaturalCubicMaths, FirstAndSecondDerivativesAgreeAtInteriorJoints) {
    const RandomPath path = GetParam();
    const BSpline spline = Interpolated(MakePoints(path, 13), path.dimension);
    for (std::size_t seg = 1; seg + 1 < path.count; ++seg)
        for (std::size_t j = 0; j < path.dimension; ++j) {
            SCOPED_TRACE(testing::Message() << "joint " << seg << " coordinate " << j);
            const double slopeIn = Control(spline, seg - 1, 3, j) - Control(spline, seg - 1, 2, j);
            const double slopeOut = Control(spline, seg, 1, j) - Control(spline, seg, 0, j);
            EXPECT_EQ(Control(spline, seg - 1, 3, j), Control(spline, seg, 0, j));
            EXPECT_NEAR(slopeIn, slopeOut, 1e-7 * path.scale);
            EXPECT_NEAR(SecondAtEnd(spline, seg - 1, j), SecondAtStart(spline, seg, j),
                        1e-7 * path.scale);
        }
}

INSTANTIATE_TEST_SUITE_P(Paths, NaturalCubicMaths,
                         testing::Values(RandomPath{2, 2, 1.0}, RandomPath{3, 4, 100.0},
                                         RandomPath{4, 1, 10.0}, RandomPath{9, 3, 5000.0},
                                         RandomPath{60, 4, 30000.0}));

TEST(NaturalCubic, WorkedCaseControlPoints) {
    const BSpline spline = Interpolated({0, 0, 2, 1, 3, 3, 5, 2}, 2);
    const std::vector<double> expected = {0,
                                          0,
                                          0.77777780095736193,
                                          0.17777778307596842,
                                          1.5555556019147239,
                                          0.35555556615193684,
                                          2.0000000596046448,
                                          1.0000000298023224,
                                          2.0000000596046448,
                                          1.0000000298023224,
                                          2.4444445172945661,
                                          1.644444493452708,
                                          2.5555556317170458,
                                          2.7555556376775105,
                                          3.0000000894069672,
                                          3.0000000894069672,
                                          3.0000000894069672,
                                          3.0000000894069672,
                                          3.4444445470968881,
                                          3.2444445411364238,
                                          4.2222223480542498,
                                          2.6222223003705345,
                                          5,
                                          2};
    EXPECT_EQ(spline.ControlPoints(), expected);
}

TEST(NaturalCubic, InteriorKnotsAreFloatFractionsWidened) {
    const BSpline spline = Interpolated({0, 1, 2, 3}, 1);
    const std::vector<double> expected = {0,
                                          0,
                                          0,
                                          0,
                                          0.3333333432674408,
                                          0.3333333432674408,
                                          0.3333333432674408,
                                          0.3333333432674408,
                                          0.6666666865348816,
                                          0.6666666865348816,
                                          0.6666666865348816,
                                          0.6666666865348816,
                                          1,
                                          1,
                                          1,
                                          1};
    EXPECT_EQ(spline.Knots(), expected);
}

TEST(NaturalCubic, AcceptsTwoThousandFiveHundredPointsAndRefusesOneMore) {
    BSpline spline;
    EXPECT_TRUE(InterpolateCubicNatural(std::vector<double>(2 * 2500, 1.0), 2, spline).ok);
    EXPECT_EQ(spline.Knots().size(), 10000u);

    const Status status = InterpolateCubicNatural(std::vector<double>(2 * 2501, 1.0), 2, spline);
    EXPECT_FALSE(status.ok);
    EXPECT_EQ(status.message, "unsupported number of knots: 10004 > 10000");
    EXPECT_EQ(spline.Knots().size(), 10000u) << "a refused input leaves the spline as it was";
}

// --- Evaluation and bisection rules ------------------------------------------------------------

TEST(SplineEvaluation, DefaultSplineFailsWithoutTouchingTheResult) {
    DeBoorNet net;
    net.knot = 0.25;
    EXPECT_FALSE(Evaluate(BSpline(), 0.5, net).ok);
    EXPECT_EQ(net.knot, 0.25);
    BisectQuery query;
    EXPECT_FALSE(Bisect(BSpline(), query, net).ok);
}

TEST(SplineEvaluation, ParametersWithinTheKnotToleranceSnapOntoTheKnot) {
    const BSpline spline = Interpolated({0, 0, 1, 2, 3, -1, 3.5, 4}, 2);
    const double joint = spline.Knots()[4];
    DeBoorNet onKnot;
    ASSERT_TRUE(Evaluate(spline, joint, onKnot).ok);
    for (double offset : {-9.9e-5, -1e-6, 1e-6, 9.9e-5}) {
        DeBoorNet near;
        ASSERT_TRUE(Evaluate(spline, joint + offset, near).ok);
        EXPECT_EQ(near.knot, joint) << offset;
        EXPECT_EQ(near.result, onKnot.result) << offset;
    }
    DeBoorNet beyond;
    ASSERT_TRUE(Evaluate(spline, joint + 1.1e-4, beyond).ok);
    EXPECT_NE(beyond.knot, joint);
    EXPECT_EQ(beyond.NumResult(), 1u);
}

struct IndexCase {
    std::size_t index;
    const char* message; // empty: accepted
};

class BisectIndex : public testing::TestWithParam<IndexCase> {};

// An index equal to the dimension would read past the point, so it is refused like a larger one.
TEST_P(BisectIndex, OnlyIndicesBelowTheDimensionAreAccepted) {
    const BSpline spline = Interpolated({0, 0, 1, 2, 3, -1, 3.5, 4}, 2);
    BisectQuery query;
    query.value = 1.0;
    query.epsilon = 1e-3;
    query.index = GetParam().index;
    DeBoorNet net;
    const Status status = Bisect(spline, query, net);
    if (*GetParam().message == '\0') {
        EXPECT_TRUE(status.ok) << status.message;
    } else {
        EXPECT_FALSE(status.ok);
        EXPECT_EQ(status.message, GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(Indices, BisectIndex,
                         testing::Values(IndexCase{0, ""}, IndexCase{1, ""},
                                         IndexCase{2, "dimension (2) <= index (2)"},
                                         IndexCase{3, "dimension (2) <= index (3)"}));

TEST(SplineBisection, DescendingSearchFollowsFallingData) {
    // First coordinate falls from 10 to 0.
    const BSpline spline = Interpolated({10, 0, 7, 1, 4, 2, 0, 3}, 2);
    BisectQuery query;
    query.value = 5.5;
    query.epsilon = 1e-4;
    query.ascending = false;
    DeBoorNet net;
    ASSERT_TRUE(Bisect(spline, query, net).ok);
    EXPECT_NEAR(net.result[0], 5.5, 1e-4);

    // Assuming it rises instead runs the search to the wrong end of the domain.
    query.ascending = true;
    std::size_t evaluations = 0;
    ASSERT_TRUE(Bisect(spline, query, net, &evaluations).ok);
    EXPECT_EQ(evaluations, query.maxIterations + 1);
    EXPECT_GT(std::fabs(net.result[0] - 5.5), 1.0);
}

TEST(SplineBisection, BoundOfThirtyAllowsThirtyOneEvaluations) {
    const BSpline spline = Interpolated({0, 0, 1, 2, 3, -1, 3.5, 4}, 2);
    BisectQuery query;
    query.value = 2.2;
    query.epsilon = 0.0; // never met exactly: the search runs to its bound
    query.maxIterations = 30;
    DeBoorNet net;
    std::size_t evaluations = 0;
    ASSERT_TRUE(Bisect(spline, query, net, &evaluations).ok);
    EXPECT_EQ(evaluations, 31u);
    EXPECT_NEAR(net.result[0], 2.2, 1e-6);
}

} // namespace
