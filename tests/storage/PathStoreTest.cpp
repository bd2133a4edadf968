// Path files on disk: where they go, safe saving, and all-or-nothing loading.

#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "StorageTestSupport.h"
#include "core/PathLimits.h"
#include "storage/PathFormat.h"
#include "storage/PathStore.h"

namespace fs = std::filesystem;
using StorageTest::FileSizeLimit;
using StorageTest::ReadText;
using StorageTest::TempFolder;
using StorageTest::Waypoint;
using StorageTest::WriteText;

namespace {

SnapshotMap TwoWaypoints() {
    return {{10, Waypoint(10, 1.0f, {1.0f, 2.0f, 3.0f})},
            {40, Waypoint(40, 2.0f, {4.0f, 5.0f, 6.0f})}};
}

SnapshotMap OneWaypoint() {
    return {{3, Waypoint(3, 0.5f, {9.0f, 9.0f, 9.0f})}};
}

} // namespace

struct ResolveCase {
    const char* directory;
    const char* name;
    const char* expected;
};

class PathFileLocation : public ::testing::TestWithParam<ResolveCase> {};

TEST_P(PathFileLocation, JoinsTheNameAsTyped) {
    EXPECT_EQ(ResolvePathFile(GetParam().directory, "/data", GetParam().name),
              fs::path(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Cases, PathFileLocation,
                         ::testing::Values(ResolveCase{"", "shot1", "/data/campaths/shot1"},
                                           ResolveCase{"", "shot1.json",
                                                       "/data/campaths/shot1.json"},
                                           ResolveCase{"/paths", "shot1", "/paths/shot1"},
                                           ResolveCase{"relative/dir", "a", "relative/dir/a"},
                                           ResolveCase{"/paths", "sub/a", "/paths/sub/a"},
                                           ResolveCase{"/paths", "/elsewhere/a", "/elsewhere/a"},
                                           ResolveCase{"", "/elsewhere/a", "/elsewhere/a"}));

// --- Saving ----------------------------------------------------------------------------------

TEST(PathFileSave, CreatesMissingFoldersAndWritesTheFormat) {
    TempFolder folder;
    const fs::path file = folder / "campaths/nested/shot1";
    std::string error;
    ASSERT_TRUE(WritePathFile(file, TwoWaypoints(), error)) << error;
    EXPECT_EQ(ReadText(file), SerializePath(TwoWaypoints()));
}

TEST(PathFileSave, AFolderThatIsAFileIsReported) {
    TempFolder folder;
    WriteText(folder / "campaths", "not a folder");
    std::string error;
    EXPECT_FALSE(WritePathFile(folder / "campaths/shot1", TwoWaypoints(), error));
    EXPECT_EQ(error,
              "cannot create the folder " + (folder / "campaths").string() + " (Not a directory)");
    EXPECT_EQ(ReadText(folder / "campaths"), "not a folder");
}

TEST(PathFileSave, ATargetThatIsAFolderIsReportedAndKept) {
    TempFolder folder;
    fs::create_directories(folder / "shot1/inside");
    std::string error;
    EXPECT_FALSE(WritePathFile(folder / "shot1", TwoWaypoints(), error));
    EXPECT_EQ(error, "cannot replace the file (Is a directory)");
    EXPECT_TRUE(fs::is_directory(folder / "shot1/inside"));
}

TEST(PathFileSave, AFailedWriteLeavesThePreviousFile) {
    TempFolder folder;
    const fs::path file = folder / "shot1";
    std::string error;
    ASSERT_TRUE(WritePathFile(file, OneWaypoint(), error));
    const std::string before = ReadText(file);
    bool written = true;
    {
        const FileSizeLimit limit(before.size() + 1); // the bigger path does not fit
        written = WritePathFile(file, TwoWaypoints(), error);
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(ReadText(file), before);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"shot1"});
}

TEST(PathFileSave, ANonFiniteValueIsRefusedBeforeTouchingTheFile) {
    TempFolder folder;
    const fs::path file = folder / "shot1";
    WriteText(file, "previous");
    SnapshotMap path = TwoWaypoints();
    path[40].v3_bz_ctrl_in.Z = std::numeric_limits<float>::infinity();
    std::string error;
    EXPECT_FALSE(WritePathFile(file, path, error));
    EXPECT_EQ(error, "snapshot 40 holds a value that is not finite");
    EXPECT_EQ(ReadText(file), "previous");
}

TEST(PathFileSave, FailureMessageNamesTheFile) {
    EXPECT_EQ(SaveFailureMessage("/data/campaths/a", "cannot replace the file (Is a directory)"),
              "Could not save /data/campaths/a: cannot replace the file (Is a directory)");
}

// --- Loading ---------------------------------------------------------------------------------

TEST(PathFileLoad, SavedPathLoadsBackIdentical) {
    TempFolder folder;
    std::string error;
    ASSERT_TRUE(WritePathFile(folder / "a", TwoWaypoints(), error));
    SnapshotMap loaded = OneWaypoint();
    const PathReadResult result = ReadPathFile(folder / "a", loaded);
    EXPECT_EQ(result.status, PathReadStatus::Loaded);
    EXPECT_EQ(result.message, "");
    EXPECT_EQ(loaded, TwoWaypoints());
}

TEST(PathFileLoad, NoExtensionIsAddedSoTheJsonNameIsNotFound) {
    TempFolder folder;
    std::string error;
    ASSERT_TRUE(WritePathFile(folder / "a", TwoWaypoints(), error));
    SnapshotMap path = OneWaypoint();
    const PathReadResult result = ReadPathFile(folder / "a.json", path);
    EXPECT_EQ(result.status, PathReadStatus::NotFound);
    EXPECT_EQ(result.message, "File not found: " + (folder / "a.json").string());
    EXPECT_EQ(path, OneWaypoint());
}

TEST(PathFileLoad, AMalformedFileIsReportedWithItsNameAndChangesNothing) {
    TempFolder folder;
    WriteText(folder / "bad", R"({"10": {"frame": 10}})");
    SnapshotMap path = OneWaypoint();
    const PathReadResult result = ReadPathFile(folder / "bad", path);
    EXPECT_EQ(result.status, PathReadStatus::Refused);
    EXPECT_EQ(result.message, "Could not load " + (folder / "bad").string() +
                                  R"(: snapshot "10": "timestamp" is missing)");
    EXPECT_EQ(path, OneWaypoint());
}

TEST(PathFileLoad, AFolderIsReported) {
    TempFolder folder;
    fs::create_directory(folder / "dir");
    SnapshotMap path = OneWaypoint();
    const PathReadResult result = ReadPathFile(folder / "dir", path);
    EXPECT_EQ(result.status, PathReadStatus::Refused);
    EXPECT_EQ(result.message, "Could not load " + (folder / "dir").string() + ": is a folder");
    EXPECT_EQ(path, OneWaypoint());
}

TEST(PathFileLoad, APathSpanningTooManyFramesIsRefused) {
    TempFolder folder;
    std::string error;
    const SnapshotMap longest{{-5, Waypoint(-5, 0.0f, {})}, {999995, Waypoint(999995, 1.0f, {})}};
    SnapshotMap tooLong = longest;
    tooLong[999996] = Waypoint(999996, 2.0f, {});
    ASSERT_TRUE(WritePathFile(folder / "longest", longest, error));
    ASSERT_TRUE(WritePathFile(folder / "tooLong", tooLong, error));

    SnapshotMap path = OneWaypoint();
    const PathReadResult refused = ReadPathFile(folder / "tooLong", path);
    EXPECT_EQ(refused.status, PathReadStatus::Refused);
    EXPECT_EQ(refused.message, kPathSpanMessage);
    EXPECT_EQ(path, OneWaypoint());

    EXPECT_EQ(ReadPathFile(folder / "longest", path).status, PathReadStatus::Loaded);
    EXPECT_EQ(path, longest);
}
