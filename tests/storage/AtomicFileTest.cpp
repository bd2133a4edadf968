// Whole-file writes replace the target only once the new content is complete.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "StorageTestSupport.h"
#include "storage/AtomicFile.h"

using StorageTest::FileSizeLimit;
using StorageTest::ReadText;
using StorageTest::TempFolder;
using StorageTest::WriteText;

TEST(AtomicWrite, CreatesAMissingFileAndLeavesNothingElse) {
    TempFolder folder;
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(folder / "a.json", "{}", error)) << error;
    EXPECT_EQ(ReadText(folder / "a.json"), "{}");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"a.json"});
}

TEST(AtomicWrite, ReplacesAnExistingFileWhole) {
    TempFolder folder;
    WriteText(folder / "a.json", "a much longer previous content");
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(folder / "a.json", "new", error)) << error;
    EXPECT_EQ(ReadText(folder / "a.json"), "new");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"a.json"});
}

TEST(AtomicWrite, TargetThatIsAFolderIsReportedAndKept) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "taken");
    WriteText(folder / "taken" / "inside", "kept");
    std::string error;
    EXPECT_FALSE(WriteFileAtomically(folder / "taken", "text", error));
    EXPECT_EQ(error, "cannot replace the file (Is a directory)");
    EXPECT_EQ(ReadText(folder / "taken" / "inside"), "kept");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"taken"}); // no temporary left behind
}

TEST(AtomicWrite, MissingFolderIsReported) {
    TempFolder folder;
    std::string error;
    EXPECT_FALSE(WriteFileAtomically(folder / "missing" / "a.json", "text", error));
    EXPECT_EQ(error, "cannot create a temporary file (No such file or directory)");
    EXPECT_TRUE(folder.Names().empty());
}

TEST(AtomicWrite, AWriteThatRunsOutOfSpaceKeepsTheOldFile) {
    TempFolder folder;
    WriteText(folder / "a.json", "old content");
    std::string error;
    bool written = true;
    {
        const FileSizeLimit limit(64);
        written = WriteFileAtomically(folder / "a.json", std::string(4096, 'x'), error);
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(error.rfind("writing failed", 0), 0u) << error;
    EXPECT_EQ(ReadText(folder / "a.json"), "old content");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"a.json"});
}

TEST(WholeFileRead, ReadsExactBytesIncludingAnEmptyFile) {
    TempFolder folder;
    const std::string bytes("a\0b\r\n", 5);
    WriteText(folder / "bytes", bytes);
    WriteText(folder / "empty", "");
    std::string text = "stale";
    std::string error;
    ASSERT_TRUE(ReadWholeFile(folder / "bytes", text, error));
    EXPECT_EQ(text, bytes);
    ASSERT_TRUE(ReadWholeFile(folder / "empty", text, error));
    EXPECT_EQ(text, "");
}

TEST(WholeFileRead, FolderAndMissingFileAreReported) {
    TempFolder folder;
    std::string text;
    std::string error;
    EXPECT_FALSE(ReadWholeFile(folder.Path(), text, error));
    EXPECT_EQ(error, "is a folder");
    EXPECT_FALSE(ReadWholeFile(folder / "missing", text, error));
    EXPECT_EQ(error, "cannot be opened (No such file or directory)");
}
