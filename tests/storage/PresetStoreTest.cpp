// The preset library: file names, the index text, and the files on disk, with failures that
// lose nothing. The lines a failed preset file write or an unreadable index log are pinned in
// PathCommandsTest.

#include <optional>

#include <gtest/gtest.h>

#include "StorageTestSupport.h"
#include "storage/PathFormat.h"
#include "storage/PresetIndex.h"
#include "storage/PresetStore.h"

namespace fs = std::filesystem;
using Index = std::vector<PresetEntry>;
using Lines = std::vector<std::string>;
using StorageTest::ReadText;
using StorageTest::Waypoint;
using StorageTest::WriteText;

// Found by argument-dependent lookup, so it lives beside PresetEntry in the global namespace.
static bool operator==(const PresetEntry& a, const PresetEntry& b) {
    return a.name == b.name && a.tags == b.tags && a.filename == b.filename;
}

namespace {

const SnapshotMap kA{{10, Waypoint(10, 1.0f, {1.0f, 0.0f, 0.0f})}};
const SnapshotMap kB{{20, Waypoint(20, 2.0f, {0.0f, 2.0f, 0.0f})}, {30, Waypoint(30, 3.0f, {})}};

Lines NamesOf(const Index& index) {
    Lines names;
    for (const PresetEntry& entry : index)
        names.push_back(entry.name);
    return names;
}

// A library in a "presets" folder not created yet, with its log kept.
class Library : public ::testing::Test {
protected:
    fs::path File(const std::string& name) const { return root / "campaths/presets" / name; }
    // The folder with the given index text and one preset file, loaded into the store.
    void Given(const std::string& indexText) {
        fs::create_directories(File(""));
        WriteText(File("index.json"), indexText);
        WriteText(File("a_b.json"), SerializePath(kA));
        store.LoadIndex();
    }
    // The names as listed in memory and as a newly loaded library reads them from disk.
    std::pair<Lines, Lines> Names() const {
        Index fresh;
        PresetStore(root / "campaths/presets", fresh, [](const std::string&) {}).LoadIndex();
        return {NamesOf(index), NamesOf(fresh)};
    }
    static std::pair<Lines, Lines> Both(const Lines& names) { return {names, names}; }
    SnapshotMap Loaded(const std::string& name, PresetResult expected = PresetResult::Done) {
        SnapshotMap path = kB;
        EXPECT_EQ(store.Load(name, path), expected) << name;
        return path;
    }

    StorageTest::TempFolder root;
    Index index;
    Lines lines;
    PresetStore store{root / "campaths/presets", index, [this](const std::string& line) {
                          lines.push_back(line);
                      }};
};

} // namespace

TEST(PresetFileName, ReplacesOnlyTheSixCharactersAndNumbersBeforeTheExtension) {
    EXPECT_EQ(PresetFileNameFor("a/b:c"), "a_b_c.json");
    EXPECT_EQ(PresetFileNameFor(R"(q\w"e*r?t)"), "q_w_e_r_t.json");
    EXPECT_EQ(PresetFileNameFor("a<b>c|d e"), "a<b>c|d e.json");
    EXPECT_EQ(PresetFileNameFor("shot.json"), "shot.json.json");
    EXPECT_EQ(PresetFileNameFor(".."), "...json");
    EXPECT_EQ(PresetFileNameFor(""), ".json");
    EXPECT_EQ(NumberedPresetFileName("a_b.json", 1), "a_b.json");
    EXPECT_EQ(NumberedPresetFileName("a_b.json", 13), "a_b (13).json");
    EXPECT_EQ(NumberedPresetFileName("plain", 3), "plain (3)");
}

TEST(PresetFileName, IsChosenSoNoTwoNamesShareAFileAndNoneTakesTheIndex) {
    Index index{{"a:b", {}, "a_b.json"}, {"a?b", {}, "a_b (2).json"}};
    EXPECT_EQ(ChoosePresetFileName(index, "a*b"), "a_b (3).json");
    EXPECT_EQ(ChoosePresetFileName(index, "a?b"), "a_b (2).json"); // saved again: kept
    index.erase(index.begin());
    EXPECT_EQ(ChoosePresetFileName(index, "a:b"), "a_b.json"); // a freed name is used again
    // An entry without a usable file name gets a derived one.
    EXPECT_EQ(ChoosePresetFileName({{"x", {}, ""}, {"other", {}, "x.json"}}, "x"), "x (2).json");
    EXPECT_EQ(ChoosePresetFileName({{"y", {}, "../y.json"}}, "y"), "y.json");
    EXPECT_EQ(ChoosePresetFileName({{"z", {}, "sub/z.json"}}, "z"), "sub/z.json");
    EXPECT_EQ(ChoosePresetFileName({{"other", {}, "./z.json"}}, "z"), "z (2).json");
    // A hand-written index listing one file twice keeps sharing it.
    EXPECT_EQ(ChoosePresetFileName({{"a:b", {}, "a_b.json"}, {"a?b", {}, "a_b.json"}}, "a?b"),
              "a_b.json");
    // The index's own file is never a preset's, in any spelling that opens it.
    EXPECT_EQ(ChoosePresetFileName({}, "index"), "index (2).json");
    EXPECT_EQ(ChoosePresetFileName({}, "INDEX"), "INDEX (2).json");
    EXPECT_EQ(ChoosePresetFileName({{"index", {}, "index.json"}}, "index"), "index (2).json");
    EXPECT_EQ(ChoosePresetFileName({{"index", {}, "index (2).json"}}, "index"), "index (2).json");
    EXPECT_EQ(ChoosePresetFileName({{"other", {}, "index (2).json"}}, "index"), "index (3).json");
}

TEST(PresetFileName, AnIndexEntryNamesAFileInsideThePresetFolderThatIsNotTheIndex) {
    for (const char* fileName :
         {"a.json", "...json", "a b (2).json", "sub/p.json", R"(sub\p.json)", "./p.json",
          "a//b/./c.json", "sub/index.json", "index.json.json", "index (2).json", "..a.json"})
        EXPECT_EQ(PresetFileNameProblem(fileName), "") << fileName;
    const std::pair<std::string, const char*> rows[] = {
        {"", "it has no file name"},
        {"../a.json", R"(its file name "../a.json" leaves the preset folder)"},
        {"sub/../../a.json", R"(its file name "sub/../../a.json" leaves the preset folder)"},
        {R"(sub\..\a.json)", R"(its file name "sub\\..\\a.json" leaves the preset folder)"},
        {"..", R"(its file name ".." leaves the preset folder)"},
        {"/etc/passwd", R"(its file name "/etc/passwd" leaves the preset folder)"},
        {R"(\\server\p.json)", R"(its file name "\\\\server\\p.json" leaves the preset folder)"},
        {"sub/", R"(its file name "sub/" does not name a file)"},
        {".", R"(its file name "." does not name a file)"},
        {std::string("a\0.json", 7), R"(its file name "a\u0000.json" does not name a file)"},
        {"index.json", R"(its file name "index.json" is the preset index's own)"},
        {"./INDEX.json", R"(its file name "./INDEX.json" is the preset index's own)"},
        {"Index.Json. ", R"(its file name "Index.Json. " is the preset index's own)"}};
    for (const auto& [fileName, problem] : rows)
        EXPECT_EQ(PresetFileNameProblem(fileName), problem) << fileName;
}

TEST(PresetIndexText, GoldenFileBothWaysEmptyLibraryAndTextThatIsNotUtf8) {
    const Index index{{"intro", {"a", "b"}, "intro.json"}, {"a/b:c", {}, "a_b_c.json"}};
    std::string text;
    std::string error;
    ASSERT_TRUE(SerializePresetIndex(index, text, error));
    EXPECT_EQ(text, StorageTest::ReadTestData("index_two_entries.json"));
    Index read{{"stale", {}, "stale.json"}};
    std::vector<SkippedIndexEntry> skipped{{"stale", "stale"}};
    ASSERT_TRUE(ParsePresetIndex(text, read, error, skipped)) << error;
    EXPECT_EQ(read, index);
    EXPECT_TRUE(skipped.empty());
    ASSERT_TRUE(SerializePresetIndex({}, text, error));
    EXPECT_EQ(text, "[]");
    EXPECT_FALSE(SerializePresetIndex({{"bad\xff", {}, "bad\xff.json"}}, text, error));
    EXPECT_EQ(error, "a preset name or tag is not valid UTF-8 text");
    EXPECT_EQ(text, "[]");
}

TEST(PresetIndexText, EachEntryIsReadOrSkippedOnItsOwn) {
    // One element between two good entries: the entry read from it, or why it is skipped.
    struct Row {
        const char* element;
        std::optional<PresetEntry> read;
        SkippedIndexEntry skipped;
    };
    // Names are not forced unique: a second "first" stays.
    const Row rows[] = {
        {R"({"name": "n", "filename": "f.json"})", PresetEntry{"n", {}, "f.json"}, {}},
        {R"({"name": "n", "tags": null})", PresetEntry{"n", {}, ""}, {}},
        {R"({"name": "", "tags": ["t", ""], "x": {}})", PresetEntry{"", {"t", ""}, ""}, {}},
        {R"({"name": "first"})", PresetEntry{"first", {}, ""}, {}},
        {R"("text")", std::nullopt, {"entry 2", "it is not an object"}},
        {"null", std::nullopt, {"entry 2", "it is not an object"}},
        {"{}", std::nullopt, {"entry 2", R"("name" is missing)"}},
        {R"({"filename": "f.json"})", std::nullopt, {"entry 2", R"("name" is missing)"}},
        {R"({"name": 5})", std::nullopt, {"entry 2", R"("name" is not text)"}},
        {R"({"name": null})", std::nullopt, {"entry 2", R"("name" is not text)"}},
        {R"({"name": "n", "filename": []})",
         std::nullopt,
         {R"(entry 2 ("n"))", R"("filename" is not text)"}},
        {R"({"name": "n", "tags": "a,b"})",
         std::nullopt,
         {R"(entry 2 ("n"))", R"("tags" is not a list)"}},
        {R"({"name": "a\nb", "tags": [2]})",
         std::nullopt,
         {R"(entry 2 ("a\nb"))", "a tag is not text"}}};
    const PresetEntry first{"first", {"t"}, "first.json"};
    const PresetEntry last{"last", {}, "last.json"};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.element);
        const std::string text =
            R"([{"name": "first", "filename": "first.json", "tags": ["t"]}, )" +
            std::string(row.element) + R"(, {"name": "last", "filename": "last.json"}])";
        Index read;
        std::string error;
        std::vector<SkippedIndexEntry> skipped;
        ASSERT_TRUE(ParsePresetIndex(text, read, error, skipped)) << error;
        if (row.read) {
            EXPECT_EQ(read, (Index{first, *row.read, last}));
            EXPECT_TRUE(skipped.empty());
        } else {
            EXPECT_EQ(read, (Index{first, last}));
            ASSERT_EQ(skipped.size(), 1u);
            EXPECT_EQ(skipped[0].entry, row.skipped.entry);
            EXPECT_EQ(skipped[0].problem, row.skipped.problem);
        }
    }
}

TEST(PresetIndexText, AnIndexThatIsNotAListIsRefusedWithItsProblemAndTouchesNothing) {
    const std::pair<const char*, const char*> rows[] = {
        {"[{", "not valid JSON at line 1, column 3"},
        {R"({"name": "a"})", "the top level is not a list"},
        {"null", "the top level is not a list"}};
    for (const auto& [text, expected] : rows) {
        Index read{{"kept", {}, "kept.json"}};
        std::string error;
        std::vector<SkippedIndexEntry> skipped;
        EXPECT_FALSE(ParsePresetIndex(text, read, error, skipped)) << text;
        EXPECT_EQ(error, expected);
        EXPECT_EQ(read, (Index{{"kept", {}, "kept.json"}})) << text;
    }
}

TEST_F(Library, EmptyNameOrEmptyPathIsRefusedAndAMissingIndexIsAnEmptyLibrary) {
    index.push_back({"stale", {}, "stale.json"});
    store.LoadIndex();
    EXPECT_TRUE(index.empty());
    EXPECT_EQ(store.Save("", {}, kA), PresetResult::Refused);
    EXPECT_EQ(store.Save("intro", {}, SnapshotMap()), PresetResult::Refused);
    EXPECT_TRUE(index.empty());
    EXPECT_FALSE(fs::exists(File("")));
    EXPECT_TRUE(lines.empty());
}

TEST_F(Library, CollidingNamesKeepTheirFilesAcrossSaveAgainAndDelete) {
    ASSERT_EQ(store.Save("a:b", {"old"}, kB), PresetResult::Done); // creates the folder
    ASSERT_EQ(store.Save("a?b", {}, kB), PresetResult::Done);
    ASSERT_EQ(store.Save("a:b", {"new", "tags"}, kA), PresetResult::Done);
    EXPECT_EQ(Names(), Both({"a:b", "a?b"})); // saved again: same place
    EXPECT_EQ(index[0].tags, (Lines{"new", "tags"}));
    EXPECT_EQ(index[0].filename, "a_b.json");
    EXPECT_EQ(index[1].filename, "a_b (2).json");
    EXPECT_EQ(Loaded("a:b"), kA);
    EXPECT_EQ(Loaded("a?b"), kB);

    ASSERT_EQ(store.Delete("a:b"), PresetResult::Done);
    EXPECT_FALSE(fs::exists(File("a_b.json")));
    EXPECT_EQ(Names(), Both({"a?b"}));
    EXPECT_EQ(Loaded("a?b"), kB);
    EXPECT_EQ(store.Delete("a:b"), PresetResult::NotFound);
    EXPECT_TRUE(lines.empty());
}

TEST_F(Library, AFailedIndexWriteKeepsTheListAsItWas) {
    ASSERT_EQ(store.Save("keep", {}, kA), PresetResult::Done);
    fs::remove(File("index.json"));
    fs::create_directories(File("index.json") / "inside");
    EXPECT_EQ(store.Save("intro", {}, kA), PresetResult::Failed);
    EXPECT_EQ(lines, Lines{"Failed to save preset: " + File("index.json").string() +
                           ": cannot replace the file (Is a directory)"});
    EXPECT_EQ(index.size(), 1u);
}

// An unknown name is pinned in path_and_preset_commands.script.
TEST_F(Library, AMissingFileIsNotFoundSilently) {
    ASSERT_EQ(store.Save("intro", {}, kA), PresetResult::Done);
    fs::remove(File("intro.json"));
    EXPECT_EQ(Loaded("intro", PresetResult::NotFound), kB);
    EXPECT_EQ(store.Delete("intro"), PresetResult::Done); // a file already gone
    EXPECT_TRUE(index.empty());
    EXPECT_TRUE(lines.empty());
}

TEST_F(Library, EntriesWhoseFileIsNotAPresetFileInTheFolderFailAndStay) {
    Given(R"([{"name": "nameless"}, {"name": "x", "filename": "../outside.json"},
              {"name": "i", "filename": "./index.json"}])");
    WriteText(root / "campaths/outside.json", SerializePath(kA));
    const std::string indexText = ReadText(File("index.json"));
    const std::string problem = R"(its file name "../outside.json" leaves the preset folder)";
    EXPECT_EQ(Loaded("x", PresetResult::Failed), kB);
    EXPECT_EQ(store.Delete("x"), PresetResult::Failed);
    EXPECT_EQ(lines, (Lines{"Failed to load preset: x: " + problem,
                            "Failed to delete preset: x: " + problem}));
    for (const char* name : {"nameless", "i"}) { // each reason is pinned in PresetFileName
        EXPECT_EQ(Loaded(name, PresetResult::Failed), kB);
        EXPECT_EQ(store.Delete(name), PresetResult::Failed);
    }
    EXPECT_EQ(Names().first, (Lines{"nameless", "x", "i"}));
    EXPECT_EQ(ReadText(root / "campaths/outside.json"), SerializePath(kA));
    EXPECT_EQ(ReadText(File("index.json")), indexText);
    // Saved again, such an entry gets a file of its own, which it can then delete.
    ASSERT_EQ(store.Save("i", {}, kA), PresetResult::Done);
    EXPECT_EQ(index[2].filename, "i.json");
    EXPECT_EQ(store.Delete("i"), PresetResult::Done);
}

TEST_F(Library, EntriesInASubfolderOrSharingAFileLoadSaveAgainAndDelete) {
    Given(R"([{"name": "deep", "filename": "sub/inner/p.json"},)"
          R"( {"name": "a:b", "filename": "a_b.json"}, {"name": "a?b", "filename": "a_b.json"}])");
    fs::create_directories(File("sub/inner"));
    WriteText(File("sub/inner/p.json"), SerializePath(kA));
    EXPECT_EQ(Loaded("deep"), kA);
    ASSERT_EQ(store.Save("deep", {"t"}, kB), PresetResult::Done);
    EXPECT_EQ(index[0].filename, "sub/inner/p.json");
    EXPECT_EQ(Loaded("deep"), kB);
    ASSERT_EQ(store.Delete("deep"), PresetResult::Done);
    EXPECT_FALSE(fs::exists(File("sub/inner/p.json")));
    ASSERT_EQ(store.Delete("a:b"), PresetResult::Done); // a file still listed stays
    EXPECT_EQ(Loaded("a?b"), kA);
    EXPECT_EQ(Names(), Both({"a?b"}));
    EXPECT_TRUE(lines.empty());
}

TEST_F(Library, EntriesOfTheWrongShapeAreSkippedAndTheIndexIsKeptBeforeItIsRewritten) {
    const std::string damaged = R"([{"name": "lost?", "filename": "l.json", "tags": [1]}, 7,)"
                                R"( {"name": "a:b", "filename": "a_b.json"}])";
    Given(damaged);
    const std::string indexFile = File("index.json").string();
    EXPECT_EQ(
        lines,
        (Lines{R"(Skipped entry 1 ("lost?") of preset index )" + indexFile + ": a tag is not text",
               "Skipped entry 2 of preset index " + indexFile + ": it is not an object"}));
    EXPECT_EQ(Loaded("a:b"), kA);
    lines.clear();
    ASSERT_EQ(store.Save("intro", {}, kA), PresetResult::Done);
    ASSERT_EQ(store.Save("outro", {}, kA), PresetResult::Done); // once rewritten, not copied again
    EXPECT_EQ(lines, Lines{"Kept a copy of the unreadable preset index as " +
                           File("index.unreadable.json").string()});
    EXPECT_EQ(ReadText(File("index.unreadable.json")), damaged);

    WriteText(File("index.json"), "second damage");
    ASSERT_TRUE(store.SaveIndex());
    EXPECT_EQ(ReadText(File("index.unreadable.json")), damaged);
    EXPECT_EQ(ReadText(File("index.unreadable (2).json")), "second damage");
    EXPECT_EQ(Names(), Both({"a:b", "intro", "outro"}));
}

TEST_F(Library, AFailedIndexSaveIsReported) {
    WriteText(root / "campaths", "a file where the folder belongs");
    EXPECT_FALSE(store.SaveIndex());
    EXPECT_EQ(lines, Lines{"Could not save " + File("index.json").string() +
                           ": cannot create the folder " + (root / "campaths/presets").string() +
                           " (Not a directory)"});
}
