// The path, path-tool and preset commands as a user types them, in a simulated host with the
// plugin loaded. The path is inspected by saving it and reading the file back.

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/PathLimits.h"
#include "corvane/plugin/PluginRecord.h"
#include "storage/PathFormat.h"
#include "tests/storage/StorageTestSupport.h"
#include "tests/support/TestHost.h"
#include "tools/PathTransforms.h"

extern "C" const Corvane::Plugin::PluginRecord exports;

namespace fs = std::filesystem;
using StorageTest::ReadText;
using StorageTest::Waypoint;
using StorageTest::WriteText;

namespace {

SnapshotMap PathA() {
    CameraSnapshot first = Waypoint(100, 1.0f, {100.0f, 50.0f, 10.0f}, {1000.0f, 16384.0f, 200.0f});
    first.v3_bz_ctrl_out = {5.0f, 6.0f, 7.0f};
    return {{100, first}, {200, Waypoint(200, 2.0f, {-20.0f, 0.5f, 30.0f})}};
}

SnapshotMap PathB() {
    return {{7, Waypoint(7, 0.25f, {1.0f, 2.0f, 3.0f})}};
}

class PathCommands : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(host.Load(&exports));
        host.ClearLines();
    }
    void TearDown() override { EXPECT_FALSE(host.Faulted()) << host.Errors(); }

    fs::path Campaths() const { return host.DataFolder() / "campaths"; }
    fs::path Presets() const { return Campaths() / "presets"; }

    // Writes a path file into campaths and loads it, expecting no message.
    void LoadPath(const SnapshotMap& path) {
        fs::create_directories(Campaths());
        WriteText(Campaths() / "given", SerializePath(path));
        host.ClearLines();
        host.Run("dolly_path_load given");
        ASSERT_TRUE(host.Lines().empty()) << host.LastLine();
    }

    // The engine's path, as dolly_path_save writes it.
    SnapshotMap CurrentPath() {
        const std::size_t before = host.Lines().size();
        host.Run("dolly_path_save current");
        EXPECT_EQ(host.Lines().size(), before) << host.LastLine();
        SnapshotMap path;
        std::string error;
        EXPECT_TRUE(ParsePath(ReadText(Campaths() / "current"), path, error)) << error;
        return path;
    }

    // Runs a line and returns what it logged.
    std::vector<std::string> Run(const std::string& line) {
        host.ClearLines();
        host.Run(line);
        return host.Lines();
    }

    using Lines = std::vector<std::string>;
    Quorvel::Testing::TestHost host;
};

} // namespace

// --- Save, load, clear -----------------------------------------------------------------------

TEST_F(PathCommands, LoadThenSaveWritesTheSameBytes) {
    LoadPath(PathA());
    EXPECT_EQ(Run("dolly_path_save copy"), Lines());
    EXPECT_EQ(ReadText(Campaths() / "copy"), ReadText(Campaths() / "given"));
    EXPECT_EQ(CurrentPath(), PathA());
}

TEST_F(PathCommands, LoadAddsNoExtension) {
    LoadPath(PathA());
    Run("dolly_path_save a");
    EXPECT_EQ(Run("dolly_path_load a.json"),
              Lines{"File not found: " + (Campaths() / "a.json").string()});
    EXPECT_EQ(CurrentPath(), PathA());
}

TEST_F(PathCommands, AMalformedFileIsOneLineAndKeepsThePath) {
    LoadPath(PathA());
    WriteText(Campaths() / "bad", R"({"1": {"frame": "one"}})");
    EXPECT_EQ(Run("dolly_path_load bad"), Lines{"Could not load " + (Campaths() / "bad").string() +
                                                R"(: snapshot "1": "frame" is not a number)"});
    EXPECT_EQ(CurrentPath(), PathA());
}

TEST_F(PathCommands, APathSpanningTooManyFramesIsRefused) {
    LoadPath(PathA());
    WriteText(Campaths() / "long",
              SerializePath({{0, Waypoint(0, 0.0f, {})}, {2000000, Waypoint(2000000, 1.0f, {})}}));
    EXPECT_EQ(Run("dolly_path_load long"), Lines{kPathSpanMessage});
    EXPECT_EQ(CurrentPath(), PathA());
}

TEST_F(PathCommands, TheDirectoryVariableChoosesTheFolderAndIsCreated) {
    LoadPath(PathB());
    const fs::path elsewhere = host.DataFolder() / "elsewhere" / "deeper";
    host.Run("dolly_path_directory \"" + elsewhere.string() + "\"");
    EXPECT_EQ(Run("dolly_path_save shot1"), Lines());
    EXPECT_EQ(ReadText(elsewhere / "shot1"), SerializePath(PathB()));
    EXPECT_EQ(Run("dolly_path_load given"),
              Lines{"File not found: " + (elsewhere / "given").string()});
    host.Run("dolly_path_directory \"\"");
    EXPECT_EQ(Run("dolly_path_load given"), Lines());
}

TEST_F(PathCommands, AFailedSaveIsOneLineAndKeepsWhatIsThere) {
    LoadPath(PathA());
    fs::create_directories(Campaths() / "blocked" / "inside");
    EXPECT_EQ(Run("dolly_path_save blocked"),
              Lines{"Could not save " + (Campaths() / "blocked").string() +
                    ": cannot replace the file (Is a directory)"});
    EXPECT_TRUE(fs::is_directory(Campaths() / "blocked" / "inside"));
}

TEST_F(PathCommands, ClearEmptiesThePathAndLeavesPlaybackOn) {
    LoadPath(PathA());
    host.EnterReplay();
    host.EnterFlycam();
    EXPECT_EQ(Run("dolly_activate"), Lines{"Dollycam activated"});
    EXPECT_EQ(Run("dolly_path_clear"), Lines());
    EXPECT_TRUE(CurrentPath().empty());
    EXPECT_EQ(ReadText(Campaths() / "current"), "{}");
    EXPECT_EQ(Run("dolly_deactivate"), Lines{"Dollycam deactivated"});
}

struct UsageCase {
    const char* line;
    const char* usage;
};

class PathCommandUsage : public PathCommands, public ::testing::WithParamInterface<UsageCase> {};

TEST_P(PathCommandUsage, TooFewWordsLogTheUsageAndChangeNothing) {
    LoadPath(PathA());
    EXPECT_EQ(Run(GetParam().line), Lines{GetParam().usage});
    EXPECT_EQ(CurrentPath(), PathA());
}

INSTANTIATE_TEST_SUITE_P(
    Commands, PathCommandUsage,
    ::testing::Values(UsageCase{"dolly_path_save", "Usage: dolly_path_save filename"},
                      UsageCase{"dolly_path_load", "Usage: dolly_path_load filename"},
                      UsageCase{"dolly_path_offset 1 2", "Usage: x y z"},
                      UsageCase{"dolly_path_scale", "Usage: factor"},
                      UsageCase{"dolly_path_rotate 0 0", "Usage: rx ry rz"},
                      UsageCase{"dolly_preset_save", "Usage: name [tags]"},
                      UsageCase{"dolly_preset_load", "Usage: name"},
                      UsageCase{"dolly_preset_delete", "Usage: name"}));

// --- Path tools ------------------------------------------------------------------------------

TEST_F(PathCommands, MirrorDefaultsToAxisZeroWithRotations) {
    LoadPath(PathA());
    EXPECT_EQ(Run("dolly_path_mirror"), Lines{"Mirrored path on axis 0"});
    SnapshotMap expected = PathA();
    MirrorSnapshots(expected, 0, true);
    EXPECT_EQ(CurrentPath(), expected);
    EXPECT_EQ(CurrentPath().at(100).rotation, (FloatRotator{1000.0f, -16384.0f, -200.0f}));
}

TEST_F(PathCommands, MirrorOnYWithoutRotations) {
    LoadPath(PathA());
    EXPECT_EQ(Run("dolly_path_mirror 1 0"), Lines{"Mirrored path on axis 1"});
    const SnapshotMap path = CurrentPath();
    EXPECT_EQ(path.at(100).location, Vector(100.0f, -50.0f, 10.0f));
    EXPECT_EQ(path.at(100).rotation, PathA().at(100).rotation);
}

TEST_F(PathCommands, MirrorOnAnUnknownAxisIsReportedAndChangesNothing) {
    LoadPath(PathA());
    EXPECT_EQ(Run("dolly_path_mirror 7"), Lines{"Mirrored path on axis 7"});
    EXPECT_EQ(CurrentPath(), PathA());
}

struct RefusedCase {
    const char* line;
    const char* message;
};

class PathToolRefusal : public PathCommands, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(PathToolRefusal, IsOneLineAndChangesNothing) {
    LoadPath(PathA());
    EXPECT_EQ(Run(GetParam().line), Lines{GetParam().message});
    EXPECT_EQ(CurrentPath(), PathA());
}

INSTANTIATE_TEST_SUITE_P(
    Commands, PathToolRefusal,
    ::testing::Values(
        RefusedCase{"dolly_path_mirror x", "dolly_path_mirror: not a valid number: x"},
        RefusedCase{"dolly_path_mirror 1 y", "dolly_path_mirror: not a valid number: y"},
        // The third word is read first.
        RefusedCase{"dolly_path_offset a 0 b", "dolly_path_offset: not a valid number: b"},
        RefusedCase{"dolly_path_offset a 0 1", "dolly_path_offset: not a valid number: a"},
        RefusedCase{"dolly_path_offset 1 nan 0", "dolly_path_offset: not a valid number: nan"},
        RefusedCase{"dolly_path_scale inf", "dolly_path_scale: not a valid number: inf"},
        RefusedCase{"dolly_path_rotate 1e39 0 0", "dolly_path_rotate: not a valid number: 1e39"},
        RefusedCase{"dolly_path_scale 1e38", kTransformNotFiniteMessage}));

TEST_F(PathCommands, AnOffsetThatWouldOverflowIsRefused) {
    LoadPath(PathA());
    EXPECT_EQ(Run("dolly_path_offset 3e38 0 0"), Lines());
    const SnapshotMap moved = CurrentPath();
    EXPECT_EQ(Run("dolly_path_offset 3e38 0 0"), Lines{kTransformNotFiniteMessage});
    EXPECT_EQ(CurrentPath(), moved);
}

TEST_F(PathCommands, OffsetMovesLocationsOnly) {
    LoadPath(PathA());
    EXPECT_EQ(Run("dolly_path_offset 10 0 -0.5"), Lines());
    const SnapshotMap path = CurrentPath();
    EXPECT_EQ(path.at(100).location, Vector(110.0f, 50.0f, 9.5f));
    EXPECT_EQ(path.at(100).v3_bz_ctrl_out, PathA().at(100).v3_bz_ctrl_out);
}

TEST_F(PathCommands, ScaleIgnoresFactorsThatAreNotPositive) {
    LoadPath(PathA());
    EXPECT_EQ(Run("dolly_path_scale 0"), Lines());
    EXPECT_EQ(Run("dolly_path_scale -2"), Lines());
    EXPECT_EQ(CurrentPath(), PathA());
    EXPECT_EQ(Run("dolly_path_scale 2"), Lines());
    EXPECT_EQ(CurrentPath().at(100).location, Vector(200.0f, 100.0f, 20.0f));
    EXPECT_EQ(CurrentPath().at(100).v3_bz_ctrl_out, Vector(10.0f, 12.0f, 14.0f));
}

TEST_F(PathCommands, RotateTurnsPositionsAndKeepsCameraRotations) {
    LoadPath({{1, Waypoint(1, 0.0f, {100.0f, 0.0f, 0.0f}, {5.0f, 6.0f, 7.0f})}});
    EXPECT_EQ(Run("dolly_path_rotate 0 0 90"), Lines());
    const CameraSnapshot s = CurrentPath().at(1);
    EXPECT_NEAR(s.location.X, 0.0f, 1e-4f);
    EXPECT_FLOAT_EQ(s.location.Y, 100.0f);
    EXPECT_EQ(s.rotation, (FloatRotator{5.0f, 6.0f, 7.0f}));
}

TEST_F(PathCommands, ReverseAndSmoothConfirmEvenWhenThereIsNothingToDo) {
    LoadPath(PathB());
    EXPECT_EQ(Run("dolly_path_reverse"), Lines{"Path reversed"});
    EXPECT_EQ(Run("dolly_path_smooth"), Lines{"Path smoothed"});
    EXPECT_EQ(CurrentPath(), PathB());
}

TEST_F(PathCommands, ReverseSwapsRecordsBetweenFrames) {
    LoadPath(PathA());
    EXPECT_EQ(Run("dolly_path_reverse"), Lines{"Path reversed"});
    const SnapshotMap path = CurrentPath();
    EXPECT_EQ(path.at(100).timestamp, 2.0f);
    EXPECT_EQ(path.at(100).frame, 100);
    EXPECT_EQ(path.at(200).location, PathA().at(100).location);
}

TEST_F(PathCommands, ASmoothingPassThatWouldOverflowIsRefusedWithoutConfirmation) {
    const SnapshotMap huge{{1, Waypoint(1, 0.0f, {3e38f, 0.0f, 0.0f})},
                           {2, Waypoint(2, 0.0f, {3e38f, 0.0f, 0.0f})},
                           {3, Waypoint(3, 0.0f, {3e38f, 0.0f, 0.0f})}};
    LoadPath(huge);
    EXPECT_EQ(Run("dolly_path_smooth"), Lines{kTransformNotFiniteMessage});
    EXPECT_EQ(CurrentPath(), huge);
}

// --- Presets ---------------------------------------------------------------------------------

TEST_F(PathCommands, SavingAPresetOfAnEmptyPathFails) {
    EXPECT_EQ(Run("dolly_preset_save intro"), Lines{"Failed to save preset"});
    EXPECT_EQ(Run("dolly_preset_list"), Lines{"Presets (0):"});
}

TEST_F(PathCommands, PresetsSaveListLoadAndDelete) {
    LoadPath(PathA());
    EXPECT_EQ(Run("dolly_preset_save intro a,b"), Lines{"Preset saved: intro"});
    EXPECT_EQ(Run("dolly_preset_save other a, b"), Lines{"Preset saved: other"});
    EXPECT_EQ(Run("dolly_preset_list"), (Lines{"Presets (2):", "  intro [a,b,]", "  other [a,]"}));

    Run("dolly_path_clear");
    EXPECT_EQ(Run("dolly_preset_load intro"), Lines{"Preset loaded: intro"});
    EXPECT_EQ(CurrentPath(), PathA());
    EXPECT_EQ(Run("dolly_preset_load Intro"), Lines{"Preset not found"});

    EXPECT_EQ(Run("dolly_preset_delete intro"), Lines{"Preset deleted"});
    EXPECT_EQ(Run("dolly_preset_delete intro"), Lines{"Preset not found"});
    EXPECT_EQ(Run("dolly_preset_list"), (Lines{"Presets (1):", "  other [a,]"}));
    EXPECT_FALSE(fs::exists(Presets() / "intro.json"));
}

TEST_F(PathCommands, CollidingPresetNamesKeepTheirOwnPaths) {
    LoadPath(PathA());
    Run("dolly_preset_save a:b");
    LoadPath(PathB());
    Run("dolly_preset_save a?b");
    EXPECT_EQ(Run("dolly_preset_load a:b"), Lines{"Preset loaded: a:b"});
    EXPECT_EQ(CurrentPath(), PathA());
    EXPECT_EQ(Run("dolly_preset_load a?b"), Lines{"Preset loaded: a?b"});
    EXPECT_EQ(CurrentPath(), PathB());
    EXPECT_TRUE(fs::exists(Presets() / "a_b.json"));
    EXPECT_TRUE(fs::exists(Presets() / "a_b (2).json"));
}

TEST_F(PathCommands, PresetsFollowTheDataFolderNotThePathDirectory) {
    LoadPath(PathB());
    host.Run("dolly_path_directory \"" + (host.DataFolder() / "elsewhere").string() + "\"");
    Run("dolly_preset_save intro");
    EXPECT_TRUE(fs::exists(Presets() / "intro.json"));
}

TEST_F(PathCommands, AFailedPresetSaveIsOneLine) {
    LoadPath(PathB());
    fs::create_directories(Presets() / "blocked.json" / "inside");
    EXPECT_EQ(Run("dolly_preset_save blocked"),
              Lines{"Failed to save preset: " + (Presets() / "blocked.json").string() +
                    ": cannot replace the file (Is a directory)"});
    EXPECT_EQ(Run("dolly_preset_list"), Lines{"Presets (0):"});
}

TEST_F(PathCommands, AMalformedPresetFileIsOneLineAndKeepsThePath) {
    LoadPath(PathB());
    Run("dolly_preset_save intro");
    WriteText(Presets() / "intro.json", "[]");
    LoadPath(PathA());
    EXPECT_EQ(Run("dolly_preset_load intro"),
              Lines{"Could not load " + (Presets() / "intro.json").string() +
                    ": the top level is not an object"});
    EXPECT_EQ(CurrentPath(), PathA());
}

TEST(PresetIndexAtLoad, IsReadWhenThePluginLoadsAndAnUnreadableOneIsKept) {
    Quorvel::Testing::TestHost host;
    const fs::path presets = host.DataFolder() / "campaths" / "presets";
    fs::create_directories(presets);
    WriteText(presets / "index.json", "[{\"name\": \"broken\"");
    ASSERT_TRUE(host.Load(&exports));
    EXPECT_EQ(host.Lines(), std::vector<std::string>{"Could not read preset index " +
                                                     (presets / "index.json").string() +
                                                     ": not valid JSON at line 1, column 19"});

    fs::create_directories(host.DataFolder() / "campaths");
    WriteText(host.DataFolder() / "campaths" / "p", SerializePath(PathB()));
    host.Run("dolly_path_load p");
    host.ClearLines();
    host.Run("dolly_preset_save kept");
    EXPECT_EQ(host.Lines(),
              (std::vector<std::string>{"Kept a copy of the unreadable preset index as " +
                                            (presets / "index.unreadable.json").string(),
                                        "Preset saved: kept"}));
    EXPECT_EQ(ReadText(presets / "index.unreadable.json"), "[{\"name\": \"broken\"");

    // A second plugin session over the same folder sees the saved preset.
    host.Unload();
    Quorvel::Testing::TestHost again(host.DataFolder());
    ASSERT_TRUE(again.Load(&exports));
    again.ClearLines();
    again.Run("dolly_preset_list");
    EXPECT_EQ(again.Lines(), (std::vector<std::string>{"Presets (1):", "  kept []"}));
}
