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

// A fresh folder under the system's temporary folder, removed with the object.
class TempFolder {
public:
    explicit TempFolder(const std::string& prefix);
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& Path() const { return path; }
    std::filesystem::path operator/(const std::string& name) const { return path / name; }

private:
    std::filesystem::path path;
};

} // namespace Quorvel::Testing
