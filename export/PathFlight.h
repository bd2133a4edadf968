#pragma once
// The path's own flight as a track, without playing it: one sample per replay frame from the
// first waypoint's to the last one's, evaluated as playback evaluates a frame (the modes,
// Chaikin subdivision and constant-speed re-timing), at the frame's replay time rather than
// the game clock. Target lock and soft follow are left out: they need the match; the frames
// are the path's own, without the frame shift. Rotations are made whole as the game camera
// would hold them.

#include "core/DollyCam.h"
#include "export/CameraTrack.h"

// Frames where the path gives no pose are left out; the track may come back empty.
CameraTrack SamplePathFlight(const DollyCam& dollyCam, double aspect);
