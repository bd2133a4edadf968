#pragma once
// Small conversions shared by the strategies: a waypoint as a pose, the last-line guard that
// keeps non-finite values away from the camera, and a float-to-int truncation that cannot
// overflow.

#include "path/CameraPose.h"
#include "path/CameraSnapshot.h"

// The waypoint's location, stored rotation and FOV.
CameraPose PoseOf(const CameraSnapshot& waypoint);

// The pose itself when all seven values are finite, otherwise the zero pose ("no value").
// Finite waypoints can still overflow float in an extrapolation far outside the path.
CameraPose FiniteOrZero(const CameraPose& pose);

// Truncation toward zero, saturated at the int range; NaN gives 0.
int TruncateToInt(double value);
