#pragma once
// Tangents for the cubic Hermite spline: solving the C2 spline's slopes through a set of points,
// and limiting them so a channel does not overshoot between its values. Single precision.

#include <cstddef>
#include <vector>

// How one end of the spline is held.
struct TangentEnd {
    bool clamped = false; // false: natural (zero second derivative at that end)
    float value = 0.0f;   // the end's slope when clamped
};

// Points fixed to a given slope, whatever the spline would make of them.
struct PinnedTangents {
    std::vector<bool> pinned; // one flag per point; shorter means the rest are free
    std::vector<float> value; // the slope of each pinned point

    bool IsPinned(std::size_t i) const { return i < pinned.size() && pinned[i]; }
};

// The slopes dy/dx at the points (x ascending, here frames) of the cubic spline through them.
// Spacings below 1e-6 count as 1e-6 and near-zero pivots as 1e-12, so the result is finite for
// finite input. Two points give the chord's slope at both (or the pinned value).
std::vector<float> SolveSplineTangents(const std::vector<float>& x, const std::vector<float>& y,
                                       const PinnedTangents& pinned, TangentEnd start,
                                       TangentEnd end);

// Keeps the cubic through (x, y) with slopes m from overshooting: a slope against the trend of
// its neighbours becomes 0, a flat interval gets flat ends, and slopes more than three times an
// interval's chord slope are scaled back. Intervals are treated in order, each seeing the
// changes of the one before. Needs at least two points.
void LimitMonotoneTangents(const std::vector<float>& x, const std::vector<float>& y,
                           std::vector<float>& m);
