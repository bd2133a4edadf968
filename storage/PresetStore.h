#pragma once
// The preset library's files: "index.json" and one path file per preset, all in one folder.
// The store works on an index list it is given (the engine's presetIndex) and reports through
// a log function, so it runs on any folder without the game.
//
// Every write replaces its file atomically. An index that changes on disk is written only
// after the preset file it lists, and the in-memory list changes only when both writes
// succeed. An "index.json" that cannot be read, wholly or in some of its entries, is copied
// aside before it is first rewritten, so no entry is lost without a trace.

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/PresetEntry.h"
#include "path/CameraSnapshot.h"

enum class PresetResult {
    Done,
    NotFound, // no entry has the name, or its file is missing; nothing logged
    Refused,  // save with an empty name or an empty path; nothing logged
    Failed,   // a file could not be read or written; one line logged, the list unchanged
};

class PresetStore {
public:
    using Log = std::function<void(const std::string&)>;

    PresetStore(std::filesystem::path folder, std::vector<PresetEntry>& index, Log log);

    std::filesystem::path IndexFile() const;

    // Empties the list and fills it from "index.json". A missing file leaves it empty
    // silently; an unreadable one is reported and leaves it empty; each entry of the wrong
    // shape is reported on its own line and left out.
    void LoadIndex();
    // Writes the list to "index.json"; false after reporting a failure.
    bool SaveIndex();

    // Writes the path to the preset's file and lists it: an existing name keeps its place and
    // its file and takes the new tags; a new name is appended.
    PresetResult Save(const std::string& name, const std::vector<std::string>& tags,
                      const SnapshotMap& path);
    // The first entry with the name, read into out (replaced only on success). An entry whose
    // file name is not a preset file inside the folder fails with one line.
    PresetResult Load(const std::string& name, SnapshotMap& out);
    // Removes the first entry with the name, and its file unless another entry still uses it.
    // An entry whose file name is not a preset file inside the folder fails with one line and
    // stays.
    PresetResult Delete(const std::string& name);

private:
    std::vector<PresetEntry>::const_iterator Find(const std::string& name) const;
    bool WriteIndex(const std::vector<PresetEntry>& entries, std::string& error);
    bool KeepUnreadableIndex(std::string& error);
    bool RemovePresetFile(const std::string& fileName, const std::vector<PresetEntry>& remaining,
                          std::string& error);

    std::filesystem::path folder;
    std::vector<PresetEntry>& index;
    Log log;
};
