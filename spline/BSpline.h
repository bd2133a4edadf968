#pragma once
// A cubic B-spline made of Bezier segments laid end to end, as natural cubic interpolation
// produces it, and the result of evaluating one.
//
// Layout invariant (kept by InterpolateCubicNatural, the only way to fill a spline): degree 3,
// 4 control points per segment (segment i owns control points 4i..4i+3), every knot repeated
// four times, 4 * (segments + 1) knots, domain [0, 1]. A default spline has no control points
// and every evaluation of it fails.

#include <cstddef>
#include <utility>
#include <vector>

#include "spline/SplineStatus.h"

namespace Quorvel::Spline {

class BSpline {
public:
    static constexpr std::size_t kDegree = 3;
    static constexpr std::size_t kOrder = kDegree + 1;

    BSpline() = default;

    std::size_t Dimension() const { return dimension; }
    std::size_t NumControlPoints() const {
        return dimension == 0 ? 0 : controlPoints.size() / dimension;
    }
    // Point-major: control point i is controlPoints[i * dimension ... + dimension - 1].
    const std::vector<double>& ControlPoints() const { return controlPoints; }
    const std::vector<double>& Knots() const { return knots; }
    bool IsEmpty() const { return controlPoints.empty(); }

private:
    friend Status InterpolateCubicNatural(const std::vector<double>& points, std::size_t dimension,
                                          BSpline& spline);
    BSpline(std::size_t dim, std::vector<double> ctrlp, std::vector<double> knotVector)
        : dimension(dim), controlPoints(std::move(ctrlp)), knots(std::move(knotVector)) {}

    std::size_t dimension = 0;
    std::vector<double> controlPoints;
    std::vector<double> knots;
};

// The outcome of evaluating a spline at one parameter.
struct DeBoorNet {
    double knot = 0.0;            // the parameter actually used (snapped onto a nearby knot)
    std::size_t multiplicity = 0; // 4 on a knot, 0 between knots
    std::size_t dimension = 0;
    // One point, or two equal points on an interior knot (the end of one segment and the start
    // of the next); callers use the first.
    std::vector<double> result;

    std::size_t NumResult() const { return dimension == 0 ? 0 : result.size() / dimension; }
    std::vector<double> Point() const {
        return {result.begin(), result.begin() + static_cast<std::ptrdiff_t>(dimension)};
    }
};

} // namespace Quorvel::Spline
