#pragma once
// The regions of the snapshots panel, side by side below its button row, and what they share.

#include "ui/WindowContext.h"

// The selected waypoint, or null when none is selected or its frame no longer exists.
CameraSnapshot* SelectedWaypoint(WindowContext& ctx);

// The waypoint table: one row per waypoint, to select or delete it.
void DrawSnapshotTable(WindowContext& ctx);
// Field of view of the selected waypoint, and of all of them at once.
void DrawFovPanel(WindowContext& ctx);
// Moving the selected waypoint or the whole path along the replay timeline.
void DrawTimingPanel(WindowContext& ctx);
