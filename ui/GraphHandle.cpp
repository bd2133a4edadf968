// Where the motion graph puts each waypoint and its handles, in normalised graph units.

#include "ui/GraphHandle.h"

#include <algorithm>
#include <cmath>

#include "math/VectorMath.h"

namespace {

constexpr float kAutomaticLength = 0.12f;
constexpr float kShortestLength = 0.04f;
constexpr float kLongestLength = 0.45f;
// Shorter 3D segments (a third of them, world units) keep the automatic length: their handle
// ratio says nothing useful.
constexpr float kShortestSegmentThird = 1.0f;
constexpr float kDegenerateDirection = 0.001f;

float HandleLength(const std::vector<CameraSnapshot>& waypoints, std::size_t i,
                   GraphHandleSide side) {
    const CameraSnapshot& waypoint = waypoints[i];
    if (!waypoint.v3_bz_has_custom)
        return kAutomaticLength;
    const bool out = side == GraphHandleSide::Out;
    if (out ? i + 1 >= waypoints.size() : i == 0)
        return kAutomaticLength;
    const Vector segment = out ? waypoints[i + 1].location - waypoint.location
                               : waypoint.location - waypoints[i - 1].location;
    const float third = Quorvel::Math::Length(segment) / 3.0f;
    if (third <= kShortestSegmentThird)
        return kAutomaticLength;
    const Vector& handle = out ? waypoint.v3_bz_ctrl_out : waypoint.v3_bz_ctrl_in;
    const float length = Quorvel::Math::Length(handle) / third * kAutomaticLength;
    return std::clamp(length, kShortestLength, kLongestLength);
}

} // namespace

GraphVec GraphPoint(const std::vector<CameraSnapshot>& waypoints, std::size_t i) {
    const float first = waypoints.front().timestamp;
    const float duration = std::max(0.001f, waypoints.back().timestamp - first);
    const auto last = static_cast<float>(waypoints.size() - 1);
    return {(waypoints[i].timestamp - first) / duration, static_cast<float>(i) / last};
}

GraphVec GraphHandle(const std::vector<CameraSnapshot>& waypoints, std::size_t i,
                     GraphHandleSide side) {
    const GraphVec from = i == 0 ? GraphVec{0.0f, 0.0f} : GraphPoint(waypoints, i - 1);
    const GraphVec to =
        i + 1 == waypoints.size() ? GraphVec{1.0f, 1.0f} : GraphPoint(waypoints, i + 1);
    const float du = to.u - from.u;
    const float dv = to.v - from.v;
    const float c = std::sqrt(du * du + dv * dv);
    const float sign = side == GraphHandleSide::Out ? 1.0f : -1.0f;
    // Neighbours on top of each other give no direction: the handle follows progress, still
    // forwards for out and backwards for in so that the curve does not fold back.
    if (c < kDegenerateDirection)
        return {0.0f, sign * kAutomaticLength};
    const float length = sign * HandleLength(waypoints, i, side);
    return {length * du / c, length * dv / c};
}
