#pragma once
// Where the gizmo puts Bezier handles. A handle is an offset from its waypoint's location in
// world units: v3_bz_ctrl_out points towards the next waypoint, v3_bz_ctrl_in towards the
// previous one. `path` is always the whole path in ascending frame order.

#include <vector>

#include "path/CameraSnapshot.h"

// The handles the interpolation uses for a waypoint without custom ones: a third of the way to
// its neighbour, the ends continuing their single segment. False, and nothing written, when i
// is out of range or the path has fewer than two waypoints.
bool AutoHandleOffsets(const std::vector<CameraSnapshot>& path, int i, Vector& out, Vector& in);

// First custom handles of the waypoint at index i, from its neighbours' locations and
// timestamps (seconds), so grabbing a handle starts from a smooth curve. An offset without the
// neighbour it needs keeps its stored value.
void SeedCustomHandles(const std::vector<CameraSnapshot>& path, int i, CameraSnapshot& waypoint);

// The handle with its reach along the line from origin to the neighbour kept between 0 and the
// neighbour's distance; unchanged without a neighbour or when the neighbour is at origin.
Vector LimitReach(Vector handle, const Vector& origin, const CameraSnapshot* neighbour);

// The other handle once one has been dragged: exactly opposite the dragged one, keeping its own
// length when that is over 0.1 (else taking the dragged one's). A dragged handle of length 0.1
// or less gives no direction, and the other stays as it was.
Vector OppositeHandle(const Vector& dragged, const Vector& other);
