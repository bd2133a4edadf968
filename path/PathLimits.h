#pragma once
// Limits that keep a path workable. The path cache samples every frame between the first and
// the last waypoint, and subdivision may fill every one of them, so a path may not span more
// frames than any replay has (1,000,000 frames is over nine hours at 30 fps).

#include "path/CameraSnapshot.h"

inline constexpr long long kMaxPathSpanFrames = 1000000;

// The one console line for a refused path.
inline constexpr const char* kPathSpanMessage = "Path would span more than 1000000 frames";

// True when the path, with one more waypoint at extraFrame, would still fit.
bool PathSpanAllowsFrame(const SnapshotMap& path, int extraFrame);
// True when the whole path fits.
bool PathSpanAllowed(const SnapshotMap& path);
