#pragma once
// Helpers for tests that touch the file system: a private folder per test, whole-file text,
// and a way to make writes fail even when running as root (permission bits do not stop root,
// a file size limit does).

#include <filesystem>
#include <string>
#include <vector>

#include "core/CameraSnapshot.h"

namespace StorageTest {

// A fresh, empty folder under the system's temporary folder, removed with its content.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path; }
    std::filesystem::path operator/(const std::string& name) const { return path / name; }
    // The names in the folder, sorted.
    std::vector<std::string> Names() const;

private:
    std::filesystem::path path;
};

// While alive, no file may grow beyond limitBytes: writes past it fail (disk-full alike).
class FileSizeLimit {
public:
    explicit FileSizeLimit(unsigned long limitBytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    unsigned long previousSoft;
    void (*previousHandler)(int);
};

std::string ReadText(const std::filesystem::path& file);
void WriteText(const std::filesystem::path& file, const std::string& text);
std::string ReadTestData(const std::string& name);

// A waypoint with its own location and rotation, everything else at defaults.
CameraSnapshot Waypoint(int frame, float timestamp, Vector location,
                        FloatRotator rotation = FloatRotator());

} // namespace StorageTest
