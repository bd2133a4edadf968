#pragma once
// What the host reads of a path file to play it: the frames and replay times of the first and
// last waypoints, and the frame rate they imply. The plugin reads the whole file; the host
// only needs its keys and timestamps, read the way the plugin's console accepts them.
//
// A key names a frame the way std::stoi reads text: white space first is skipped, then an
// optional sign and decimal digits; anything after the digits is ignored, so " 200" and
// "100.0" are frames 200 and 100. A key with no leading number, or outside int range, is not
// a frame. Of two keys naming the same frame the later in byte order wins. A timestamp is a
// JSON number or a boolean (1 or 0).

#include <filesystem>
#include <string>

namespace Corvane::Host {

struct PathSpan {
    int firstFrame = 0;
    int lastFrame = 0;
    double firstTime = 0.0;
    double lastTime = 0.0;
};

bool ReadFrameKey(const std::string& key, int& frame);

// False with one line in problem when the file cannot be read or holds no waypoints.
bool ReadPathSpan(const std::filesystem::path& file, PathSpan& span, std::string& problem);

// Frames over seconds between the first and last waypoints, rounded into 1..1000; 30 when
// that says nothing (one waypoint, or times that do not advance).
int FrameRateOf(const PathSpan& span);

} // namespace Corvane::Host
