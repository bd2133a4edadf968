#pragma once
// One waypoint of a camera path: the replay moment and the camera's pose at it, plus the
// per-waypoint shape parameters the strategies read.

#include <map>

#include "corvane/wrappers/WrapperStructs.h"

// A rotation kept as floats in rotator units (65536 a turn), never normalised: strategies
// unwrap across the +-32768 seam and only the game camera gets whole units.
struct FloatRotator {
    float pitch = 0.0f;
    float yaw = 0.0f;
    float roll = 0.0f;

    bool operator==(const FloatRotator& o) const {
        return pitch == o.pitch && yaw == o.yaw && roll == o.roll;
    }
};

struct CameraSnapshot {
    int frame = 0;          // replay frame the waypoint was taken at; also its key in the path
    float timestamp = 0.0f; // replay seconds at that frame
    float FOV = 0.0f;       // degrees
    Vector location;        // world units
    FloatRotator rotation;  // rotator units
    float weight = 1.0f;    // pulls the N-Bezier curve's FOV term
    float v3_kb_tension = 0.0f;
    float v3_kb_bias = 0.0f;
    float v3_kb_continuity = 0.0f;
    Vector v3_bz_ctrl_out; // custom handle towards the next waypoint, offset from location
    Vector v3_bz_ctrl_in;  // custom handle towards the previous waypoint, offset from location
    bool v3_bz_has_custom = false;

    bool operator==(const CameraSnapshot& o) const;
    bool operator!=(const CameraSnapshot& o) const { return !(*this == o); }
};

// The path: waypoints keyed by frame, so iteration is in ascending frame order and each frame
// holds at most one waypoint. "Snapshot n" in commands and panels is the n-th entry, from 1.
using SnapshotMap = std::map<int, CameraSnapshot>;
