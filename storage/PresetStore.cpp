#include "storage/PresetStore.h"

#include <algorithm>
#include <system_error>
#include <utility>

#include "storage/AtomicFile.h"
#include "storage/PathStore.h"
#include "storage/PresetIndex.h"

namespace fs = std::filesystem;

namespace {

// Where an unreadable index is kept before the library rewrites it.
const char* const kUnreadableIndexName = "index.unreadable.json";
constexpr int kMostUnreadableCopies = 1000;

// Readable when every entry is: rewriting an index that had entries left out loses them.
bool IndexIsReadable(const fs::path& file) {
    std::string text;
    std::string problem;
    std::vector<PresetEntry> entries;
    std::vector<SkippedIndexEntry> skipped;
    return ReadWholeFile(file, text, problem) &&
           ParsePresetIndex(text, entries, problem, skipped) && skipped.empty();
}

bool CreateFolder(const fs::path& folder, std::string& error) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec)
        error = "cannot create the folder " + folder.string() + " (" + ec.message() + ")";
    return !ec;
}

} // namespace

PresetStore::PresetStore(fs::path folder, std::vector<PresetEntry>& index, Log log)
    : folder(std::move(folder)), index(index), log(std::move(log)) {}

fs::path PresetStore::IndexFile() const {
    return folder / kPresetIndexFileName;
}

std::vector<PresetEntry>::const_iterator PresetStore::Find(const std::string& name) const {
    return std::find_if(index.begin(), index.end(),
                        [&](const PresetEntry& entry) { return entry.name == name; });
}

// --- The index -------------------------------------------------------------------------------

void PresetStore::LoadIndex() {
    index.clear();
    std::error_code ec;
    if (!fs::exists(IndexFile(), ec))
        return;
    std::string text;
    std::string problem;
    std::vector<SkippedIndexEntry> skipped;
    if (!ReadWholeFile(IndexFile(), text, problem) ||
        !ParsePresetIndex(text, index, problem, skipped)) {
        log("Could not read preset index " + IndexFile().string() + ": " + problem);
        return;
    }
    for (const SkippedIndexEntry& entry : skipped) {
        log("Skipped " + entry.entry + " of preset index " + IndexFile().string() + ": " +
            entry.problem);
    }
}

bool PresetStore::SaveIndex() {
    std::string error;
    if (WriteIndex(index, error))
        return true;
    log(SaveFailureMessage(IndexFile(), error));
    return false;
}

bool PresetStore::WriteIndex(const std::vector<PresetEntry>& entries, std::string& error) {
    std::string text;
    return SerializePresetIndex(entries, text, error) && CreateFolder(folder, error) &&
           KeepUnreadableIndex(error) && WriteFileAtomically(IndexFile(), text, error);
}

bool PresetStore::KeepUnreadableIndex(std::string& error) {
    std::error_code ec;
    if (!fs::is_regular_file(IndexFile(), ec) || IndexIsReadable(IndexFile()))
        return true;
    for (int number = 1; number <= kMostUnreadableCopies; ++number) {
        const fs::path copy = folder / NumberedPresetFileName(kUnreadableIndexName, number);
        if (fs::exists(copy, ec))
            continue;
        fs::copy_file(IndexFile(), copy, ec);
        if (ec)
            break;
        log("Kept a copy of the unreadable preset index as " + copy.string());
        return true;
    }
    error = "the unreadable index cannot be copied aside" +
            (ec ? " (" + ec.message() + ")" : std::string());
    return false;
}

// --- Presets ---------------------------------------------------------------------------------

PresetResult PresetStore::Save(const std::string& name, const std::vector<std::string>& tags,
                               const SnapshotMap& path) {
    if (name.empty() || path.empty())
        return PresetResult::Refused;

    const std::string fileName = ChoosePresetFileName(index, name);
    std::vector<PresetEntry> updated = index;
    bool listed = false;
    for (PresetEntry& entry : updated) {
        if (entry.name == name) {
            entry.tags = tags;
            entry.filename = fileName;
            listed = true;
        }
    }
    if (!listed)
        updated.push_back({name, tags, fileName});

    const fs::path file = folder / fileName;
    std::string error;
    if (!WritePathFile(file, path, error)) {
        log("Failed to save preset: " + file.string() + ": " + error);
        return PresetResult::Failed;
    }
    if (!WriteIndex(updated, error)) {
        log("Failed to save preset: " + IndexFile().string() + ": " + error);
        return PresetResult::Failed;
    }
    index = std::move(updated);
    return PresetResult::Done;
}

PresetResult PresetStore::Load(const std::string& name, SnapshotMap& out) {
    const auto entry = Find(name);
    if (entry == index.end())
        return PresetResult::NotFound;
    const std::string problem = PresetFileNameProblem(entry->filename);
    if (!problem.empty()) {
        log("Failed to load preset: " + name + ": " + problem);
        return PresetResult::Failed;
    }
    const PathReadResult result = ReadPathFile(folder / entry->filename, out);
    switch (result.status) {
    case PathReadStatus::Loaded:
        if (!result.message.empty())
            log(result.message);
        return PresetResult::Done;
    case PathReadStatus::NotFound:
        return PresetResult::NotFound;
    case PathReadStatus::Refused:
        break;
    }
    log(result.message);
    return PresetResult::Failed;
}

PresetResult PresetStore::Delete(const std::string& name) {
    const auto entry = Find(name);
    if (entry == index.end())
        return PresetResult::NotFound;
    // A file elsewhere is never removed, and the entry stays so that it does not vanish while
    // its file remains: saving the name again gives it a file of its own to delete.
    const std::string problem = PresetFileNameProblem(entry->filename);
    if (!problem.empty()) {
        log("Failed to delete preset: " + name + ": " + problem);
        return PresetResult::Failed;
    }
    const std::string fileName = entry->filename;
    std::vector<PresetEntry> remaining = index;
    remaining.erase(remaining.begin() + (entry - index.begin()));

    std::string error;
    if (!RemovePresetFile(fileName, remaining, error)) {
        log("Failed to delete preset: " + error);
        return PresetResult::Failed;
    }
    if (!WriteIndex(remaining, error)) {
        log("Failed to delete preset: " + IndexFile().string() + ": " + error);
        return PresetResult::Failed;
    }
    index = std::move(remaining);
    return PresetResult::Done;
}

bool PresetStore::RemovePresetFile(const std::string& fileName,
                                   const std::vector<PresetEntry>& remaining, std::string& error) {
    // A file that another entry still lists (an index written before file names were kept
    // apart) stays for that entry.
    const bool shared = std::any_of(remaining.begin(), remaining.end(), [&](const PresetEntry& e) {
        return SamePresetFile(e.filename, fileName);
    });
    const fs::path file = folder / fileName;
    std::error_code ec;
    if (shared || !fs::exists(file, ec))
        return true;
    fs::remove(file, ec);
    if (ec)
        error = file.string() + ": cannot be removed (" + ec.message() + ")";
    return !ec;
}
