#pragma once
// Cutting shapes in view space (host/Perspective.h) at the near plane, a little ahead of the
// camera, before they are projected: what lies partly behind the camera is then drawn up to
// where it leaves the view, and nothing is projected from behind it.

#include <vector>

#include "host/Perspective.h"

namespace Corvane::Host {

// World units ahead of the camera.
inline constexpr double kNearPlane = 10.0;

// The part of a convex polygon at or beyond the near plane (empty when none is).
std::vector<ViewPoint> ClipPolygonToNear(const std::vector<ViewPoint>& polygon);
// Shortens the segment to its part at or beyond the near plane; false when none is.
bool ClipSegmentToNear(ViewPoint& a, ViewPoint& b);

} // namespace Corvane::Host
