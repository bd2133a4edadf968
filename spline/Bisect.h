#pragma once
// Bisection on one coordinate of a spline: finds the point whose coordinate `index` is within
// epsilon of a value, assuming the coordinate rises (or falls) with the spline parameter.

#include <cstddef>

#include "spline/BSpline.h"
#include "spline/SplineStatus.h"

namespace Quorvel::Spline {

struct BisectQuery {
    double value = 0.0;
    double epsilon = 0.0; // its magnitude is used; a match is |coordinate - value| <= |epsilon|
    // Fail when no evaluated point matched; otherwise the last evaluated point is the result.
    bool persnickety = false;
    std::size_t index = 0; // the coordinate compared; must be below the dimension
    bool ascending = true;
    // The search evaluates the spline at most maxIterations + 1 times. Must not be 0.
    std::size_t maxIterations = 30;
};

// Halves the parameter interval, starting from the whole domain [0, 1], after each evaluation
// that misses. The interval bounds move to the raw midpoint, not the knot it snapped to. A value
// beyond either end gives that end's point. On failure net is left unchanged. `evaluations`,
// when given, receives the number of spline evaluations made.
Status Bisect(const BSpline& spline, const BisectQuery& query, DeBoorNet& net,
              std::size_t* evaluations = nullptr);

} // namespace Quorvel::Spline
