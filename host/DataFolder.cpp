#include "host/DataFolder.h"

#include <stdlib.h> // mkdtemp

#include <cstdlib>
#include <system_error>
#include <vector>

namespace Corvane::Host {

std::filesystem::path DefaultDataFolder() {
    const char* home = std::getenv("HOME");
    if (home != nullptr && *home != '\0')
        return std::filesystem::path(home) / ".corvane-sim" / "data";
    return std::filesystem::current_path() / "corvane-sim-data";
}

bool PrepareDataFolder(const std::filesystem::path& folder, std::string& problem) {
    std::error_code error;
    if (std::filesystem::exists(folder, error) && !std::filesystem::is_directory(folder, error)) {
        problem = folder.string() + " is not a folder";
        return false;
    }
    std::filesystem::create_directories(folder, error);
    if (error) {
        problem = "cannot create the folder " + folder.string() + ": " + error.message();
        return false;
    }
    return true;
}

std::filesystem::path MakeTemporaryFolder(const std::string& prefix) {
    std::error_code error;
    std::filesystem::path base = std::filesystem::temp_directory_path(error);
    if (error)
        base = "/tmp";
    std::string pattern = (base / (prefix + "-XXXXXX")).string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (mkdtemp(buffer.data()) == nullptr)
        return std::filesystem::path();
    return std::filesystem::path(buffer.data());
}

} // namespace Corvane::Host
