#pragma once
// Small paths for the strategy tests, the linear strategy, and poses as arrays of their values.

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <memory>
#include <vector>

#include "path/CameraPose.h"
#include "path/CameraSnapshot.h"
#include "interp/LinearInterpStrategy.h"

// A waypoint with a FOV of 90 degrees and no shape parameters unless given.
inline CameraSnapshot Waypoint(int frame, float time, Vector location, FloatRotator rotation = {},
                               float fov = 90.0f) {
    CameraSnapshot w;
    w.frame = frame;
    w.timestamp = time;
    w.location = location;
    w.rotation = rotation;
    w.FOV = fov;
    return w;
}

inline std::shared_ptr<SnapshotMap> MakePath(std::initializer_list<CameraSnapshot> waypoints) {
    auto path = std::make_shared<SnapshotMap>();
    for (const CameraSnapshot& w : waypoints)
        (*path)[w.frame] = w;
    return path;
}

// Waypoint i at frame 10 i and i seconds, at (xs[i], 2 xs[i], 0), yaw 1000 i, FOV fovs[i] or 90.
inline std::shared_ptr<SnapshotMap> Line(const std::vector<float>& xs,
                                         const std::vector<float>& fovs = {}) {
    auto path = std::make_shared<SnapshotMap>();
    for (std::size_t i = 0; i < xs.size(); ++i)
        (*path)[10 * int(i)] = Waypoint(10 * int(i), float(i), {xs[i], 2 * xs[i], 0},
                                        {0, 1000.0f * float(i), 0}, fovs.empty() ? 90 : fovs[i]);
    return path;
}

// The linear strategy, which the others fall back to.
inline std::shared_ptr<LinearInterpStrategy> Linear(std::shared_ptr<SnapshotMap> path,
                                                    int degree = 0) {
    return std::make_shared<LinearInterpStrategy>(path, degree);
}

using PoseValues = std::array<float, 7>;

inline PoseValues Values(const CameraPose& p) {
    return {p.x, p.y, p.z, p.pitch, p.yaw, p.roll, p.FOV};
}
inline PoseValues Values(const CameraSnapshot& w) {
    return {w.location.X,   w.location.Y,    w.location.Z, w.rotation.pitch,
            w.rotation.yaw, w.rotation.roll, w.FOV};
}
inline bool IsZero(const CameraPose& p) {
    return Values(p) == PoseValues{};
}
inline bool IsFinite(const CameraPose& p) {
    const PoseValues v = Values(p);
    return std::all_of(v.begin(), v.end(), [](float x) { return std::isfinite(x); });
}
