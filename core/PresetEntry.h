#pragma once
// One entry of the preset library's index.

#include <string>
#include <vector>

struct PresetEntry {
    std::string name;              // as the user typed it; the lookup key (exact match)
    std::vector<std::string> tags; // in the order given; may be empty
    std::string filename;          // file inside the preset folder, derived from the name
};
