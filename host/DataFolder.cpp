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
