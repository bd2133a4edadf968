#pragma once
// The preset library's index, "index.json": a JSON array of {"filename", "name", "tags"}
// objects in library order, and the rule that turns a preset name into its file name.

#include <string>
#include <vector>

#include "core/PresetEntry.h"

// The index's own file in the preset folder; no preset's file may take this name.
inline constexpr const char* kPresetIndexFileName = "index.json";

// The name with each / \ " * : ? replaced by an underscore, then ".json"; every other
// character stays ("a/b:c" -> "a_b_c.json").
std::string PresetFileNameFor(const std::string& name);

// The n-th candidate for a derived file name: n = 1 is the name itself, n >= 2 inserts " (n)"
// before ".json" ("a_b.json", 2 -> "a_b (2).json").
std::string NumberedPresetFileName(const std::string& fileName, int number);

// Why an index entry's file name cannot serve as its preset's file, or "" when it can. It may
// name a file in a subfolder ("sub/p.json"), but not leave the folder (absolute, a ".." part;
// either slash separates), be empty, name a folder ("sub/") or be the index itself in any
// spelling that opens it ("./INDEX.json"). For example: "its file name \"../p.json\" leaves
// the preset folder".
std::string PresetFileNameProblem(const std::string& fileName);

// Whether the file name opens the index in any spelling ("index.json", "./INDEX.json").
bool IsPresetIndexFileName(const std::string& fileName);

// Whether two index file names name the same file ("a.json", "./a.json").
bool SamePresetFile(const std::string& a, const std::string& b);

// The file a preset saved under name uses. An entry keeps its own usable file name when saved
// again; otherwise the derived name, numbered until it is neither the index's nor used by an
// entry with another name, so names that differ only in a replaced character ("a:b", "a?b")
// keep separate files and a preset named "index" gets "index (2).json".
std::string ChoosePresetFileName(const std::vector<PresetEntry>& index, const std::string& name);

// The index text, 4-space indentation, "[]" when empty. Fails (with the reason in error) only
// when a name or tag is not valid UTF-8 text.
bool SerializePresetIndex(const std::vector<PresetEntry>& index, std::string& text,
                          std::string& error);

// An index element left out by the reader, and why.
struct SkippedIndexEntry {
    std::string entry;   // its place and, when it has one, its name: entry 2 ("intro")
    std::string problem; // for example "a tag is not text"
};

// Reads the whole index, which must be a JSON list; otherwise returns false with the problem in
// error and leaves out untouched. Each element must be an object with "name" text; "filename"
// is optional text (default ""), "tags" an optional list of text (null counts as none), other
// members are ignored. An element of any other shape is left out and described in skipped, so
// the rest of the library stays usable.
bool ParsePresetIndex(const std::string& text, std::vector<PresetEntry>& out, std::string& error,
                      std::vector<SkippedIndexEntry>& skipped);
