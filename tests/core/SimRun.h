#pragma once
// Running corvane-sim from a test, and reading the camera track it writes.

#include <filesystem>
#include <string>
#include <vector>

namespace Quorvel::Testing {

// One row of a camera track (tick,frame,seconds,x,y,z,pitch,yaw,roll,fov).
struct TrackRow {
    int frame = 0;
    double x = 0, y = 0, z = 0;
    double pitch = 0, yaw = 0, roll = 0;
    double fov = 0;
};

std::vector<TrackRow> ReadTrack(const std::filesystem::path& file);

// Runs build/corvane-sim with the arguments (standard output discarded); its exit status.
int RunSim(const std::string& arguments);

} // namespace Quorvel::Testing
