#pragma once
// The motion graph's coordinates. Across is time: a waypoint's timestamp, 0 at the first
// waypoint and 1 at the last. Up is progress: the waypoint's place in the list, 0 for the first
// and 1 for the last. Between neighbours the graph draws a cubic Bezier whose handles follow
// the waypoints' 3D Bezier handles.

#include <cstddef>
#include <vector>

#include "path/CameraSnapshot.h"

// A point or an offset on the graph, both axes normalised.
struct GraphVec {
    float u = 0.0f; // time
    float v = 0.0f; // progress
};

enum class GraphHandleSide { Out, In };

// Where waypoint i (in frame order) sits on the graph; needs at least two waypoints. A path
// lasting under a millisecond is spread over one millisecond.
GraphVec GraphPoint(const std::vector<CameraSnapshot>& waypoints, std::size_t i);

// The offset of waypoint i's out or in handle from its point. Along the line from the previous
// waypoint to the next (the corners (0, 0) and (1, 1) stand in at the ends), forwards for out and
// backwards for in. Automatic 3D handles, a third of their segment, draw at length 0.12; a
// custom handle draws in proportion to its 3D length over that third, within 0.04..0.45.
GraphVec GraphHandle(const std::vector<CameraSnapshot>& waypoints, std::size_t i,
                     GraphHandleSide side);
