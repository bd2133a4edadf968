#pragma once
// The one place where the oracle tests read the plugin's path-derived state. When the plugin's
// containers change shape (the path cache keeping only what the overlay draws, say), only
// these functions follow them; the tests compare what they return with the oracle's.

#include <utility>
#include <vector>

#include "core/DollyCam.h"
#include "path/CameraPose.h"
#include "tests/oracle/DollyCam.h"

namespace Quorvel::Testing {

// One path cache sample as the overlay reads it: the replay frame and the location drawn
// there (world units).
struct PathSample {
    int frame = 0;
    Vector location;
};

// The plugin's path cache, in ascending frame order.
std::vector<PathSample> PluginPathCache(const DollyCam& dollyCam);
std::vector<PathSample> OraclePathCache(const Oracle::DollyCam& oracle);

// (normalised arc length, path time in seconds), in table order; empty when not built.
std::vector<std::pair<float, float>> PluginArcLengthTable(const DollyCam& dollyCam);

// What the plugin's current location and rotation strategies give for a replay time (seconds)
// and frame; the zero pose when there is no strategy.
CameraPose PluginLocationPose(DollyCam& dollyCam, float time, int frame);
CameraPose PluginRotationPose(DollyCam& dollyCam, float time, int frame);

} // namespace Quorvel::Testing
