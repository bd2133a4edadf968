#pragma once
// Small conversions shared by the oracle's strategies: a waypoint as a pose, the guard that
// turns any non-finite pose into the zero pose, and a saturating float-to-int truncation.

#include "path/CameraPose.h"
#include "path/CameraSnapshot.h"

namespace Oracle {

CameraPose PoseOf(const CameraSnapshot& waypoint);
CameraPose FiniteOrZero(const CameraPose& pose);
// Truncation toward zero, saturated at the int range; NaN gives 0.
int TruncateToInt(double value);

} // namespace Oracle
