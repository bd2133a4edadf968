// Feeds arbitrary bytes to the preset-index reader. Besides crashes and sanitizer reports it
// stops on a broken promise:
//   - a refused index leaves the caller's list as it was and names one problem on one line;
//   - every entry left out is named and described on one line;
//   - an accepted index writes back to text that reads back to the same list, whole;
//   - the file chosen for a name is that name's own usable file, or one that is not the
//     index's and that no other name lists.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "storage/PresetIndex.h"

namespace {

bool Same(const std::vector<PresetEntry>& a, const std::vector<PresetEntry>& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].name != b[i].name || a[i].tags != b[i].tags || a[i].filename != b[i].filename)
            return false;
    }
    return true;
}

bool OneLine(const std::string& text) {
    return !text.empty() && text.find('\n') == std::string::npos;
}

void CheckFileChoice(const std::vector<PresetEntry>& index, const std::string& name) {
    const std::string chosen = ChoosePresetFileName(index, name);
    const auto own = std::find_if(index.begin(), index.end(),
                                  [&](const PresetEntry& entry) { return entry.name == name; });
    if (own != index.end() && PresetFileNameProblem(own->filename).empty()) {
        if (chosen != own->filename)
            std::abort();
        return;
    }
    if (IsPresetIndexFileName(chosen))
        std::abort();
    for (const PresetEntry& other : index) {
        if (other.name != name && SamePresetFile(other.filename, chosen))
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::vector<PresetEntry> marker{{"marker", {"t"}, "marker.json"}};
    std::vector<PresetEntry> index = marker;
    std::string error;
    std::vector<SkippedIndexEntry> skipped;
    if (!ParsePresetIndex(text, index, error, skipped)) {
        if (!Same(index, marker) || !OneLine(error))
            std::abort();
        return 0;
    }
    for (const SkippedIndexEntry& entry : skipped) {
        if (!OneLine(entry.entry) || !OneLine(entry.problem))
            std::abort();
    }
    std::string written;
    std::vector<PresetEntry> again;
    if (!SerializePresetIndex(index, written, error) ||
        !ParsePresetIndex(written, again, error, skipped) || !skipped.empty() ||
        !Same(again, index))
        std::abort();
    for (const PresetEntry& entry : index)
        CheckFileChoice(index, entry.name);
    CheckFileChoice(index, text.substr(0, 12));
    return 0;
}
