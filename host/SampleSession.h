#pragma once
// corvane-sim sample PATH.json [--location-mode N] [--rotation-mode M] [--chaikin D]
//                              [--speed-norm] [--csv OUT] [--export FILE] [--plugin PATH]
//
// The offline preview of a saved path. The loaded plugin's own dolly_path_load reads the
// file, so sample accepts exactly the files the console accepts; when it refuses one, the
// line it logs (the file and, for broken JSON, the line and column) is sample's error line.
// Then the modes are set, and a replay in the free-fly camera plays every frame from the
// first waypoint's to the last one's through playback, writing the camera track (the CSV of
// --track) to OUT, or to standard output with the plugin's console lines on standard error.
// With --export the plugin's dolly_export writes the path's flight to FILE (format by its
// extension), and the track is played only when --csv is also given.
// Frames before 0 are in no replay, so a path that starts earlier is played from frame 0.
// The replay runs at the path's own frame rate (host/PathSpan.h). The plugin is the one
// beside the program unless --plugin names another, as for run.
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
