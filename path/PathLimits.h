#pragma once
// Limits that keep a path workable. The path cache samples every frame between the first and
// the last waypoint, and subdivision may fill every one of them, so a path may not span more
// frames than any replay has (1,000,000 frames is over nine hours at 30 fps).

#include "path/CameraSnapshot.h"

inline constexpr long long kMaxPathSpanFrames = 1000000;

// The one console line for a refused path.
inline constexpr const char* kPathSpanMessage = "Path would span more than 1000000 frames";

// The world a camera may be placed in: every coordinate within this many world units of the
// origin (the arena fits well inside). Everything that places a waypoint or the camera keeps
// to it, so that the arithmetic of playback, drawing and export stays far from float overflow
// (a path moved to 3e38 would give no camera at all).
inline constexpr float kWorldLimit = 30000.0f;

// How the lines below name the world, for lines made at run time.
inline constexpr const char* kOutsideWorldText = "outside the world (30000 units from the origin)";

// The one console line for a path edit that would leave the world.
inline constexpr const char* kOutsideWorldMessage =
    "Path not changed: a waypoint would leave the world (30000 units from the origin)";

// The one console line for a camera that cannot become a waypoint.
inline constexpr const char* kCameraOutsideWorldMessage =
    "Camera is outside the world (30000 units from the origin): no waypoint taken";

// True when every coordinate of v is within kWorldLimit of the origin (false for nan).
bool InWorld(const Vector& v);
// True when every waypoint's location is in the world; otherwise `frame` is the first one that
// is not. Handles are not held to it: seeded from neighbours and timing, they may reach
// further, and a path the plugin saved must always load again.
bool PathInWorld(const SnapshotMap& path, int* frame = nullptr);

// True when the path, with one more waypoint at extraFrame, would still fit.
bool PathSpanAllowsFrame(const SnapshotMap& path, int extraFrame);
// True when the whole path fits.
bool PathSpanAllowed(const SnapshotMap& path);
