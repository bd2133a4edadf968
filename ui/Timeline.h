#pragma once
// The timeline strip of the waypoint editor: a numbered dot per waypoint, placed by its
// timestamp on a horizontal track. A click on a dot selects its waypoint; a drag re-times an
// inner one. The first and last dots can be selected but not dragged, so the path's time span
// never changes from the timeline.
//
// Drag states (ctx.panels.timeline), updated each frame before the dots are drawn:
//
//   state     dragFrame   entered by                          left by
//   idle      -1          -                                   a press over an inner dot
//   dragging  its frame   a press over an inner dot           the left button's release
//
// While dragging, once the mouse has moved 2 pixels from where it went down, the target
// follows the mouse (ui/TimelineTrack.h). The release writes the target: a release before
// the mouse moved writes the waypoint's own frame and time, so only the selection changes.

#include "ui/WindowContext.h"

// Draws the strip for a non-empty path at the cursor and moves the cursor below it.
void DrawTimeline(WindowContext& ctx);
