#pragma once
// How a snapshot reads on the console.

#include <string>

#include "path/CameraSnapshot.h"
#include "corvane/wrappers/CVarManagerWrapper.h"

// The value widened to double in fixed notation with exactly `decimals` digits: 12.5, 2 -> 12.50.
std::string FormatFixed(float value, int decimals);

// Five lines: "Frame: 120", "Time: 4.25000", "FOV: 90.00000", "Location 100.00, -250.50, 17.00",
// "Rotation -1024, 16384, 0" (rotation truncated toward zero).
void PrintSnapshot(CVarManagerWrapper& console, const CameraSnapshot& snapshot);
