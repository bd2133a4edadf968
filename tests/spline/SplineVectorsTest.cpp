// Every reference case of the spline module, bit for bit: the project's own file and, when the
// environment variable QUORVEL_SPLINE_VECTORS names one, a further file of the same format.

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "SplineVectors.h"
#include "spline/Bisect.h"
#include "spline/Evaluate.h"
#include "spline/Interpolate.h"

namespace {

using namespace Quorvel::Spline;
using SplineVectors::BisectionCase;
using SplineVectors::ErrorCase;
using SplineVectors::SplineCase;
using SplineVectors::VectorFile;

std::string TestName(std::string text) {
    for (char& c : text)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return text;
}

BSpline Interpolated(const std::vector<double>& points, std::size_t dimension) {
    BSpline spline;
    const Status status = InterpolateCubicNatural(points, dimension, spline);
    EXPECT_TRUE(status.ok) << status.message;
    return spline;
}

BisectQuery QueryOf(const BisectionCase& c) {
    BisectQuery q;
    q.value = c.value;
    q.epsilon = c.epsilon;
    q.persnickety = c.persnickety;
    q.index = c.index;
    q.ascending = c.ascending;
    q.maxIterations = c.maxIterations;
    return q;
}

// --- Checks, one per kind of case ---------------------------------------------------------

void CheckConstruction(const SplineCase& c) {
    const BSpline spline = Interpolated(c.points, c.dimension);
    EXPECT_EQ(BSpline::kDegree, c.degree);
    EXPECT_EQ(spline.Dimension(), c.dimension);
    EXPECT_EQ(spline.ControlPoints(), c.controlPoints);
    EXPECT_EQ(spline.Knots(), c.knots);
    ASSERT_EQ(c.domain.size(), 2u);
    ASSERT_FALSE(spline.Knots().empty());
    EXPECT_EQ(spline.Knots()[BSpline::kDegree], c.domain[0]);
    EXPECT_EQ(spline.Knots()[spline.Knots().size() - BSpline::kOrder], c.domain[1]);
}

void CheckEvaluations(const SplineCase& c) {
    const BSpline spline = Interpolated(c.points, c.dimension);
    for (const auto& e : c.evaluations) {
        SCOPED_TRACE(testing::Message() << "u = " << e.u);
        DeBoorNet net;
        const Status status = Evaluate(spline, e.u, net);
        ASSERT_TRUE(status.ok) << status.message;
        EXPECT_EQ(net.knot, e.knot);
        EXPECT_EQ(net.multiplicity, e.multiplicity);
        EXPECT_EQ(net.NumResult(), e.numResult);
        EXPECT_EQ(net.result, e.result);
    }
}

void CheckBisections(const SplineCase& c) {
    const BSpline spline = Interpolated(c.points, c.dimension);
    for (const auto& b : c.bisections) {
        SCOPED_TRACE(testing::Message() << "value = " << b.value << " (" << b.note << ")");
        DeBoorNet net;
        std::size_t evaluations = 0;
        const Status status = Bisect(spline, QueryOf(b), net, &evaluations);
        ASSERT_TRUE(status.ok) << status.message;
        EXPECT_EQ(net.knot, b.knot);
        EXPECT_EQ(net.NumResult(), b.numResult);
        EXPECT_EQ(net.result, b.result);
        EXPECT_EQ(evaluations, b.evaluations);
        const double miss = net.result[b.index] - b.value;
        EXPECT_EQ(std::fabs(miss) <= std::fabs(b.epsilon), b.withinEpsilon);
    }
}

// "(no error)" expects success with the given result; any other text is the failure message.
void ExpectOutcome(const ErrorCase& c, const Status& status, const DeBoorNet& net) {
    if (c.message == "(no error)") {
        ASSERT_TRUE(status.ok) << status.message;
        EXPECT_EQ(net.result, c.result);
    } else {
        EXPECT_FALSE(status.ok);
        EXPECT_EQ(status.message, c.message);
    }
}

void CheckError(const ErrorCase& c) {
    if (c.operation == "interpolate_cubic_natural") {
        BSpline spline;
        const Status status = InterpolateCubicNatural(c.points, c.dimension, spline);
        EXPECT_FALSE(status.ok);
        EXPECT_EQ(status.message, c.message);
        EXPECT_TRUE(spline.IsEmpty()) << "a failed interpolation must leave the spline alone";
        return;
    }
    const BSpline spline = Interpolated(c.points, c.dimension);
    DeBoorNet net;
    if (c.operation == "eval") {
        ExpectOutcome(c, Evaluate(spline, c.u, net), net);
    } else {
        ASSERT_EQ(c.operation, "bisect");
        ExpectOutcome(c, Bisect(spline, QueryOf(c.bisection), net), net);
    }
}

// --- The project's own reference file, one test per case --------------------------------------

const VectorFile& BuiltinFile() {
    static const VectorFile file = SplineVectors::Load(QUORVEL_TEST_DATA "/spline-vectors.json");
    return file;
}

TEST(SplineVectorFile, LoadsWithCases) {
    EXPECT_EQ(BuiltinFile().loadError, "");
    EXPECT_FALSE(BuiltinFile().splines.empty());
    EXPECT_FALSE(BuiltinFile().errors.empty());
}

class SplineVectorTest : public testing::TestWithParam<std::size_t> {
protected:
    const SplineCase& Case() const { return BuiltinFile().splines[GetParam()]; }
};

TEST_P(SplineVectorTest, InterpolationGivesTheReferenceControlPointsAndKnots) {
    CheckConstruction(Case());
}

TEST_P(SplineVectorTest, EvaluationsMatchTheReference) {
    CheckEvaluations(Case());
}

TEST_P(SplineVectorTest, BisectionsMatchTheReference) {
    CheckBisections(Case());
}

INSTANTIATE_TEST_SUITE_P(Reference, SplineVectorTest,
                         testing::Range<std::size_t>(0, BuiltinFile().splines.size()),
                         [](const testing::TestParamInfo<std::size_t>& info) {
                             return TestName(BuiltinFile().splines[info.param].id);
                         });

class SplineErrorTest : public testing::TestWithParam<std::size_t> {};

TEST_P(SplineErrorTest, ReportsTheReferenceOutcome) {
    CheckError(BuiltinFile().errors[GetParam()]);
}

INSTANTIATE_TEST_SUITE_P(Reference, SplineErrorTest,
                         testing::Range<std::size_t>(0, BuiltinFile().errors.size()),
                         [](const testing::TestParamInfo<std::size_t>& info) {
                             return TestName(BuiltinFile().errors[info.param].id + "_" +
                                             std::to_string(info.param));
                         });

// --- A further file named when the tests run ---------------------------------------------------

// Read when the test runs, not when the tests are listed, so a file can be named at any time.
TEST(SplineVectorFile, EveryCaseOfTheFileNamedByTheEnvironment) {
    const char* path = std::getenv("QUORVEL_SPLINE_VECTORS");
    if (!path || !*path)
        GTEST_SKIP() << "QUORVEL_SPLINE_VECTORS is not set";
    const VectorFile file = SplineVectors::Load(path);
    ASSERT_EQ(file.loadError, "") << path;
    ASSERT_FALSE(file.splines.empty() && file.errors.empty()) << path << " holds no cases";
    for (const SplineCase& c : file.splines) {
        SCOPED_TRACE("spline " + c.id);
        CheckConstruction(c);
        CheckEvaluations(c);
        CheckBisections(c);
    }
    for (const ErrorCase& c : file.errors) {
        SCOPED_TRACE("error case " + c.id);
        CheckError(c);
    }
}

} // namespace
