// The allocation-free reader gives the library's own results bit for bit: evaluation anywhere
// in the domain (joints and their snapping distance included) and bisection, on splines whose
// first coordinate rises, falls back, or is searched downwards.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

#include "spline/Bisect.h"
#include "spline/Evaluate.h"
#include "spline/Interpolate.h"
#include "spline/SplineReader.h"

namespace {

using namespace Quorvel::Spline;

std::uint64_t Bits(double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// n points of the given dimension; coordinate 0 rises by 0.5 to 3.5 a point (a replay time)
// unless `wobbly`, where it also steps back now and then.
BSpline RandomSpline(std::mt19937& random, std::size_t n, std::size_t dim, bool wobbly) {
    std::uniform_real_distribution<double> gap(0.5, 3.5), value(-5000.0, 5000.0);
    std::vector<double> points;
    double time = 10.0;
    for (std::size_t i = 0; i < n; ++i) {
        time += wobbly && i % 3 == 2 ? -2.0 * gap(random) : gap(random);
        points.push_back(time);
        for (std::size_t j = 1; j < dim; ++j)
            points.push_back(value(random));
    }
    BSpline spline;
    EXPECT_TRUE(InterpolateCubicNatural(points, dim, spline).ok);
    return spline;
}

std::vector<double> ReaderPoint(const SplineReader& reader, double u) {
    std::vector<double> point(reader.Spline().Dimension());
    reader.PointAt(reader.Locate(u), point.data());
    return point;
}

void ExpectSameBits(const std::vector<double>& actual, const std::vector<double>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t j = 0; j < actual.size(); ++j)
        EXPECT_EQ(Bits(actual[j]), Bits(expected[j])) << "coordinate " << j;
}

// Parameters all over the domain, and at, just off and within the snapping distance of every
// joint.
std::vector<double> Parameters(std::mt19937& random, const BSpline& spline) {
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::vector<double> us = {0.0, 1.0, 0.5, 1.0 - 5e-5, 5e-5, 1.0 - 2e-4};
    for (int i = 0; i < 200; ++i)
        us.push_back(unit(random));
    for (std::size_t k = 0; k < spline.Knots().size(); k += 4)
        for (double off : {0.0, 1e-12, -1e-12, 9.9e-5, -9.9e-5, 1.01e-4, -1.01e-4})
            if (spline.Knots()[k] + off >= 0.0 && spline.Knots()[k] + off <= 1.0)
                us.push_back(spline.Knots()[k] + off);
    return us;
}

TEST(SplineReader, PointsAndCoordinatesAreTheLibrarysEverywhereInTheDomain) {
    std::mt19937 random(7);
    for (std::size_t n : {4u, 5u, 20u, 101u})
        for (std::size_t dim : {2u, 4u}) {
            const BSpline spline = RandomSpline(random, n, dim, false);
            const SplineReader reader(spline);
            ASSERT_TRUE(reader.IsUsable());
            for (double u : Parameters(random, spline)) {
                SCOPED_TRACE(testing::Message() << n << " points, u " << u);
                DeBoorNet net;
                ASSERT_TRUE(Evaluate(spline, u, net).ok);
                ExpectSameBits(ReaderPoint(reader, u), net.Point());
                EXPECT_EQ(Bits(reader.CoordinateAt(u, dim - 1)), Bits(net.Point()[dim - 1]));
            }
        }
}

// Bisect's point against the reader's, for queries of every kind the reader takes.
void ExpectSameBisections(SplineReader& reader, std::mt19937& random, bool ascending,
                          std::size_t index, std::size_t maxIterations) {
    const BSpline& spline = reader.Spline();
    const std::vector<double>& cp = spline.ControlPoints();
    const double first = cp[index], last = cp[cp.size() - spline.Dimension() + index];
    std::uniform_real_distribution<double> inside(std::min(first, last), std::max(first, last));
    std::vector<double> values = {first, last, first - 1.0, last + 1.0};
    for (int i = 0; i < 300; ++i)
        values.push_back(inside(random));
    // A sweep in small steps, as a path is sampled.
    for (int i = 0; i <= 400; ++i)
        values.push_back(first + (last - first) * i / 400.0);
    // On, just off and about epsilon off the grid's points, where a search may end on the grid.
    const double cells = double(std::size_t{1} << SplineReader::kGridDepth);
    for (double k : {1.0, 2.0, 3.0, 100.0, 1024.0, 2048.0, 3001.0, cells - 1.0}) {
        const double atPoint = reader.CoordinateAt(k / cells, index);
        for (double off : {0.0, 1e-9, -1e-9, 1.0 / 7500.0, -1.0 / 7500.0, 0.01, -0.01, 0.0101})
            values.push_back(atPoint + off);
    }
    for (double epsilon : {1.0 / 7500.0, 0.01, 0.0})
        for (double value : values) {
            SCOPED_TRACE(testing::Message() << "value " << value << " epsilon " << epsilon);
            BisectQuery query;
            query.value = value;
            query.epsilon = epsilon;
            query.index = index;
            query.ascending = ascending;
            query.maxIterations = maxIterations;
            DeBoorNet net;
            ASSERT_TRUE(Bisect(spline, query, net).ok);
            const SplineReader::Place place = reader.BisectPlace(query);
            std::vector<double> point(spline.Dimension());
            reader.PointAt(place, point.data());
            ExpectSameBits(point, net.Point());
            ExpectSameBits(ReaderPoint(reader, place.u), net.Point());
        }
}

TEST(SplineReader, BisectionsEndOnTheLibrarysPoint) {
    std::mt19937 random(11);
    for (std::size_t n : {4u, 20u, 101u, 620u}) { // 620: joints a few grid gaps apart
        SCOPED_TRACE(testing::Message() << n << " points");
        const BSpline rising = RandomSpline(random, n, 4, false);
        SplineReader reader(rising);
        ExpectSameBisections(reader, random, true, 0, 30);  // through the grid's binary search
        ExpectSameBisections(reader, random, false, 0, 30); // the grid walked level by level
        ExpectSameBisections(reader, random, true, 2, 30);  // another coordinate: no grid
        ExpectSameBisections(reader, random, true, 0, 5);   // fewer levels than the grid has
        ExpectSameBisections(reader, random, true, 0, 14);
        const BSpline wobbly = RandomSpline(random, n, 2, true);
        SplineReader wobblyReader(wobbly);
        ExpectSameBisections(wobblyReader, random, true, 0, 30); // a grid that falls back
    }
}

TEST(SplineReader, TakesOnlySplinesOfTheInterpolatedLayout) {
    EXPECT_FALSE(SplineReader(BSpline()).IsUsable());
    BSpline one;
    ASSERT_TRUE(InterpolateCubicNatural({1.0, 2.0}, 2, one).ok);
    EXPECT_TRUE(SplineReader(one).IsUsable());
}

} // namespace
