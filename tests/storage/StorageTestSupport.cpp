#include "StorageTestSupport.h"

#include <algorithm>
#include <csignal>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <sys/resource.h>

namespace fs = std::filesystem;

namespace StorageTest {

TempFolder::TempFolder() {
    std::random_device seed;
    std::ostringstream name;
    name << "quorvel-test-" << std::hex << seed() << seed();
    path = fs::temp_directory_path() / name.str();
    fs::create_directories(path);
}

TempFolder::~TempFolder() {
    std::error_code ec;
    fs::remove_all(path, ec);
}

std::vector<std::string> TempFolder::Names() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(path))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

FileSizeLimit::FileSizeLimit(unsigned long limitBytes) {
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    previousSoft = limit.rlim_cur;
    // Past the limit the kernel would otherwise stop the process with SIGXFSZ.
    previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    limit.rlim_cur = limitBytes;
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
        throw std::runtime_error("cannot set the file size limit");
}

FileSizeLimit::~FileSizeLimit() {
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = previousSoft;
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, previousHandler);
}

std::string ReadText(const fs::path& file) {
    std::ifstream stream(file, std::ios::binary);
    std::ostringstream content;
    content << stream.rdbuf();
    return content.str();
}

void WriteText(const fs::path& file, const std::string& text) {
    std::ofstream stream(file, std::ios::binary | std::ios::trunc);
    stream << text;
}

std::string ReadTestData(const std::string& name) {
    return ReadText(fs::path(QUORVEL_TEST_DATA) / name);
}

CameraSnapshot Waypoint(int frame, float timestamp, Vector location, FloatRotator rotation) {
    CameraSnapshot snapshot;
    snapshot.frame = frame;
    snapshot.timestamp = timestamp;
    snapshot.FOV = 90.0f;
    snapshot.location = location;
    snapshot.rotation = rotation;
    return snapshot;
}

} // namespace StorageTest
