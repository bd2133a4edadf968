#pragma once
// Moving waypoints along the replay timeline: one waypoint by a few frames, or the whole path.
// Frames are replay frames. A moved waypoint's timestamp moves by delta / r seconds, where r is
// the path's own pace (PathFrameRate), so a path keeps its pace wherever it is put.
//
// A move is refused, and nothing changes, when it would put a frame past the largest frame
// number or make the path span more frames than the path limit allows (path/PathLimits.h);
// each of those says so in one console line. The panel's everyday refusals, a waypoint onto
// an occupied frame or below frame 1, stay silent: the button simply does nothing.

#include "core/DollyCam.h"

// The one console line for a move that would run past the largest frame number.
inline constexpr const char* kFrameRangeMessage = "Move refused: a frame would pass 2147483647";

// The path's frames per second: its frame span over its time span (at least 0.001 s). Below 1,
// as for a single waypoint, it counts as 30.
float PathFrameRate(const SnapshotMap& path);

// Moves the waypoint at `frame` by `delta` frames and returns its frame afterwards, or `frame`
// when the move is refused (no waypoint there, or one of the refusals above).
int MoveWaypointFrame(DollyCam& dollyCam, int frame, int delta);

// Moves every waypoint by `delta` frames; a shift that would take the first waypoint below
// frame 1 stops it at frame 1. `selectedFrame` follows the waypoint it names.
void ShiftAllFrames(DollyCam& dollyCam, long long delta, int& selectedFrame);
