// Files on disk: whole-file reads and atomic writes, where path files go, and the path rules.
// The load messages naming a file are pinned in PathCommandsTest; a save into a full disk is
// in FileFaultsTest.

#include <cmath>

#include <gtest/gtest.h>

#include "StorageTestSupport.h"
#include "path/PathLimits.h"
#include "storage/AtomicFile.h"
#include "storage/PathFormat.h"
#include "storage/PathStore.h"

namespace fs = std::filesystem;
using Names = std::vector<std::string>;
using StorageTest::ReadText;
using StorageTest::TempFolder;
using StorageTest::Waypoint;
using StorageTest::WriteText;

namespace {

const SnapshotMap kTwo{{10, Waypoint(10, 1.0f, {1.0f, 2.0f, 3.0f})},
                       {40, Waypoint(40, 2.0f, {4.0f, 5.0f, 6.0f})}};
const SnapshotMap kOne{{3, Waypoint(3, 0.5f, {9.0f, 9.0f, 9.0f})}};

// A fresh folder, and the error text the calls fill in.
class Files : public ::testing::Test {
protected:
    TempFolder folder;
    std::string error;
};

} // namespace

TEST_F(Files, AtomicWritesReplaceWholeAndFailuresAreReportedLeavingNoTemporary) {
    ASSERT_TRUE(WriteFileAtomically(folder / "a.json", "a much longer first content", error));
    ASSERT_TRUE(WriteFileAtomically(folder / "a.json", "new", error)) << error;
    EXPECT_EQ(ReadText(folder / "a.json"), "new");
    fs::create_directory(folder / "taken");
    WriteText(folder / "taken" / "inside", "kept");
    EXPECT_FALSE(WriteFileAtomically(folder / "taken", "text", error));
    EXPECT_EQ(error, "cannot replace the file (Is a directory)");
    EXPECT_EQ(ReadText(folder / "taken" / "inside"), "kept");
    EXPECT_FALSE(WriteFileAtomically(folder / "missing" / "a.json", "text", error));
    EXPECT_EQ(error, "cannot create a temporary file (No such file or directory)");
    EXPECT_EQ(folder.Names(), (Names{"a.json", "taken"}));
}

TEST_F(Files, AWholeFileReadGetsExactBytesAndReportsWhatIsNotAFile) {
    const std::string bytes("a\0b\r\n", 5);
    WriteText(folder / "bytes", bytes);
    WriteText(folder / "empty", "");
    std::string text = "stale";
    ASSERT_TRUE(ReadWholeFile(folder / "bytes", text, error));
    EXPECT_EQ(text, bytes);
    ASSERT_TRUE(ReadWholeFile(folder / "empty", text, error));
    EXPECT_EQ(text, "");
    EXPECT_FALSE(ReadWholeFile(folder.Path(), text, error));
    EXPECT_EQ(error, "is a folder");
    EXPECT_FALSE(ReadWholeFile(folder / "missing", text, error));
    EXPECT_EQ(error, "cannot be opened (No such file or directory)");
}

TEST_F(Files, AFileOfAGigabyteIsRefusedBySizeBeforeItIsReadAndThePathStays) {
    const fs::path file = folder / "huge.json";
    WriteText(file, "{}");
    fs::resize_file(file, std::uintmax_t{1} << 30); // sparse: no gigabyte is written
    SnapshotMap path = kOne;
    const PathReadResult result = ReadPathFile(file, path);
    EXPECT_EQ(result.status, PathReadStatus::Refused);
    EXPECT_EQ(result.message, "Could not load " + file.string() +
                                  ": is too large (1073741824 bytes, at most 939524096)");
    EXPECT_EQ(path, kOne);
}

TEST(PathFileLocation, TheNameIsJoinedAsTyped) {
    const char* rows[][3] = {{"", "shot1.json", "/data/campaths/shot1.json"},
                             {"relative/dir", "sub/a", "relative/dir/sub/a"},
                             {"/paths", "/elsewhere/a", "/elsewhere/a"}};
    for (const auto& [directory, name, expected] : rows)
        EXPECT_EQ(ResolvePathFile(directory, "/data", name), fs::path(expected)) << name;
}

TEST_F(Files, APathSaveCreatesMissingFoldersOrSaysWhyItCannot) {
    ASSERT_TRUE(WritePathFile(folder / "campaths/nested/shot1", kTwo, error)) << error;
    EXPECT_EQ(ReadText(folder / "campaths/nested/shot1"), SerializePath(kTwo));
    WriteText(folder / "file", "not a folder");
    EXPECT_FALSE(WritePathFile(folder / "file/shot1", kTwo, error));
    EXPECT_EQ(error,
              "cannot create the folder " + (folder / "file").string() + " (Not a directory)");
    EXPECT_EQ(ReadText(folder / "file"), "not a folder");
}

TEST_F(Files, APathWithANonFiniteValueIsRefusedBeforeTouchingTheFile) {
    WriteText(folder / "shot1", "previous");
    SnapshotMap path = kTwo;
    path[40].v3_bz_ctrl_in.Z = INFINITY;
    EXPECT_FALSE(WritePathFile(folder / "shot1", path, error));
    EXPECT_EQ(error, "snapshot 40 holds a value that is not finite");
    EXPECT_EQ(ReadText(folder / "shot1"), "previous");
}

TEST_F(Files, APathSpanningTooManyFramesIsRefusedAndTheLongestLoadsAsDoesOneOutsideTheWorld) {
    const SnapshotMap longest{{-5, Waypoint(-5, 0.0f, {30000.0f, 0.0f, -30000.0f})},
                              {999995, Waypoint(999995, 1.0f, {})}};
    SnapshotMap tooLong = longest;
    tooLong[999996] = Waypoint(999996, 2.0f, {});
    ASSERT_TRUE(WritePathFile(folder / "longest", longest, error));
    ASSERT_TRUE(WritePathFile(folder / "tooLong", tooLong, error));
    SnapshotMap path = kOne;
    const PathReadResult refused = ReadPathFile(folder / "tooLong", path);
    EXPECT_EQ(refused.status, PathReadStatus::Refused);
    EXPECT_EQ(refused.message, kPathSpanMessage);
    EXPECT_EQ(path, kOne);
    EXPECT_EQ(ReadPathFile(folder / "longest", path).status, PathReadStatus::Loaded);
    EXPECT_EQ(path, longest);

    SnapshotMap outside = kOne;
    outside[3].location.Y = -30000.5f;
    ASSERT_TRUE(WritePathFile(folder / "outside", outside, error));
    // Outside the world: loaded as it is, with a line saying so.
    EXPECT_EQ(ReadPathFile(folder / "outside", path).message,
              "Loaded " + (folder / "outside").string() +
                  ": snapshot 3 is outside the world (30000 units from the origin)");
    EXPECT_EQ(path, outside);
}
