#pragma once
// Small paths for the strategy tests, and pose comparisons.

#include <cmath>
#include <initializer_list>
#include <memory>

#include <gtest/gtest.h>

#include "core/CameraPose.h"
#include "core/CameraSnapshot.h"

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

// n waypoints 10 frames and 1/3 s apart, on a gently winding line, with turning rotations and
// changing FOV, so every channel varies.
inline std::shared_ptr<SnapshotMap> WindingPath(int n) {
    auto path = std::make_shared<SnapshotMap>();
    for (int i = 0; i < n; ++i) {
        const float f = static_cast<float>(i);
        CameraSnapshot w =
            Waypoint(100 + 10 * i, 5.0f + f / 3.0f,
                     {100.0f * f, 40.0f * (i % 3) - 20.0f * f, 300.0f + 15.0f * (i % 2)},
                     {-1000.0f + 150.0f * (i % 4), 30000.0f + 900.0f * f, 20.0f * f},
                     80.0f + 3.0f * (i % 5));
        (*path)[w.frame] = w;
    }
    return path;
}

// x = 100 * timestamp at every waypoint, so the location spline is the straight line through
// them and the pose's x tells exactly which time the bisection settled on.
inline std::shared_ptr<SnapshotMap> TimeLine(int n) {
    auto path = std::make_shared<SnapshotMap>();
    for (int i = 0; i < n; ++i) {
        const float time = 2.0f + 0.7f * static_cast<float>(i) + 0.1f * static_cast<float>(i % 2);
        (*path)[30 * i] = Waypoint(30 * i, time, {100.0f * time, 50, 0}, {}, 90);
    }
    return path;
}

inline CameraPose PoseValuesOf(const CameraSnapshot& w) {
    return {w.location.X,   w.location.Y,    w.location.Z, w.rotation.pitch,
            w.rotation.yaw, w.rotation.roll, w.FOV};
}

inline bool IsZeroPose(const CameraPose& p) {
    return p.x == 0.0f && p.y == 0.0f && p.z == 0.0f && p.pitch == 0.0f && p.yaw == 0.0f &&
           p.roll == 0.0f && p.FOV == 0.0f;
}

inline bool IsFinitePose(const CameraPose& p) {
    for (float v : {p.x, p.y, p.z, p.pitch, p.yaw, p.roll, p.FOV})
        if (!std::isfinite(v))
            return false;
    return true;
}

#define EXPECT_POSE_EQ(actual, expected)                                                           \
    do {                                                                                           \
        const CameraPose a_ = (actual), e_ = (expected);                                           \
        EXPECT_EQ(a_.x, e_.x);                                                                     \
        EXPECT_EQ(a_.y, e_.y);                                                                     \
        EXPECT_EQ(a_.z, e_.z);                                                                     \
        EXPECT_EQ(a_.pitch, e_.pitch);                                                             \
        EXPECT_EQ(a_.yaw, e_.yaw);                                                                 \
        EXPECT_EQ(a_.roll, e_.roll);                                                               \
        EXPECT_EQ(a_.FOV, e_.FOV);                                                                 \
    } while (0)

#define EXPECT_POSE_NEAR(actual, expected, tolerance)                                              \
    do {                                                                                           \
        const CameraPose a_ = (actual), e_ = (expected);                                           \
        EXPECT_NEAR(a_.x, e_.x, tolerance);                                                        \
        EXPECT_NEAR(a_.y, e_.y, tolerance);                                                        \
        EXPECT_NEAR(a_.z, e_.z, tolerance);                                                        \
        EXPECT_NEAR(a_.pitch, e_.pitch, tolerance);                                                \
        EXPECT_NEAR(a_.yaw, e_.yaw, tolerance);                                                    \
        EXPECT_NEAR(a_.roll, e_.roll, tolerance);                                                  \
        EXPECT_NEAR(a_.FOV, e_.FOV, tolerance);                                                    \
    } while (0)
