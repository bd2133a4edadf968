#pragma once
// Small paths for the strategy tests, the strategies, and poses as arrays of their values.

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

#include "interp/CatmullRomInterpStrategy.h"
#include "interp/CosineInterpStrategy.h"
#include "interp/CubicHermiteInterpStrategy.h"
#include "interp/KochanekBartelsInterpStrategy.h"
#include "interp/LinearInterpStrategy.h"
#include "interp/NBezierInterpStrategy.h"
#include "interp/SplineInterpStrategy.h"
#include "path/CameraPose.h"
#include "path/CameraSnapshot.h"

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

using MakeStrategy = std::function<std::shared_ptr<InterpStrategy>(std::shared_ptr<SnapshotMap>)>;

// Every strategy, some of them subdivided (N-Bezier above degree 20 on most paths): what all of
// them must do is checked on each.
inline std::vector<MakeStrategy> EveryStrategy() {
    return {
        [](auto p) { return Linear(p); },
        [](auto p) { return Linear(p, 2); },
        [](auto p) { return std::make_shared<CosineInterpStrategy>(p); },
        [](auto p) { return std::make_shared<NBezierInterpStrategy>(p, 0); },
        [](auto p) { return std::make_shared<NBezierInterpStrategy>(p, 2); },
        [](auto p) { return std::make_shared<CatmullRomInterpStrategy>(p, 0); },
        [](auto p) { return std::make_shared<CatmullRomInterpStrategy>(p, 1); },
        [](auto p) { return std::make_shared<SplineInterpStrategy>(p, 0); },
        [](auto p) { return std::make_shared<KochanekBartelsInterpStrategy>(p, 0); },
        [](auto p) { return std::make_shared<CubicHermiteInterpStrategy>(p); },
    };
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
