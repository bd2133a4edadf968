#include "tools/PresetText.h"

std::vector<std::string> SplitTags(const std::string& text) {
    std::vector<std::string> tags;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t comma = text.find(',', start);
        if (comma == std::string::npos) {
            tags.push_back(text.substr(start));
            break;
        }
        tags.push_back(text.substr(start, comma - start));
        start = comma + 1;
    }
    return tags;
}

std::vector<std::string> FormatPresetList(const std::vector<PresetEntry>& presets) {
    std::vector<std::string> lines;
    lines.push_back("Presets (" + std::to_string(presets.size()) + "):");
    for (const PresetEntry& preset : presets) {
        std::string line = "  " + preset.name + " [";
        for (const std::string& tag : preset.tags)
            line += tag + ",";
        lines.push_back(line + "]");
    }
    return lines;
}
