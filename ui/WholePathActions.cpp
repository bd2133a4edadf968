// The path as a list, automatic handles for every waypoint, and the orbit view's framing.

#include "ui/WholePathActions.h"

#include <algorithm>
#include <vector>

#include "overlay/HandleShaping.h"

namespace {

constexpr float kOrbitMargin = 0.8f;        // of the box's largest extent
constexpr float kMinOrbitDistance = 800.0f; // world units

Vector Min(const Vector& a, const Vector& b) {
    return Vector(std::min(a.X, b.X), std::min(a.Y, b.Y), std::min(a.Z, b.Z));
}

Vector Max(const Vector& a, const Vector& b) {
    return Vector(std::max(a.X, b.X), std::max(a.Y, b.Y), std::max(a.Z, b.Z));
}

} // namespace

std::vector<CameraSnapshot> WaypointsInFrameOrder(const SnapshotMap& path) {
    std::vector<CameraSnapshot> waypoints;
    waypoints.reserve(path.size());
    for (const auto& [frame, waypoint] : path)
        waypoints.push_back(waypoint);
    return waypoints;
}

void SetAllHandlesToAuto(SnapshotMap& path) {
    const std::vector<CameraSnapshot> inOrder = WaypointsInFrameOrder(path);
    for (int i = 0; i < static_cast<int>(inOrder.size()); ++i) {
        CameraSnapshot& waypoint = path[inOrder[static_cast<size_t>(i)].frame];
        waypoint.v3_bz_has_custom = true;
        AutoHandleOffsets(inOrder, i, waypoint.v3_bz_ctrl_out, waypoint.v3_bz_ctrl_in);
    }
}

OrbitFraming FrameForOrbit(const SnapshotMap& path) {
    Vector low = path.begin()->second.location;
    Vector high = low;
    for (const auto& entry : path) {
        low = Min(low, entry.second.location);
        high = Max(high, entry.second.location);
    }
    const Vector extent = high - low;
    const float largest = std::max({extent.X, extent.Y, extent.Z});
    return {(low + high) * 0.5f, std::max(kOrbitMargin * largest, kMinOrbitDistance)};
}
