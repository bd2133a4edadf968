#pragma once
// Helpers for tests that touch the file system, shared by the storage and tools suites.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "path/CameraSnapshot.h"

namespace StorageTest {

// A fresh, empty folder under the system's temporary folder, removed with its content.
class TempFolder {
public:
    TempFolder() { std::filesystem::create_directories(path); }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path; }
    std::filesystem::path operator/(const std::string& name) const { return path / name; }
    std::vector<std::string> Names() const { // sorted
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::filesystem::path path = std::filesystem::temp_directory_path() /
                                 ("quorvel-test-" + std::to_string(std::random_device()()) + "-" +
                                  std::to_string(std::random_device()()));
};

inline std::string ReadText(const std::filesystem::path& file) {
    std::ostringstream content;
    content << std::ifstream(file, std::ios::binary).rdbuf();
    return content.str();
}

inline void WriteText(const std::filesystem::path& file, const std::string& text) {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << text;
}

inline std::string ReadTestData(const std::string& name) {
    return ReadText(std::filesystem::path(QUORVEL_TEST_DATA) / name);
}

// A waypoint with FOV 90, its own location and rotation, everything else at defaults.
inline CameraSnapshot Waypoint(int frame, float timestamp, Vector location,
                               FloatRotator rotation = FloatRotator()) {
    CameraSnapshot snapshot;
    snapshot.frame = frame;
    snapshot.timestamp = timestamp;
    snapshot.FOV = 90.0f;
    snapshot.location = location;
    snapshot.rotation = rotation;
    return snapshot;
}

} // namespace StorageTest
