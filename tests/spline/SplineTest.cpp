// The spline module: every reference case bit for bit (==), from the project's own file and,
// when QUORVEL_SPLINE_VECTORS names one, a further file of the same format (splines with their
// control points, knots, evaluations and bisections; error cases with their messages); then
// checks against plain maths (through every point, natural ends, C2 joints) and its own rules.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "spline/Bisect.h"
#include "spline/Evaluate.h"
#include "spline/Interpolate.h"

namespace {

using namespace Quorvel::Spline;
using nlohmann::json;
using Numbers = std::vector<double>;

BSpline Interpolated(const Numbers& points, std::size_t dimension) {
    BSpline spline;
    const Status status = InterpolateCubicNatural(points, dimension, spline);
    EXPECT_TRUE(status.ok) << status.message;
    return spline;
}

BisectQuery QueryOf(const json& c) {
    return {c.at("value").get<double>(),     c.at("epsilon").get<double>(),
            c.at("persnickety").get<bool>(), c.at("index").get<std::size_t>(),
            c.at("ascending").get<bool>(),   c.at("max_iter").get<std::size_t>()};
}

void CheckEvaluation(const BSpline& spline, const json& e) {
    SCOPED_TRACE("evaluation at " + e.at("u").dump());
    DeBoorNet net;
    const Status status = Evaluate(spline, e.at("u").get<double>(), net);
    ASSERT_TRUE(status.ok) << status.message;
    EXPECT_EQ(net.knot, e.at("knot").get<double>());
    EXPECT_EQ(net.multiplicity, e.at("multiplicity").get<std::size_t>());
    EXPECT_EQ(net.NumResult(), e.at("num_result").get<std::size_t>());
    EXPECT_EQ(net.result, e.at("result").get<Numbers>());
}

void CheckBisection(const BSpline& spline, const json& b) {
    SCOPED_TRACE("bisection to " + b.at("value").dump() + " (" + b.value("note", "") + ")");
    const BisectQuery query = QueryOf(b);
    DeBoorNet net;
    std::size_t evaluations = 0;
    const Status status = Bisect(spline, query, net, &evaluations);
    ASSERT_TRUE(status.ok) << status.message;
    EXPECT_EQ(net.knot, b.at("knot").get<double>());
    EXPECT_EQ(net.NumResult(), b.at("num_result").get<std::size_t>());
    EXPECT_EQ(net.result, b.at("result").get<Numbers>());
    EXPECT_EQ(evaluations, b.at("evaluations").get<std::size_t>());
    const double miss = net.result[query.index] - query.value;
    EXPECT_EQ(std::fabs(miss) <= std::fabs(query.epsilon), b.at("within_epsilon").get<bool>());
}

void CheckError(const json& c, const json& splines) {
    const std::string operation = c.at("operation").get<std::string>();
    const std::string message = c.at("error_message").get<std::string>();
    BSpline spline;
    DeBoorNet net;
    Status status;
    if (operation == "interpolate_cubic_natural") {
        status = InterpolateCubicNatural(c.at("points").get<Numbers>(),
                                         c.at("dimension").get<std::size_t>(), spline);
        EXPECT_TRUE(spline.IsEmpty()) << "a failed interpolation must leave the spline alone";
    } else {
        const auto named = std::find_if(splines.begin(), splines.end(), [&](const json& s) {
            return s.at("id") == c.at("spline");
        });
        ASSERT_NE(named, splines.end()) << "unknown spline " << c.at("spline");
        spline = Interpolated(named->at("points"), named->at("dimension"));
        ASSERT_TRUE(operation == "eval" || operation == "bisect") << operation;
        status = operation == "eval" ? Evaluate(spline, c.at("u").get<double>(), net)
                                     : Bisect(spline, QueryOf(c), net);
    }
    if (message == "(no error)") {
        ASSERT_TRUE(status.ok) << status.message;
        EXPECT_EQ(net.result, c.at("result").get<Numbers>());
    } else {
        EXPECT_FALSE(status.ok);
        EXPECT_EQ(status.message, message);
    }
}

// Checks every case of a file and gives the numbers of splines and of error cases in it. A file
// that cannot be read or parsed, or a case without a field it needs, throws: the test fails.
std::pair<std::size_t, std::size_t> CheckFile(const std::string& path) {
    std::ifstream in(path);
    EXPECT_TRUE(in) << "cannot open " << path;
    const json root = json::parse(in);
    const json& splines = root.at("splines");
    const json errors = root.value("errors", json::array());
    for (const json& c : splines) {
        SCOPED_TRACE("spline " + c.at("id").get<std::string>());
        const BSpline spline = Interpolated(c.at("points"), c.at("dimension"));
        EXPECT_EQ(BSpline::kDegree, c.at("degree").get<std::size_t>());
        EXPECT_EQ(spline.Dimension(), c.at("dimension").get<std::size_t>());
        EXPECT_EQ(spline.ControlPoints(), c.at("control_points").get<Numbers>());
        EXPECT_EQ(spline.Knots(), c.at("knots").get<Numbers>());
        for (const json& e : c.at("evaluations"))
            CheckEvaluation(spline, e);
        for (const json& b : c.at("bisections"))
            CheckBisection(spline, b);
    }
    for (const json& c : errors) {
        SCOPED_TRACE("error case " + c.dump());
        CheckError(c, splines);
    }
    return {splines.size(), errors.size()};
}

TEST(SplineVectors, EveryCaseOfTheProjectsFile) {
    const auto [splines, errors] = CheckFile(QUORVEL_TEST_DATA "/spline-vectors.json");
    EXPECT_GT(splines, 0u);
    EXPECT_GT(errors, 0u);
}

// Read when the test runs, not when the tests are listed, so a file can be named at any time.
TEST(SplineVectors, EveryCaseOfTheFileNamedByTheEnvironment) {
    const char* path = std::getenv("QUORVEL_SPLINE_VECTORS");
    if (!path || !*path)
        GTEST_SKIP() << "QUORVEL_SPLINE_VECTORS is not set";
    const auto [splines, errors] = CheckFile(path);
    EXPECT_GT(splines + errors, 0u) << path << " holds no cases";
}

// --- Plain maths and the module's own rules ---------------------------------------------------

// Coordinate j of control point p of segment s.
double Control(const BSpline& spline, std::size_t s, std::size_t p, std::size_t j) {
    return spline.ControlPoints()[(4 * s + p) * spline.Dimension() + j];
}

// The second difference of a segment's control polygon at its start (p = 0) or end (p = 1):
// proportional to the second derivative there, in the segment's own parameter.
double Second(const BSpline& spline, std::size_t s, std::size_t p, std::size_t j) {
    return Control(spline, s, p, j) - 2.0 * Control(spline, s, p + 1, j) +
           Control(spline, s, p + 2, j);
}

struct RandomPath {
    std::size_t count;
    std::size_t dimension;
    double scale;
};

class NaturalCubicMaths : public testing::TestWithParam<RandomPath> {};

TEST_P(NaturalCubicMaths, NaturalC2CubicThroughEveryPoint) {
    const auto [n, dim, scale] = GetParam();
    std::mt19937 generator(7);
    std::uniform_real_distribution<double> value(-scale, scale);
    std::vector<double> points(n * dim);
    std::generate(points.begin(), points.end(), [&] { return value(generator); });
    const BSpline spline = Interpolated(points, dim);
    for (std::size_t i = 0; i < n; ++i) {
        DeBoorNet net;
        // Joint i sits on the i-th distinct knot, four entries per knot.
        ASSERT_TRUE(Evaluate(spline, spline.Knots()[4 * i], net).ok);
        for (std::size_t j = 0; j < dim; ++j) {
            const double expected = points[i * dim + j];
            if (i == 0 || i == n - 1)
                EXPECT_EQ(net.result[j], expected) << "end point " << i; // met exactly
            else
                EXPECT_NEAR(net.result[j], expected, 3e-8 * scale) << "point " << i;
        }
    }
    for (std::size_t j = 0; j < dim; ++j) {
        EXPECT_NEAR(Second(spline, 0, 0, j), 0.0, 1e-7 * scale) << "natural start";
        EXPECT_NEAR(Second(spline, n - 2, 1, j), 0.0, 1e-7 * scale) << "natural end";
        for (std::size_t s = 1; s + 1 < n; ++s) {
            SCOPED_TRACE(testing::Message() << "joint " << s << " coordinate " << j);
            EXPECT_EQ(Control(spline, s - 1, 3, j), Control(spline, s, 0, j));
            EXPECT_NEAR(Control(spline, s - 1, 3, j) - Control(spline, s - 1, 2, j),
                        Control(spline, s, 1, j) - Control(spline, s, 0, j), 1e-7 * scale);
            EXPECT_NEAR(Second(spline, s - 1, 1, j), Second(spline, s, 0, j), 1e-7 * scale);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Paths, NaturalCubicMaths,
                         testing::Values(RandomPath{2, 2, 1.0}, RandomPath{3, 4, 100.0},
                                         RandomPath{4, 1, 10.0}, RandomPath{9, 3, 5000.0},
                                         RandomPath{60, 4, 30000.0}));

TEST(NaturalCubic, AcceptsTwoThousandFiveHundredPointsAndRefusesOneMore) {
    BSpline spline;
    EXPECT_TRUE(InterpolateCubicNatural(std::vector<double>(2 * 2500, 1.0), 2, spline).ok);
    EXPECT_EQ(spline.Knots().size(), 10000u);

    const Status status = InterpolateCubicNatural(std::vector<double>(2 * 2501, 1.0), 2, spline);
    EXPECT_FALSE(status.ok);
    EXPECT_EQ(status.message, "unsupported number of knots: 10004 > 10000");
    EXPECT_EQ(spline.Knots().size(), 10000u) << "a refused input leaves the spline as it was";
}

TEST(SplineEvaluation, DefaultSplineFailsWithoutTouchingTheResult) {
    DeBoorNet net;
    net.knot = 0.25;
    EXPECT_FALSE(Evaluate(BSpline(), 0.5, net).ok);
    EXPECT_FALSE(Bisect(BSpline(), BisectQuery(), net).ok);
    EXPECT_EQ(net.knot, 0.25);
}

TEST(SplineEvaluation, ParametersWithinTheKnotToleranceSnapOntoTheKnot) {
    const BSpline spline = Interpolated({0, 0, 1, 2, 3, -1, 3.5, 4}, 2);
    const double joint = spline.Knots()[4];
    DeBoorNet onKnot, near, beyond;
    ASSERT_TRUE(Evaluate(spline, joint, onKnot).ok);
    for (double offset : {-9.9e-5, -1e-6, 1e-6, 9.9e-5}) {
        ASSERT_TRUE(Evaluate(spline, joint + offset, near).ok);
        EXPECT_EQ(near.knot, joint) << offset;
        EXPECT_EQ(near.result, onKnot.result) << offset;
    }
    ASSERT_TRUE(Evaluate(spline, joint + 1.1e-4, beyond).ok);
    EXPECT_NE(beyond.knot, joint);
    EXPECT_EQ(beyond.NumResult(), 1u);
}

// An index equal to the dimension would read past the point, so it is refused like a larger one.
TEST(SplineBisection, OnlyIndicesBelowTheDimensionAreAccepted) {
    const BSpline spline = Interpolated({0, 0, 1, 2, 3, -1, 3.5, 4}, 2);
    BisectQuery query{1.0, 1e-3}; // value, epsilon
    const std::pair<std::size_t, const char*> cases[] = {
        {0, ""}, {1, ""}, {2, "dimension (2) <= index (2)"}, {3, "dimension (2) <= index (3)"}};
    for (const auto& [index, message] : cases) {
        query.index = index;
        DeBoorNet net;
        const Status status = Bisect(spline, query, net);
        EXPECT_EQ(status.ok, *message == '\0') << index;
        EXPECT_EQ(status.message, message) << index;
    }
}

TEST(SplineBisection, DescendingSearchFollowsFallingData) {
    // The first coordinate falls from 10 to 0.
    const BSpline spline = Interpolated({10, 0, 7, 1, 4, 2, 0, 3}, 2);
    BisectQuery query{5.5, 1e-4, false, 0, false}; // value, epsilon, persnickety, index, ascending
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

} // namespace
