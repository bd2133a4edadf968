#pragma once
// The timeline strip's arithmetic, apart from drawing: where a waypoint's dot sits on the
// track, and where a dragged waypoint would land. Times are replay seconds, x canvas pixels.

#include <optional>

#include "path/CameraSnapshot.h"

// The track maps the path's time span onto a horizontal line: the first waypoint's timestamp
// at its left end, the last one's at its right end.
struct TimelineTrack {
    float left = 0.0f;      // x of the track's left end
    float width = 1.0f;     // pixels, at least 1
    float startTime = 0.0f; // the first waypoint's timestamp
    float duration = 1.0f;  // the last timestamp minus the first, at least 0.001 s

    float XAt(float time) const { return (time - startTime) / duration * width + left; }
    float TimeAt(float x) const { return (x - left) / width * duration + startTime; }
};

// The track for a non-empty path drawn from `left` over `width` pixels.
TimelineTrack MakeTimelineTrack(const SnapshotMap& path, float left, float width);

// Where a dragged waypoint would land if released now.
struct TimelineTarget {
    int frame;       // a replay frame strictly between its neighbours'
    float time;      // seconds, by the neighbours' pace at that frame
    float drawnTime; // where its dot follows the mouse, 0.001 s inside the neighbours' times
};

// The landing place of the waypoint at `frame` with the mouse over `mouseTime`, at
// `frameRate` replay frames per second. It lands on the nearest frame to the mouse that
// leaves at least one frame to each neighbour, and takes the time its neighbours' pace gives
// that frame, so re-timing one dot never reorders the path nor changes its span. A waypoint
// that cannot go anywhere (neighbours two frames apart or less, or no neighbour on one side)
// keeps its own frame and time, and its dot stays put. Empty when there is no waypoint at
// `frame`.
std::optional<TimelineTarget> DragTarget(const SnapshotMap& path, int frame, float mouseTime,
                                         float frameRate);
