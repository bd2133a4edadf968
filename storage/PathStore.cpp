#include "storage/PathStore.h"

#include <system_error>

#include "path/PathLimits.h"
#include "storage/AtomicFile.h"
#include "storage/PathFormat.h"

namespace fs = std::filesystem;

fs::path ResolvePathFile(const std::string& directory, const fs::path& dataFolder,
                         const std::string& name) {
    const fs::path folder = directory.empty() ? dataFolder / "campaths" : fs::path(directory);
    return folder / fs::path(name);
}

namespace {

bool CreateFolderFor(const fs::path& file, std::string& error) {
    const fs::path folder = file.parent_path();
    if (folder.empty())
        return true;
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) {
        error = "cannot create the folder " + folder.string() + " (" + ec.message() + ")";
        return false;
    }
    return true;
}

bool PathIsWritable(const SnapshotMap& path, std::string& error) {
    for (const auto& [frame, snapshot] : path) {
        if (!SnapshotIsFinite(snapshot)) {
            error = "snapshot " + std::to_string(frame) + " holds a value that is not finite";
            return false;
        }
    }
    return true;
}

} // namespace

bool WritePathFile(const fs::path& file, const SnapshotMap& path, std::string& error) {
    return PathIsWritable(path, error) && CreateFolderFor(file, error) &&
           WriteFileAtomically(file, SerializePath(path), error);
}

PathReadResult ReadPathFile(const fs::path& file, SnapshotMap& out) {
    PathReadResult result;
    std::error_code ec;
    if (!fs::exists(file, ec)) {
        result.message = "File not found: " + file.string();
        return result;
    }
    result.status = PathReadStatus::Refused;
    std::string text;
    std::string problem;
    SnapshotMap loaded;
    std::string notice;
    if (!ReadWholeFile(file, text, problem) || !ParsePath(text, loaded, problem, &notice)) {
        result.message = "Could not load " + file.string() + ": " + problem;
        return result;
    }
    if (!PathSpanAllowed(loaded)) {
        result.message = kPathSpanMessage;
        return result;
    }
    // A waypoint outside the world loads as it is: an earlier version could save one, and the
    // file is the user's work. The line says so; edits may bring it back.
    int outside = 0;
    if (!PathInWorld(loaded, &outside))
        notice += (notice.empty() ? "" : "; ") + std::string("snapshot ") +
                  std::to_string(outside) + " is " + kOutsideWorldText;
    out = std::move(loaded);
    result.status = PathReadStatus::Loaded;
    if (!notice.empty())
        result.message = "Loaded " + file.string() + ": " + notice;
    return result;
}

std::string SaveFailureMessage(const fs::path& file, const std::string& reason) {
    return "Could not save " + file.string() + ": " + reason;
}
