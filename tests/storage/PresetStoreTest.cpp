// The preset library on disk: saving, loading, deleting, the index, and failures that lose
// nothing.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "StorageTestSupport.h"
#include "storage/PathFormat.h"
#include "storage/PresetStore.h"

namespace fs = std::filesystem;
using StorageTest::ReadText;
using StorageTest::TempFolder;
using StorageTest::Waypoint;
using StorageTest::WriteText;

namespace {

SnapshotMap PathA() {
    return {{10, Waypoint(10, 1.0f, {1.0f, 0.0f, 0.0f})}};
}
SnapshotMap PathB() {
    return {{20, Waypoint(20, 2.0f, {0.0f, 2.0f, 0.0f})}, {30, Waypoint(30, 3.0f, {})}};
}

// A library in a fresh "presets" folder (not created yet), with its log kept.
struct Library {
    TempFolder root;
    std::vector<PresetEntry> index;
    std::vector<std::string> lines;
    PresetStore store{root / "campaths/presets", index, [this](const std::string& line) {
                          lines.push_back(line);
                      }};

    fs::path Folder() const { return root / "campaths/presets"; }
    fs::path File(const std::string& name) const { return Folder() / name; }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const PresetEntry& entry : index)
            names.push_back(entry.name);
        return names;
    }
    // The index as a newly loaded library would see it.
    std::vector<PresetEntry> Reloaded() {
        std::vector<PresetEntry> fresh;
        PresetStore(Folder(), fresh, [](const std::string&) {}).LoadIndex();
        return fresh;
    }
};

} // namespace

TEST(PresetSave, WritesTheFileAndTheIndexCreatingTheFolder) {
    Library library;
    ASSERT_EQ(library.store.Save("a/b:c", {"x", "y"}, PathA()), PresetResult::Done);
    EXPECT_EQ(ReadText(library.File("a_b_c.json")), SerializePath(PathA()));
    EXPECT_EQ(ReadText(library.File("index.json")),
              "[\n    {\n        \"filename\": \"a_b_c.json\",\n"
              "        \"name\": \"a/b:c\",\n"
              "        \"tags\": [\n            \"x\",\n"
              "            \"y\"\n        ]\n    }\n]");
    EXPECT_TRUE(library.lines.empty());
    const std::vector<PresetEntry> reloaded = library.Reloaded();
    ASSERT_EQ(reloaded.size(), 1u);
    EXPECT_EQ(reloaded[0].name, "a/b:c");
}

TEST(PresetSave, EmptyNameOrEmptyPathIsRefusedWithoutWriting) {
    Library library;
    EXPECT_EQ(library.store.Save("", {}, PathA()), PresetResult::Refused);
    EXPECT_EQ(library.store.Save("intro", {}, SnapshotMap()), PresetResult::Refused);
    EXPECT_TRUE(library.index.empty());
    EXPECT_FALSE(fs::exists(library.Folder()));
    EXPECT_TRUE(library.lines.empty());
}

TEST(PresetSave, SavingAnExistingNameAgainKeepsItsPlaceAndFile) {
    Library library;
    ASSERT_EQ(library.store.Save("first", {"old"}, PathA()), PresetResult::Done);
    ASSERT_EQ(library.store.Save("second", {}, PathA()), PresetResult::Done);
    ASSERT_EQ(library.store.Save("first", {"new", "tags"}, PathB()), PresetResult::Done);
    EXPECT_EQ(library.Names(), (std::vector<std::string>{"first", "second"}));
    EXPECT_EQ(library.index[0].tags, (std::vector<std::string>{"new", "tags"}));
    EXPECT_EQ(library.index[0].filename, "first.json");
    SnapshotMap loaded;
    ASSERT_EQ(library.store.Load("first", loaded), PresetResult::Done);
    EXPECT_EQ(loaded, PathB());
}

TEST(PresetSave, NamesDifferingInAReplacedCharacterKeepTheirOwnPaths) {
    Library library;
    ASSERT_EQ(library.store.Save("a:b", {}, PathA()), PresetResult::Done);
    ASSERT_EQ(library.store.Save("a?b", {}, PathB()), PresetResult::Done);
    EXPECT_EQ(library.index[1].filename, "a_b (2).json");

    SnapshotMap loaded;
    ASSERT_EQ(library.store.Load("a:b", loaded), PresetResult::Done);
    EXPECT_EQ(loaded, PathA());
    ASSERT_EQ(library.store.Load("a?b", loaded), PresetResult::Done);
    EXPECT_EQ(loaded, PathB());

    ASSERT_EQ(library.store.Delete("a:b"), PresetResult::Done);
    ASSERT_EQ(library.store.Load("a?b", loaded), PresetResult::Done);
    EXPECT_EQ(loaded, PathB());
}

TEST(PresetSave, AFailedPresetWriteChangesNoListAndNoFile) {
    Library library;
    ASSERT_EQ(library.store.Save("keep", {}, PathA()), PresetResult::Done);
    const std::string indexBefore = ReadText(library.File("index.json"));
    fs::create_directories(library.File("blocked.json") / "inside"); // a folder where the file goes
    EXPECT_EQ(library.store.Save("blocked", {}, PathB()), PresetResult::Failed);
    ASSERT_EQ(library.lines.size(), 1u);
    EXPECT_EQ(library.lines[0], "Failed to save preset: " + library.File("blocked.json").string() +
                                    ": cannot replace the file (Is a directory)");
    EXPECT_EQ(library.Names(), std::vector<std::string>{"keep"});
    EXPECT_EQ(ReadText(library.File("index.json")), indexBefore);
}

TEST(PresetSave, AFailedIndexWriteKeepsTheListAsItWas) {
    Library library;
    fs::create_directories(library.File("index.json") / "inside");
    EXPECT_EQ(library.store.Save("intro", {}, PathA()), PresetResult::Failed);
    ASSERT_EQ(library.lines.size(), 1u);
    EXPECT_EQ(library.lines[0], "Failed to save preset: " + library.File("index.json").string() +
                                    ": cannot replace the file (Is a directory)");
    EXPECT_TRUE(library.index.empty());
}

// --- Loading ---------------------------------------------------------------------------------

TEST(PresetLoad, UnknownNameOrMissingFileIsNotFound) {
    Library library;
    ASSERT_EQ(library.store.Save("intro", {}, PathA()), PresetResult::Done);
    SnapshotMap path = PathB();
    EXPECT_EQ(library.store.Load("Intro", path), PresetResult::NotFound); // names are exact
    fs::remove(library.File("intro.json"));
    EXPECT_EQ(library.store.Load("intro", path), PresetResult::NotFound);
    EXPECT_EQ(path, PathB());
    EXPECT_TRUE(library.lines.empty());
}

TEST(PresetLoad, EntriesWithoutAUsableFileNameAreNotFound) {
    Library library;
    fs::create_directories(library.Folder());
    WriteText(library.root / "outside.json", SerializePath(PathA()));
    WriteText(
        library.File("index.json"),
        R"([{"name": "nameless file"}, {"name": "escapes", "filename": "../../outside.json"}])");
    library.store.LoadIndex();
    ASSERT_EQ(library.index.size(), 2u);
    SnapshotMap path = PathB();
    EXPECT_EQ(library.store.Load("nameless file", path), PresetResult::NotFound);
    EXPECT_EQ(library.store.Load("escapes", path), PresetResult::NotFound);
    EXPECT_EQ(path, PathB());
}

TEST(PresetLoad, AMalformedPresetFileIsReportedAndChangesNothing) {
    Library library;
    ASSERT_EQ(library.store.Save("intro", {}, PathA()), PresetResult::Done);
    WriteText(library.File("intro.json"), R"({"10": [])");
    SnapshotMap path = PathB();
    EXPECT_EQ(library.store.Load("intro", path), PresetResult::Failed);
    ASSERT_EQ(library.lines.size(), 1u);
    EXPECT_EQ(library.lines[0], "Could not load " + library.File("intro.json").string() +
                                    ": not valid JSON at line 1, column 10");
    EXPECT_EQ(path, PathB());
}

// --- Deleting --------------------------------------------------------------------------------

TEST(PresetDelete, RemovesTheEntryAndItsFileKeepingTheOrder) {
    Library library;
    for (const char* name : {"one", "two", "three"})
        ASSERT_EQ(library.store.Save(name, {}, PathA()), PresetResult::Done);
    ASSERT_EQ(library.store.Delete("two"), PresetResult::Done);
    EXPECT_EQ(library.Names(), (std::vector<std::string>{"one", "three"}));
    EXPECT_FALSE(fs::exists(library.File("two.json")));
    EXPECT_EQ(library.Reloaded().size(), 2u);
    EXPECT_EQ(library.store.Delete("two"), PresetResult::NotFound);
}

TEST(PresetDelete, AFileAlreadyGoneStillRemovesTheEntry) {
    Library library;
    ASSERT_EQ(library.store.Save("intro", {}, PathA()), PresetResult::Done);
    fs::remove(library.File("intro.json"));
    EXPECT_EQ(library.store.Delete("intro"), PresetResult::Done);
    EXPECT_TRUE(library.index.empty());
    EXPECT_TRUE(library.lines.empty());
}

TEST(PresetDelete, AFileStillListedByAnotherEntryStays) {
    Library library;
    fs::create_directories(library.Folder());
    WriteText(library.File("a_b.json"), SerializePath(PathA()));
    WriteText(library.File("index.json"), R"([{"name": "a:b", "filename": "a_b.json"},
                                              {"name": "a?b", "filename": "a_b.json"}])");
    library.store.LoadIndex();
    ASSERT_EQ(library.store.Delete("a:b"), PresetResult::Done);
    SnapshotMap loaded;
    EXPECT_EQ(library.store.Load("a?b", loaded), PresetResult::Done);
    EXPECT_EQ(loaded, PathA());
}

TEST(PresetDelete, NeverRemovesAFileOutsideTheFolder) {
    Library library;
    fs::create_directories(library.Folder());
    WriteText(library.root / "outside.json", "precious");
    WriteText(library.File("index.json"), R"([{"name": "x", "filename": "../../outside.json"}])");
    library.store.LoadIndex();
    EXPECT_EQ(library.store.Delete("x"), PresetResult::Done);
    EXPECT_EQ(ReadText(library.root / "outside.json"), "precious");
}

// --- The index -------------------------------------------------------------------------------

TEST(PresetIndexFile, AMissingIndexIsAnEmptyLibrarySilently) {
    Library library;
    library.index.push_back({"stale", {}, "stale.json"});
    library.store.LoadIndex();
    EXPECT_TRUE(library.index.empty());
    EXPECT_TRUE(library.lines.empty());
}

TEST(PresetIndexFile, AnUnreadableIndexIsReportedAndKeptBeforeItIsRewritten) {
    Library library;
    fs::create_directories(library.Folder());
    const std::string damaged = R"([{"name": "lost?", "filename": "l.json", "tags": [1]}])";
    WriteText(library.File("index.json"), damaged);

    library.store.LoadIndex();
    EXPECT_TRUE(library.index.empty());
    ASSERT_EQ(library.lines.size(), 1u);
    EXPECT_EQ(library.lines[0], "Could not read preset index " +
                                    library.File("index.json").string() +
                                    ": entry 1: a tag is not text");

    ASSERT_EQ(library.store.Save("intro", {}, PathA()), PresetResult::Done);
    ASSERT_EQ(library.lines.size(), 2u);
    EXPECT_EQ(library.lines[1], "Kept a copy of the unreadable preset index as " +
                                    library.File("index.unreadable.json").string());
    EXPECT_EQ(ReadText(library.File("index.unreadable.json")), damaged);
    EXPECT_EQ(library.Reloaded().size(), 1u);

    // Once rewritten the index is readable: later saves keep no further copies.
    ASSERT_EQ(library.store.Save("outro", {}, PathA()), PresetResult::Done);
    EXPECT_EQ(library.lines.size(), 2u);
}

TEST(PresetIndexFile, EarlierCopiesOfUnreadableIndexesAreNotOverwritten) {
    Library library;
    fs::create_directories(library.Folder());
    WriteText(library.File("index.unreadable.json"), "first copy");
    WriteText(library.File("index.json"), "second damage");
    library.lines.clear();
    ASSERT_TRUE(library.store.SaveIndex());
    EXPECT_EQ(ReadText(library.File("index.unreadable.json")), "first copy");
    EXPECT_EQ(ReadText(library.File("index.unreadable (2).json")), "second damage");
    EXPECT_EQ(ReadText(library.File("index.json")), "[]");
}

TEST(PresetIndexFile, AFailedIndexSaveIsReported) {
    Library library;
    WriteText(library.root / "campaths", "a file where the folder belongs");
    EXPECT_FALSE(library.store.SaveIndex());
    ASSERT_EQ(library.lines.size(), 1u);
    EXPECT_EQ(library.lines[0], "Could not save " + library.File("index.json").string() +
                                    ": cannot create the folder " + library.Folder().string() +
                                    " (Not a directory)");
}
