#pragma once
// The spline module as it was: natural cubic interpolation into Bezier segments laid end to
// end over the domain [0, 1], evaluation at a parameter, and bisection on one coordinate.
//
// Layout (made only by InterpolateCubicNatural): degree 3, segment i owns control points
// 4i..4i+3, every knot repeated four times, 4 * (segments + 1) knots.

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace Oracle::Spline {

struct Status {
    bool ok = true;
    std::string message; // empty on success

    static Status Success() { return {}; }
    static Status Failure(std::string text) { return {false, std::move(text)}; }
};

struct BSpline {
    static constexpr std::size_t kDegree = 3;
    static constexpr std::size_t kOrder = kDegree + 1;

    std::size_t dimension = 0;
    std::vector<double> controlPoints; // point-major
    std::vector<double> knots;

    std::size_t NumControlPoints() const {
        return dimension == 0 ? 0 : controlPoints.size() / dimension;
    }
    bool IsEmpty() const { return controlPoints.empty(); }
};

// One evaluation: one point, or two equal points on an interior knot (callers use the first).
struct DeBoorNet {
    double knot = 0.0;            // the parameter used, snapped onto a nearby knot
    std::size_t multiplicity = 0; // 4 on a knot, 0 between knots
    std::size_t dimension = 0;
    std::vector<double> result;

    std::vector<double> Point() const {
        return {result.begin(), result.begin() + static_cast<std::ptrdiff_t>(dimension)};
    }
};

// At most this many knots, four per point: 2500 points.
inline constexpr std::size_t kMaxKnots = 10000;
// Parameters closer than this (strictly) count as the same knot. A float literal widened.
inline constexpr double kKnotEpsilon = static_cast<double>(1e-4f);

// points: n * dimension values, point-major. On failure the spline is left as it was.
Status InterpolateCubicNatural(const std::vector<double>& points, std::size_t dimension,
                               BSpline& spline);

// The spline at u in [0, 1]; within kKnotEpsilon of a knot (or an end) it is that knot.
Status Evaluate(const BSpline& spline, double u, DeBoorNet& net);

struct BisectQuery {
    double value = 0.0;
    double epsilon = 0.0; // a match is |coordinate - value| <= |epsilon|
    bool persnickety = false;
    std::size_t index = 0;
    bool ascending = true;
    std::size_t maxIterations = 30; // at most maxIterations + 1 evaluations
};

// Halves [0, 1] after every miss; the last evaluated point is the result.
Status Bisect(const BSpline& spline, const BisectQuery& query, DeBoorNet& net,
              std::size_t* evaluations = nullptr);

} // namespace Oracle::Spline
