#pragma once
// Chaikin subdivision of a path. One pass per degree: between every pair of neighbours A, B
// add the quarter point 0.75A + 0.25B and the three-quarter point 0.25A + 0.75B, keyed by their
// truncated frames. A frame already taken keeps its waypoint (among new points, the first
// made), so a path holds at most one waypoint per frame and large degrees saturate. New points
// carry no shape parameters.

#include "interp/PathPoints.h"
#include "path/CameraSnapshot.h"

void SubdivideChaikin(PathPoints& points, int degree);
void SubdivideChaikin(SnapshotMap& path, int degree);
