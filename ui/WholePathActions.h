#pragma once
// What the window's panels do with the whole path, apart from drawing: the snapshots panel's
// button row, and the path as a list.

#include <vector>

#include "path/CameraSnapshot.h"

// The waypoints as a list in frame order.
std::vector<CameraSnapshot> WaypointsInFrameOrder(const SnapshotMap& path);

// Gives every waypoint custom Bezier handles set to the automatic ones (overlay/HandleShaping.h),
// so the gizmo shows and edits them from there. A single waypoint keeps its stored offsets.
// Writes into the path only: the caller rebuilds.
void SetAllHandlesToAuto(SnapshotMap& path);

// Where the orbit view looks from to show the whole path.
struct OrbitFraming {
    Vector target;  // centre of the box around every waypoint's location, world units
    float distance; // 0.8 of the box's largest extent, at least 800 world units
};

// The framing of a non-empty path.
OrbitFraming FrameForOrbit(const SnapshotMap& path);
