#pragma once
// Path files on disk: where they live, writing them safely and reading them all-or-nothing.
// Nothing here touches the engine, so the rules can be exercised on any folder.

#include <filesystem>
#include <string>

#include "path/CameraSnapshot.h"

// The directory (or, when it is empty, dataFolder/"campaths") joined with the name exactly as
// typed: no extension is added, and an absolute name replaces the directory.
std::filesystem::path ResolvePathFile(const std::string& directory,
                                      const std::filesystem::path& dataFolder,
                                      const std::string& name);

// Creates the file's folder when missing and replaces the file with the path's text. On
// failure returns false with the reason in error and leaves any previous file as it was.
bool WritePathFile(const std::filesystem::path& file, const SnapshotMap& path, std::string& error);

enum class PathReadStatus {
    Loaded,
    NotFound, // nothing at that path
    Refused,  // unreadable, malformed, or spanning too many frames
};

struct PathReadResult {
    PathReadStatus status = PathReadStatus::NotFound;
    // The console line for NotFound and Refused; for Loaded, a line about keys that named one
    // frame twice, or empty.
    std::string message;
};

// Reads and validates the whole file; out is replaced only when it loads.
PathReadResult ReadPathFile(const std::filesystem::path& file, SnapshotMap& out);

// "Could not save FILE: REASON", the line for a failed path save.
std::string SaveFailureMessage(const std::filesystem::path& file, const std::string& reason);
