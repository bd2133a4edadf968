#pragma once
// Natural cubic interpolation: a C2 cubic through every given point, with zero second
// derivative at both ends, one Bezier segment per pair of neighbouring points, the segments
// spaced evenly over the parameter domain [0, 1].

#include <cstddef>
#include <vector>

#include "spline/BSpline.h"
#include "spline/SplineStatus.h"

namespace Quorvel::Spline {

// At most this many knots, four per point: 2500 points.
inline constexpr std::size_t kMaxKnots = 10000;

// points: a flat, point-major list of n * dimension values. On success the spline is replaced;
// on failure it is left as it was. One point gives a segment whose four control points are all
// that point. Failures, checked in this order: dimension 0, a length that is not a multiple of
// the dimension, no points, more than 2500 points.
Status InterpolateCubicNatural(const std::vector<double>& points, std::size_t dimension,
                               BSpline& spline);

} // namespace Quorvel::Spline
