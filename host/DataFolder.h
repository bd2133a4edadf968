#pragma once
// Folders the host keeps files in.

#include <filesystem>
#include <string>

namespace Corvane::Host {

// $HOME/.corvane-sim/data, or ./corvane-sim-data when HOME is not set.
std::filesystem::path DefaultDataFolder();

// Makes sure folder is a folder the host can use, creating it when missing; otherwise
// returns false with one line in problem ("FOLDER is not a folder", or why it could not be
// created).
bool PrepareDataFolder(const std::filesystem::path& folder, std::string& problem);

// A new, empty folder under the system's temporary folder whose name starts with prefix;
// empty when none could be made.
std::filesystem::path MakeTemporaryFolder(const std::string& prefix);

} // namespace Corvane::Host
