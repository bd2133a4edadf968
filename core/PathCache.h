#pragma once
// The path cache: what the overlay draws of the path, one sample of the location strategy per
// replay frame from the first waypoint to the last. Only the frame and the location are kept
// (16 bytes a frame), so an hour-long path at 30 fps takes under 2 MB.

#include <vector>

#include "corvane/wrappers/WrapperStructs.h"

struct PathCacheSample {
    int frame = 0;   // replay frame
    Vector location; // world units
};

// In ascending frame order; a frame whose pose has no value (FOV not above 1) is left out.
using PathCache = std::vector<PathCacheSample>;
