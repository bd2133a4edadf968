#pragma once
// The field as the frame's camera saw it (host/Arena.h), drawn in perspective into a draw
// list: the floor with its outline and middle line, both goals, then the ball and the cars
// from the farthest to the nearest. Line widths are in canvas pixels.

#include "host/FrameView.h"

struct ImDrawList;

namespace Corvane::Host {

// Draws nothing for a frame without a camera.
void DrawScene(const FrameView& frame, ImDrawList& list);

} // namespace Corvane::Host
