#include "storage/AtomicFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
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

// Writes all of text to a new file and flushes it to the disk before it is closed, so that the
// rename that follows can never publish a file whose data is still only in memory.
bool WriteTemporary(const fs::path& temporary, const std::string& text, std::string& error) {
    errno = 0;
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        error = "cannot create a temporary file" + LastSystemReason();
        return false;
    }
    size_t written = 0;
    while (written < text.size()) {
        const ssize_t count = ::write(fd, text.data() + written, text.size() - written);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0) {
            error = "writing failed" + LastSystemReason();
            ::close(fd);
            return false;
        }
        written += static_cast<size_t>(count);
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        error = "writing failed" + LastSystemReason();
        return false;
    }
    return true;
}

// Makes the rename itself durable: until the folder is flushed, a power cut may bring back
// the old name, or no file at all. Best effort: some file systems cannot flush a folder, and
// the file is in place whatever happens here.
void SyncFolderOf(const fs::path& file) {
    const fs::path folder = file.parent_path().empty() ? fs::path(".") : file.parent_path();
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

bool ReadWholeFile(const fs::path& file, std::string& text, std::string& error) {
    std::error_code ec;
    if (fs::is_directory(file, ec)) {
        error = "is a folder";
        return false;
    }
    const std::uintmax_t size = fs::file_size(file, ec);
    if (!ec && size > kMaxReadBytes) {
        error = "is too large (" + std::to_string(size) + " bytes, at most " +
                std::to_string(kMaxReadBytes) + ")";
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
    // The system call itself (not std::filesystem's), so that a test can watch the order of
    // flushes and renames by wrapping fsync and rename at link time (DurableSaveTest).
    if (::rename(temporary.c_str(), file.c_str()) != 0) {
        error = "cannot replace the file (" + std::generic_category().message(errno) + ")";
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return false;
    }
    SyncFolderOf(file);
    return true;
}
