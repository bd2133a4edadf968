#pragma once
// corvane-sim sample PATH.json [--location-mode N] [--rotation-mode M] [--chaikin D]
//                              [--speed-norm] [--csv OUT]
//
// The offline preview of a saved path: a replay in the free-fly camera loads the file as
// dolly_path_load would, sets the modes, and plays every frame from the first waypoint's to
// the last one's through playback, writing the camera track (the CSV of --track) to OUT, or
// to standard output with the plugin's console lines on standard error. The replay runs at
// the path's own frame rate (frames over seconds between its first and last waypoints,
// rounded; 30 when that says nothing).
//
// Modes are whole numbers from 0 to 7 and the Chaikin degree from 0 to 20, the ranges of the
// plugin's variables they set; any other value, an unknown option or a missing value is one
// line on standard error and exit status 2.

#include <string>
#include <vector>

namespace Corvane::Host {

// arguments[0] is "sample". Returns corvane-sim's exit status.
int SampleCommand(const std::vector<std::string>& arguments);

} // namespace Corvane::Host
