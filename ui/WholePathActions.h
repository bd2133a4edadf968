#pragma once
// What the snapshots panel's button row does to the whole path, apart from drawing.

#include "path/CameraSnapshot.h"

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
