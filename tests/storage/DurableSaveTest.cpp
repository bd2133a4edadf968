// The order in which a save reaches the disk, watched through the system calls themselves: the
// program is linked with fsync and rename wrapped (ld --wrap, see CMakeLists.txt), so every call
// the storage code makes passes through the recorders below first.

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "StorageTestSupport.h"
#include "storage/PathFormat.h"
#include "storage/PathStore.h"

extern "C" int __real_fsync(int fd);
extern "C" int __real_rename(const char* from, const char* to);

namespace {

// One line per call: "fsync NAME SIZE" (the file or folder flushed, and a file's size then),
// "rename FROM TO CONTENT" (the bytes the renamed file held at that moment).
std::vector<std::string> calls;

std::string NameOf(int fd, off_t& size) {
    char target[PATH_MAX] = {};
    const std::string link = "/proc/self/fd/" + std::to_string(fd);
    const ssize_t length = readlink(link.c_str(), target, sizeof target - 1);
    struct stat status {};
    fstat(fd, &status);
    size = S_ISREG(status.st_mode) ? status.st_size : -1;
    return length > 0 ? std::string(target, static_cast<size_t>(length)) : std::string();
}

} // namespace

extern "C" int __wrap_fsync(int fd) {
    off_t size = 0;
    const std::string name = NameOf(fd, size);
    calls.push_back("fsync " + name + " " + std::to_string(size));
    return __real_fsync(fd);
}

extern "C" int __wrap_rename(const char* from, const char* to) {
    calls.push_back(std::string("rename ") + from + " " + to + " " + StorageTest::ReadText(from));
    return __real_rename(from, to);
}

namespace {

TEST(DurableSave, TheDataIsFlushedBeforeTheRenameAndTheFolderAfterIt) {
    const StorageTest::TempFolder folder;
    // As the system names it, to compare with the names of open files.
    const std::string folderName = std::filesystem::canonical(folder.Path()).string();
    const std::filesystem::path file = std::filesystem::path(folderName) / "shot1";
    const SnapshotMap path{{10, StorageTest::Waypoint(10, 1.0f, {1.0f, 2.0f, 3.0f})}};
    const std::string text = SerializePath(path);
    std::string error;
    calls.clear();
    ASSERT_TRUE(WritePathFile(file, path, error)) << error;

    ASSERT_EQ(calls.size(), 3u);
    // The temporary file, whole, then renamed over the target, then the folder.
    const std::string prefix = "fsync " + folderName + "/.quorvel-save-";
    ASSERT_EQ(calls[0].rfind(prefix, 0), 0u) << calls[0];
    const std::string temporary = calls[0].substr(6, calls[0].rfind(' ') - 6);
    EXPECT_EQ(calls[0], "fsync " + temporary + " " + std::to_string(text.size()));
    EXPECT_EQ(calls[1], "rename " + temporary + " " + file.string() + " " + text);
    EXPECT_EQ(calls[2], "fsync " + folderName + " -1");
}

} // namespace
