#pragma once
// Whole-file reading and writing that never throws and never leaves a half-written file.
//
// A write goes to a temporary file in the target's own folder, is flushed to the disk, and is
// then renamed over the target, whose folder is flushed in turn: the old content stays intact
// until the new content is complete and durable, so a failed write (disk full, target is a
// folder, folder missing) or a power cut leaves either the previous file or the new one.

#include <cstdint>
#include <filesystem>
#include <string>

// Larger files are refused before a byte is read. The longest path a save writes, a waypoint
// on each of the 1000001 frames of the longest span, is about 750 MB of JSON (some 700 bytes a
// waypoint); a file of a gigabyte is none of ours, and parsing it would hold it in memory
// several times over.
inline constexpr std::uintmax_t kMaxReadBytes = 896u << 20; // 896 MiB

// Reads the whole file into text. On failure returns false and describes the problem in
// error ("is a folder", "is too large (...)", "cannot be opened (No such file or
// directory)", ...).
bool ReadWholeFile(const std::filesystem::path& file, std::string& text, std::string& error);

// Replaces file with text (created when missing). The folder must exist. On failure returns
// false with the reason in error; the previous file, if any, is untouched.
bool WriteFileAtomically(const std::filesystem::path& file, const std::string& text,
                         std::string& error);
