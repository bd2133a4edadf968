#pragma once
// The text side of the preset commands: reading typed tags and printing the library.

#include <string>
#include <vector>

#include "core/PresetEntry.h"

// Splits on commas, one piece up to each next comma until the text ends, pieces untrimmed:
// "a,b" -> a, b; "a,,b" -> a, "", b; "a," -> a; ",a" -> "", a; "" -> no tags.
std::vector<std::string> SplitTags(const std::string& text);

// The console lines of dolly_preset_list: "Presets (N):", then "  name [tag,tag,]" per entry.
std::vector<std::string> FormatPresetList(const std::vector<PresetEntry>& presets);
