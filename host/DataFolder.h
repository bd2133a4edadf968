#pragma once
// Folders the host keeps files in.

#include <filesystem>
#include <string>

namespace Corvane::Host {

// $HOME/.corvane-sim/data, or ./corvane-sim-data when HOME is not set.
std::filesystem::path DefaultDataFolder();

// A new, empty folder under the system's temporary folder whose name starts with prefix;
// empty when none could be made.
std::filesystem::path MakeTemporaryFolder(const std::string& prefix);

} // namespace Corvane::Host
