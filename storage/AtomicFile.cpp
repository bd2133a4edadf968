#include "storage/AtomicFile.h"

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <fstream>
#include <random>
#include <sstream>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// The operating system's reason for the last failed stream operation, when it left one.
std::string LastSystemReason() {
    if (errno == 0)
        return std::string();
    return " (" + std::generic_category().message(errno) + ")";
}

// A name no other writer is likely to pick, hidden from plain listings. Two programs saving
// into the same folder at once each get their own temporary file. (The clock seeds the
// generator: a random device may throw where none is available.)
fs::path TemporaryNameBeside(const fs::path& file) {
    static std::mt19937_64 generator{static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count())};
    std::ostringstream name;
    name << ".quorvel-save-" << std::hex << generator() << ".tmp";
    return file.parent_path() / name.str();
}

bool WriteTemporary(const fs::path& temporary, const std::string& text, std::string& error) {
    errno = 0;
    std::ofstream stream(temporary, std::ios::binary | std::ios::trunc);
    if (!stream) {
        error = "cannot create a temporary file" + LastSystemReason();
        return false;
    }
    errno = 0;
    stream.write(text.data(), static_cast<std::streamsize>(text.size()));
    stream.flush();
    stream.close();
    if (stream.fail()) {
        error = "writing failed" + LastSystemReason();
        return false;
    }
    return true;
}

} // namespace

bool ReadWholeFile(const fs::path& file, std::string& text, std::string& error) {
    std::error_code ec;
    if (fs::is_directory(file, ec)) {
        error = "is a folder";
        return false;
    }
    errno = 0;
    std::ifstream stream(file, std::ios::binary);
    if (!stream) {
        error = "cannot be opened" + LastSystemReason();
        return false;
    }
    std::ostringstream content;
    content << stream.rdbuf();
    if (stream.bad()) {
        error = "cannot be read" + LastSystemReason();
        return false;
    }
    text = content.str();
    return true;
}

bool WriteFileAtomically(const fs::path& file, const std::string& text, std::string& error) {
    const fs::path temporary = TemporaryNameBeside(file);
    std::error_code ec;
    if (!WriteTemporary(temporary, text, error)) {
        fs::remove(temporary, ec);
        return false;
    }
    fs::rename(temporary, file, ec);
    if (ec) {
        error = "cannot replace the file (" + ec.message() + ")";
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return false;
    }
    return true;
}
