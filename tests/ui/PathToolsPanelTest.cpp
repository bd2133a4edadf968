// The "Path Tools" section through the host's mouse and keyboard: mirror and reverse give
// what the console gives, live edits restore exactly, other edits survive live edits, and
// typed values that are not finite never reach the path.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/ui/WindowFixture.h"
#include "tools/PathTransforms.h"
#include "ui/LiveTransforms.h"

namespace Quorvel::Testing {
namespace {

class PathToolsPanel : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        // Three waypoints whose box runs from (0, -100, 50) to (200, 100, 250), centre
        // (100, 0, 150), with turned cameras and one custom handle pair.
        Put(30, {0, 0, 50}).rotation = {1000, 16384, 200};
        CameraSnapshot& middle = Put(60, {150, 100, 250});
        middle.rotation = {-300, -8000, 0};
        middle.v3_bz_has_custom = true;
        middle.v3_bz_ctrl_out = {40, 0, 10};
        middle.v3_bz_ctrl_in = {-20, -5, 0};
        Put(90, {200, -100, 100}).rotation = {0, -16000, 90};
        Rebuild();
        ShowOnly("Path Tools");
        host.ClearLines();
    }

    void Rebuild() {
        Cam().UpdateLocationStrategy();
        Cam().UpdateRotationStrategy();
    }

    SnapshotMap Path() { return *Cam().snapshots; }
    PathToolsState& Tools() { return Plugin().pathTools; }

    // What a console command makes of the path `from`; the path is then put back as it was.
    SnapshotMap ConsoleResult(const SnapshotMap& from, const std::string& command) {
        const SnapshotMap now = Path();
        *Cam().snapshots = from;
        host.Run(command);
        const SnapshotMap result = Path();
        *Cam().snapshots = now;
        Rebuild();
        return result;
    }

    // Frames between actions on one spot keep two clicks from making a double click.
    void Settle() { host.Tick(10); }

    void ExpectControlsAtRest() {
        EXPECT_FALSE(Tools().hasTransformBaseline);
        EXPECT_EQ(Tools().transformOffset, Vector());
        EXPECT_EQ(Tools().transformScale, 1.0f);
        EXPECT_EQ(Tools().transformRotation, Vector());
    }
};

TEST_F(PathToolsPanel, ApplyMirrorGivesWhatTheConsoleGives) {
    const SnapshotMap before = Path();
    ASSERT_TRUE(host.Click("Axis##mir"));
    host.Tick(); // a popup shows its items from its second frame
    ASSERT_TRUE(host.Click("Y"));
    ASSERT_TRUE(host.Click("Apply Mirror"));
    EXPECT_EQ(Tools().mirrorAxis, 1);
    EXPECT_EQ(Path(), ConsoleResult(before, "dolly_path_mirror 1 1"));
    EXPECT_NE(Path(), before);

    // Without the rotations, across X.
    const SnapshotMap mirrored = Path();
    Settle();
    ASSERT_TRUE(host.Click("Axis##mir"));
    host.Tick();
    ASSERT_TRUE(host.Click("X"));
    ASSERT_TRUE(host.Click("Mirror Rotation##mir"));
    EXPECT_FALSE(Tools().mirrorRotation);
    ASSERT_TRUE(host.Click("Apply Mirror"));
    EXPECT_EQ(Path(), ConsoleResult(mirrored, "dolly_path_mirror 0 0"));
    EXPECT_EQ(Path().at(30).rotation, mirrored.at(30).rotation);
}

TEST_F(PathToolsPanel, ReversePathGivesWhatTheConsoleGives) {
    const SnapshotMap before = Path();
    ASSERT_TRUE(host.Click("Reverse Path"));
    EXPECT_EQ(Path(), ConsoleResult(before, "dolly_path_reverse"));
    // Time still rises with the frames and the custom handles point the new way.
    EXPECT_EQ(Path().at(30).location, before.at(90).location);
    EXPECT_EQ(Path().at(30).timestamp, before.at(30).timestamp);
    EXPECT_EQ(Path().at(60).v3_bz_ctrl_out, before.at(60).v3_bz_ctrl_in);
}

TEST_F(PathToolsPanel, DraggingScaleReshapesThePathFromWhereTheDragStarted) {
    const SnapshotMap before = Path();
    ASSERT_TRUE(host.Drag("Scale##sc", 60, 0));
    const float scale = Tools().transformScale;
    EXPECT_GT(scale, 1.3f);
    EXPECT_TRUE(Tools().hasTransformBaseline);
    EXPECT_FLOAT_EQ(Path().at(30).location.X, 100.0f - 100.0f * scale);
    Settle();

    // A second drag goes on from the same baseline, not from the scaled path.
    ASSERT_TRUE(host.Drag("Scale##sc", 30, 0));
    EXPECT_GT(Tools().transformScale, scale);
    EXPECT_FLOAT_EQ(Path().at(30).location.X, 100.0f - 100.0f * Tools().transformScale);
    EXPECT_EQ(Tools().transformBaseline.front(), before.at(30));
}

TEST_F(PathToolsPanel, ASnapshotTakenDuringLiveEditsSurvivesTheNextOne) {
    ASSERT_TRUE(host.Type("Scale##sc", "2"));
    TakeAt(120, {500, 500, 500});
    host.Tick();
    ExpectControlsAtRest(); // committed: the scaled path is now the path
    const SnapshotMap committed = Path();
    ASSERT_EQ(committed.size(), 4u);
    EXPECT_EQ(committed.at(90).location, Vector(300, -200, 50));

    ASSERT_TRUE(host.Type("Z##off", "10"));
    ASSERT_EQ(Path().size(), 4u);
    EXPECT_EQ(Path().at(120).location, Vector(500, 500, 510));
    EXPECT_EQ(Path().at(90).location, Vector(300, -200, 60));

    // "Reset Transforms" goes back to the path with the snapshot, not to the first baseline.
    ASSERT_TRUE(host.Click("Reset Transforms"));
    EXPECT_EQ(Path(), committed);
}

TEST_F(PathToolsPanel, MirrorDuringLiveEditsIsKeptByTheNextOne) {
    ASSERT_TRUE(host.Type("Scale##sc", "2"));
    const SnapshotMap scaled = Path();
    ASSERT_TRUE(host.Click("Apply Mirror"));
    ExpectControlsAtRest();
    const SnapshotMap mirrored = ConsoleResult(scaled, "dolly_path_mirror 0 1");
    EXPECT_EQ(Path(), mirrored);

    ASSERT_TRUE(host.Type("Y##off", "-7"));
    EXPECT_EQ(Path().at(30).location, mirrored.at(30).location + Vector(0, -7, 0));
    EXPECT_EQ(Path().at(60).rotation, mirrored.at(60).rotation);
}

TEST_F(PathToolsPanel, TypedValuesBeyondFloatRangeAreRefusedOrHeldInRange) {
    const SnapshotMap before = Path();
    ASSERT_TRUE(host.Type("X##off", "1e39"));
    EXPECT_EQ(Tools().transformOffset, Vector());
    EXPECT_EQ(Path(), before);
    EXPECT_EQ(host.Lines(), std::vector<std::string>{kTransformNotFiniteMessage});

    // 0 times infinity is not a number either.
    ASSERT_TRUE(host.Type("Y##rp", "*1e39"));
    EXPECT_EQ(Tools().transformRotation, Vector());
    EXPECT_EQ(Path(), before);

    // Ranged controls keep typed values within their range.
    ASSERT_TRUE(host.Type("Scale##sc", "0"));
    EXPECT_EQ(Tools().transformScale, 0.01f);
    ASSERT_TRUE(host.Type("Z##rp", "1000"));
    EXPECT_EQ(Tools().transformRotation.Z, 360.0f);
}

TEST_F(PathToolsPanel, AScaleThePathCannotHoldIsTakenBackFromTheControl) {
    Put(120, {20000, 0, 0}); // 10000 from the box centre: twenty times that leaves the world
    host.Tick();
    ASSERT_TRUE(host.Type("X##off", "10"));
    const SnapshotMap offset = Path();
    host.ClearLines();
    ASSERT_TRUE(host.Type("Scale##sc", "20"));
    EXPECT_EQ(Tools().transformScale, 1.0f);
    EXPECT_EQ(Path(), offset);
    EXPECT_EQ(host.Lines(), std::vector<std::string>{kOutsideWorldMessage});
}

TEST_F(PathToolsPanel, AnEmptyPathShowsNoToolsAndDropsTheBaseline) {
    ASSERT_TRUE(host.Type("Scale##sc", "3"));
    host.Run("dolly_path_clear");
    host.Tick();
    EXPECT_FALSE(host.Widget("Apply Mirror"));
    EXPECT_FALSE(host.Widget("Scale##sc"));
    ExpectControlsAtRest();
}

} // namespace
} // namespace Quorvel::Testing
