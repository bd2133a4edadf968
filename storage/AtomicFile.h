#pragma once
// Whole-file reading and writing that never throws and never leaves a half-written file.
//
// A write goes to a temporary file in the target's own folder and is then renamed over the
// target, so the old content stays intact until the new content is complete: a failed write
// (disk full, target is a folder, folder missing) leaves the previous file as it was.

#include <filesystem>
#include <string>

// Reads the whole file into text. On failure returns false and describes the problem in
// error ("is a folder", "cannot be opened (No such file or directory)", ...).
bool ReadWholeFile(const std::filesystem::path& file, std::string& text, std::string& error);

// Replaces file with text (created when missing). The folder must exist. On failure returns
// false with the reason in error; the previous file, if any, is untouched.
bool WriteFileAtomically(const std::filesystem::path& file, const std::string& text,
                         std::string& error);
