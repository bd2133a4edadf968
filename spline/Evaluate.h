#pragma once
// Evaluation of a spline at a parameter of its domain [0, 1].

#include "spline/BSpline.h"
#include "spline/SplineStatus.h"

namespace Quorvel::Spline {

// Two parameters closer than this (strictly) count as the same knot. A float literal widened.
inline constexpr double kKnotEpsilon = static_cast<double>(1e-4f);

// Every parameter within kKnotEpsilon of a knot is evaluated exactly as that knot; a parameter
// within kKnotEpsilon outside the domain counts as its end. On failure net is left unchanged.
// Fails for a parameter further outside the domain ("knot (-0.500000) < min(domain)
// (0.000000)") and for a spline without control points.
Status Evaluate(const BSpline& spline, double u, DeBoorNet& net);

} // namespace Quorvel::Spline
