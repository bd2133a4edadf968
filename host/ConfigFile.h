#pragma once
// The host's configuration file, <data folder>/config.cfg: the values of the variables
// registered with save-to-config, kept between sessions.
//
// One line per variable in name order: the name, one space, and the value in double quotes
// with a backslash before every `"` and `\` in it, and line breaks written as \n and \r:
//   dolly_path_directory "C:\\paths"
// Empty lines and lines starting with '#' are skipped; a line that does not read is reported
// on the error stream and skipped. The file is replaced as a whole (written beside it, then
// renamed over it), so an interrupted write leaves the old one.

#include <filesystem>
#include <map>
#include <ostream>
#include <string>

namespace Corvane::Host {

using ConfigEntries = std::map<std::string, std::string>;

std::filesystem::path ConfigFilePath(const std::filesystem::path& dataFolder);

// A missing file reads as no entries.
ConfigEntries ReadConfigFile(const std::filesystem::path& file, std::ostream& errors);
bool WriteConfigFile(const std::filesystem::path& file, const ConfigEntries& entries,
                     std::ostream& errors);

// One line of the file, and its reverse; false for a line that does not read.
std::string FormatConfigLine(const std::string& name, const std::string& value);
bool ParseConfigLine(const std::string& line, std::string& name, std::string& value);

} // namespace Corvane::Host
