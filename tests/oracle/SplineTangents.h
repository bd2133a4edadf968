#pragma once
// Tangents for the cubic Hermite spline, single precision: the C2 spline's slopes through a set
// of points, and the limit that keeps a channel from overshooting between its values.

#include <cstddef>
#include <vector>

namespace Oracle {

struct TangentEnd {
    bool clamped = false; // false: natural (zero second derivative at that end)
    float value = 0.0f;   // the end's slope when clamped
};

struct PinnedTangents {
    std::vector<bool> pinned; // one flag per point; shorter means the rest are free
    std::vector<float> value;

    bool IsPinned(std::size_t i) const { return i < pinned.size() && pinned[i]; }
};

std::vector<float> SolveSplineTangents(const std::vector<float>& x, const std::vector<float>& y,
                                       const PinnedTangents& pinned, TangentEnd start,
                                       TangentEnd end);

void LimitMonotoneTangents(const std::vector<float>& x, const std::vector<float>& y,
                           std::vector<float>& m);

} // namespace Oracle
