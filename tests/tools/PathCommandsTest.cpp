// The path and preset commands: their text, and in a simulated host with the plugin loaded the
// lines that name a file and what tests/sessions/path_and_preset_commands.script does not pin.
// The host's path is inspected by saving it.

#include <gtest/gtest.h>

#include "corvane/plugin/PluginRecord.h"
#include "storage/PathFormat.h"
#include "tests/storage/StorageTestSupport.h"
#include "tests/support/TestHost.h"
#include "tools/PathTransforms.h"
#include "tools/PresetText.h"

extern "C" const Corvane::Plugin::PluginRecord exports;

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;
using StorageTest::ReadText;
using StorageTest::Waypoint;
using StorageTest::WriteText;

namespace {

const SnapshotMap kA{{100, Waypoint(100, 1.0f, {100.0f, 50.0f, 10.0f}, {1000.0f, 16384.0f, 0})},
                     {200, Waypoint(200, 2.0f, {-20.0f, 0.5f, 30.0f})}};
const SnapshotMap kB{{7, Waypoint(7, 0.25f, {1.0f, 2.0f, 3.0f})}};

class PathCommands : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(host.Load(&exports)); }
    void TearDown() override { EXPECT_FALSE(host.Faulted()) << host.Errors(); }

    fs::path Campaths() const { return host.DataFolder() / "campaths"; }
    fs::path Presets() const { return Campaths() / "presets"; }

    // Writes the path to campaths/given and loads it.
    void LoadPath(const SnapshotMap& path) {
        fs::create_directories(Campaths());
        WriteText(Campaths() / "given", SerializePath(path));
        EXPECT_EQ(Run("dolly_path_load given"), Lines());
    }

    // The host's path as dolly_path_save writes it.
    std::string SavedPath() {
        EXPECT_EQ(Run("dolly_path_save current"), Lines());
        return ReadText(Campaths() / "current");
    }

    Lines Run(const std::string& line) {
        host.ClearLines();
        host.Run(line);
        return host.Lines();
    }

    Quorvel::Testing::TestHost host;
};

} // namespace

TEST_F(PathCommands, FailedLoadsAndSavesAreOneLineNamingTheFileAndKeepThePath) {
    LoadPath(kA);
    EXPECT_EQ(Run("dolly_path_load given.json"), // no extension is added
              Lines{"File not found: " + (Campaths() / "given.json").string()});
    WriteText(Campaths() / "bad", R"({"1": {"frame": "one"}})");
    EXPECT_EQ(Run("dolly_path_load bad"), Lines{"Could not load " + (Campaths() / "bad").string() +
                                                R"(: snapshot "1": "frame" is not a number)"});
    fs::create_directories(Campaths() / "blocked" / "inside");
    EXPECT_EQ(Run("dolly_path_save blocked"),
              Lines{"Could not save " + (Campaths() / "blocked").string() +
                    ": cannot replace the file (Is a directory)"});
    EXPECT_TRUE(fs::is_directory(Campaths() / "blocked" / "inside"));
    EXPECT_EQ(SavedPath(), SerializePath(kA));
}

TEST_F(PathCommands, TheDirectoryVariableMovesPathFilesButNotPresets) {
    LoadPath(kB);
    const fs::path elsewhere = host.DataFolder() / "elsewhere" / "deeper";
    host.Run("dolly_path_directory \"" + elsewhere.string() + "\"");
    EXPECT_EQ(Run("dolly_path_save shot1"), Lines()); // the folder is created
    EXPECT_EQ(ReadText(elsewhere / "shot1"), SerializePath(kB));
    EXPECT_EQ(Run("dolly_path_load given"),
              Lines{"File not found: " + (elsewhere / "given").string()});
    EXPECT_EQ(Run("dolly_preset_save intro"), Lines{"Preset saved: intro"});
    EXPECT_TRUE(fs::exists(Presets() / "intro.json"));
    host.Run("dolly_path_directory \"\"");
    EXPECT_EQ(Run("dolly_path_load given"), Lines());
}

TEST_F(PathCommands, PathToolsApplyTheirEditWithTheArgumentsInOrder) {
    LoadPath(kA);
    SnapshotMap expected = kA;
    EXPECT_EQ(Run("dolly_path_offset 10 0 -0.5"), Lines());
    OffsetSnapshots(expected, 10.0f, 0.0f, -0.5f);
    EXPECT_EQ(Run("dolly_path_scale 2"), Lines());
    ScaleSnapshots(expected, 2.0f);
    EXPECT_EQ(Run("dolly_path_rotate 0 30 90"), Lines());
    RotateSnapshots(expected, 0.0f, 30.0f, 90.0f);
    EXPECT_EQ(SavedPath(), SerializePath(expected));
}

// The other refusals are pinned in path_and_preset_commands.script.
TEST_F(PathCommands, AnArgumentBeyondFloatRangeIsRefusedAndChangesNothing) {
    LoadPath(kA);
    EXPECT_EQ(Run("dolly_path_rotate 1e39 0 0"),
              Lines{"dolly_path_rotate: not a valid number: 1e39"});
    EXPECT_EQ(SavedPath(), SerializePath(kA));
}

// A file of an earlier version may hold a path far outside the world: it loads as it is, with
// a line saying so; an edit that would overflow is refused without a confirmation, and one
// that brings it back is taken.
TEST_F(PathCommands, APathOutsideTheWorldLoadsAndOnlyOverflowingEditsAreRefused) {
    const SnapshotMap huge{{1, Waypoint(1, 0.0f, {3e38f, 0.0f, 0.0f})},
                           {2, Waypoint(2, 0.0f, {3e38f, 0.0f, 0.0f})},
                           {3, Waypoint(3, 0.0f, {3e38f, 0.0f, 0.0f})}};
    fs::create_directories(Campaths());
    WriteText(Campaths() / "huge", SerializePath(huge));
    EXPECT_EQ(Run("dolly_path_load huge"),
              Lines{"Loaded " + (Campaths() / "huge").string() +
                    ": snapshot 1 is outside the world (30000 units from the origin)"});
    EXPECT_EQ(Run("dolly_path_smooth"), Lines{kTransformNotFiniteMessage});
    EXPECT_EQ(SavedPath(), SerializePath(huge));
    EXPECT_EQ(Run("dolly_path_offset -1e38 0 0"), Lines()); // still outside, but nearer
    EXPECT_EQ(Run("dolly_path_offset -2e38 0 0"), Lines());
    SnapshotMap back = huge;
    for (auto& entry : back)
        entry.second.location.X = (3e38f + -1e38f) + -2e38f;
    EXPECT_EQ(SavedPath(), SerializePath(back));
    LoadPath(kB);
    EXPECT_EQ(Run("dolly_path_reverse"), Lines{"Path reversed"}); // one waypoint: nothing to do
}

TEST_F(PathCommands, FailedPresetFilesAreOneLineNamingTheFile) {
    LoadPath(kB);
    fs::create_directories(Presets() / "blocked.json" / "inside");
    EXPECT_EQ(Run("dolly_preset_save blocked"),
              Lines{"Failed to save preset: " + (Presets() / "blocked.json").string() +
                    ": cannot replace the file (Is a directory)"});
    EXPECT_FALSE(fs::exists(Presets() / "index.json")); // written only after the preset file
    EXPECT_EQ(Run("dolly_preset_list"), Lines{"Presets (0):"});
    EXPECT_EQ(Run("dolly_preset_save intro"), Lines{"Preset saved: intro"});
    WriteText(Presets() / "intro.json", "[]");
    LoadPath(kA);
    EXPECT_EQ(Run("dolly_preset_load intro"),
              Lines{"Could not load " + (Presets() / "intro.json").string() +
                    ": the top level is not an object"});
    EXPECT_EQ(SavedPath(), SerializePath(kA));
}

TEST_F(PathCommands, AFailedPresetDeleteIsOneLineSayingWhyAndKeepsThePreset) {
    fs::create_directories(Presets() / "blocked.json" / "inside"); // cannot be removed
    WriteText(Campaths() / "elsewhere.json", SerializePath(kA));
    WriteText(Presets() / "index.json", R"([{"name": "blocked", "filename": "blocked.json"},
        {"name": "outside", "filename": "../elsewhere.json"}])");
    host.Unload();
    ASSERT_TRUE(host.Load(&exports));
    const std::string index = ReadText(Presets() / "index.json");
    // An entry whose file leaves the folder is refused with its reason (PresetStoreTest).
    EXPECT_EQ(Run("dolly_preset_delete blocked"),
              Lines{"Failed to delete preset: " + (Presets() / "blocked.json").string() +
                    ": cannot be removed (Directory not empty)"});
    EXPECT_EQ(Run("dolly_preset_delete outside").size(), 1u);
    EXPECT_EQ(Run("dolly_preset_list"), (Lines{"Presets (2):", "  blocked []", "  outside []"}));
    EXPECT_EQ(ReadText(Presets() / "index.json"), index);
    EXPECT_TRUE(fs::exists(Presets() / "blocked.json" / "inside"));
    EXPECT_EQ(ReadText(Campaths() / "elsewhere.json"), SerializePath(kA));
}

TEST(PresetIndexAtLoad, IsReadWhenThePluginLoadsAndAnUnreadableOneIsKept) {
    Quorvel::Testing::TestHost host;
    const fs::path presets = host.DataFolder() / "campaths" / "presets";
    fs::create_directories(presets);
    WriteText(presets / "index.json", "[{\"name\": \"broken\"");
    WriteText(host.DataFolder() / "campaths" / "p", SerializePath(kB));
    ASSERT_TRUE(host.Load(&exports));
    EXPECT_EQ(host.Lines(),
              Lines{"Could not read preset index " + (presets / "index.json").string() +
                    ": not valid JSON at line 1, column 19"});
    host.Run("dolly_path_load p");
    host.ClearLines();
    host.Run("dolly_preset_save kept");
    EXPECT_EQ(host.Lines(), (Lines{"Kept a copy of the unreadable preset index as " +
                                       (presets / "index.unreadable.json").string(),
                                   "Preset saved: kept"}));
    EXPECT_EQ(ReadText(presets / "index.unreadable.json"), "[{\"name\": \"broken\"");
}

TEST(PresetText, TagsAreOnePieceUpToEachComma) {
    const std::pair<const char*, Lines> rows[] = {{"a,b", {"a", "b"}},
                                                  {"a,,b", {"a", "", "b"}},
                                                  {"a,", {"a"}},
                                                  {",a", {"", "a"}},
                                                  {"", {}},
                                                  {",", {""}},
                                                  {",,", {"", ""}},
                                                  {" a , b", {" a ", " b"}}};
    for (const auto& [typed, tags] : rows)
        EXPECT_EQ(SplitTags(typed), tags) << typed;
}
