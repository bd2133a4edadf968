// The snapshots panel through real ImGui frames: the table's rows, the whole-path buttons, the
// FOV sliders and the timing buttons, clicked and typed into by label.

#include <string>
#include <vector>

#include "tests/ui/SnapshotsWindow.h"
#include "ui/FiniteEdit.h"
#include "ui/FrameMoves.h"

namespace Quorvel::Testing {
namespace {

using SnapshotsPanelTest = SnapshotsWindowTest;

TEST_F(SnapshotsPanelTest, ARowClickSelectsItsWaypointAndItsButtonDeletesIt) {
    PutPath({10, 20, 30});
    ASSERT_TRUE(ClickRow("2: 20##r2"));
    EXPECT_EQ(Selected(), 20);
    host.Tick();
    EXPECT_TRUE(OnScreen("##fovselh"));
    EXPECT_TRUE(OnScreen("-15##fadj0"));

    ASSERT_TRUE(host.Click("X##2"));
    host.Tick(); // the frame of the click drew the table before the deletion
    EXPECT_EQ(Frames(), std::vector<int>({10, 30}));
    ASSERT_FALSE(host.Lines().empty());
    EXPECT_EQ(host.Lines().front(), "Deleted snapshot #2 frame 20");
    // The rows renumber, and the selection names a frame that is gone: nothing to edit.
    EXPECT_TRUE(OnScreen("2: 30##r2"));
    EXPECT_FALSE(OnScreen("3: 30##r3"));
    EXPECT_EQ(Selected(), 20);
    EXPECT_FALSE(OnScreen("##fovselh"));
    EXPECT_FALSE(OnScreen("-15##fadj0"));
    EXPECT_FALSE(OnScreen("X##pos"));
}

TEST_F(SnapshotsPanelTest, ClearAllEmptiesThePathAndStartsTheModeChoiceAfresh) {
    PutPath({10, 20});
    host.Tick(); // the window chooses the modes for two waypoints
    host.Run("dolly_interpmode_location 2");
    ASSERT_TRUE(ClickRow("1: 10##r1"));
    ASSERT_TRUE(host.Click("Orbit Path##op"));

    ASSERT_TRUE(host.Click("Clear All"));
    EXPECT_TRUE(Cam().snapshots->empty());
    EXPECT_EQ(Selected(), -1);
    EXPECT_FALSE(Plugin().orbitView.orbiting);
    EXPECT_EQ(Plugin().autoModeWaypointCount, -1);

    // Two waypoints again: as many as before, but the choice is made anew.
    PutPath({40, 50});
    EXPECT_EQ(host.Variable("dolly_interpmode_location"), "7");
}

TEST_F(SnapshotsPanelTest, TheOrbitButtonFramesThePathAndGivesWayToASelection) {
    ASSERT_TRUE(host.Click("Orbit Path##op")); // nothing to orbit
    EXPECT_FALSE(Plugin().orbitView.orbiting);

    PutPath({10, 30, 50}); // x from 100 to 500
    ASSERT_TRUE(ClickRow("3: 50##r3"));
    ASSERT_TRUE(host.Click("Orbit Path##op"));
    host.Tick();
    const OrbitView& orbit = Plugin().orbitView;
    EXPECT_TRUE(orbit.orbiting);
    EXPECT_EQ(orbit.target, Vector(300, 0, 100));
    EXPECT_EQ(orbit.distance, 800.0f);
    EXPECT_EQ(Selected(), -1);
    EXPECT_TRUE(OnScreen("Orbiting Path..."));
    EXPECT_FALSE(OnScreen("Orbit Path##op"));

    // Selecting a waypoint while orbiting offers to orbit again.
    ASSERT_TRUE(ClickRow("1: 10##r1"));
    host.Tick();
    EXPECT_TRUE(OnScreen("Orbit Path##op"));
    ASSERT_TRUE(host.Click("Orbit Path##op"));
    host.Tick();
    EXPECT_TRUE(OnScreen("Orbiting Path..."));
    ASSERT_TRUE(host.Click("Orbiting Path..."));
    EXPECT_FALSE(orbit.orbiting);
}

TEST_F(SnapshotsPanelTest, AutoHandlesAllMakesEveryHandleCustom) {
    PutPath({10, 40, 70});
    host.Tick();
    host.Run("dolly_interpmode_location 2");
    ASSERT_TRUE(host.Click("Auto Handles All"));
    host.Tick();
    for (const auto& [frame, w] : *Cam().snapshots)
        EXPECT_TRUE(w.v3_bz_has_custom) << frame;
    // 300 units to the next waypoint: a third of it.
    EXPECT_EQ(Cam().snapshots->at(40).v3_bz_ctrl_out, Vector(100, 0, 0));
    // The window chooses the interpolation modes again.
    EXPECT_EQ(host.Variable("dolly_interpmode_location"), "7");
}

TEST_F(SnapshotsPanelTest, TheFovSlidersSetOneWaypointOrAll) {
    PutPath({10, 20, 30});
    ASSERT_TRUE(ClickRow("2: 20##r2"));
    ASSERT_TRUE(host.Type("##fovselh", "120"));
    EXPECT_EQ(Cam().snapshots->at(20).FOV, 120.0f);
    EXPECT_EQ(Cam().snapshots->at(10).FOV, 90.0f);

    ASSERT_TRUE(host.Type("##fovallh", "75"));
    for (const auto& [frame, w] : *Cam().snapshots)
        EXPECT_EQ(w.FOV, 75.0f) << frame;

    // Too large for a float: refused with one line for each edit, nothing changes.
    ASSERT_TRUE(host.Type("##fovallh", "1e39"));
    ASSERT_TRUE(host.Type("##fovselh", "1e39"));
    for (const auto& [frame, w] : *Cam().snapshots)
        EXPECT_EQ(w.FOV, 75.0f) << frame;
    EXPECT_EQ(host.Lines(),
              std::vector<std::string>({kNotFiniteEditMessage, kNotFiniteEditMessage}));
}

TEST_F(SnapshotsPanelTest, TheSelectedWaypointMovesByItsButtonsUntilAFrameIsTaken) {
    PutPath({10, 25, 70});
    ASSERT_TRUE(ClickRow("2: 25##r2"));
    ASSERT_TRUE(host.Click(" +5##fadj3"));
    EXPECT_EQ(Frames(), std::vector<int>({10, 30, 70}));
    EXPECT_EQ(Selected(), 30);
    // The path runs at 30 frames a second: 5 frames are a sixth of a second.
    EXPECT_FLOAT_EQ(Cam().snapshots->at(30).timestamp, 25.0f / 30.0f + 5.0f / 30.0f);
    ASSERT_TRUE(host.Click("-15##fadj0"));
    EXPECT_EQ(Selected(), 15);

    // Onto the first waypoint's frame: the button does nothing, and says nothing.
    host.ClearLines();
    ASSERT_TRUE(host.Click(" -5##fadj2"));
    EXPECT_EQ(Frames(), std::vector<int>({10, 15, 70}));
    EXPECT_EQ(Selected(), 15);
    EXPECT_TRUE(host.Lines().empty());
}

TEST_F(SnapshotsPanelTest, TheAllButtonsMoveThePathButNotBelowFrameOne) {
    PutPath({10, 40, 70});
    ASSERT_TRUE(ClickRow("2: 40##r2"));
    ASSERT_TRUE(host.Click("-15##aadj0"));
    EXPECT_EQ(Frames(), std::vector<int>({1, 31, 61}));
    EXPECT_EQ(Selected(), 31);
    ASSERT_TRUE(host.Click("+10##aadj4"));
    EXPECT_EQ(Frames(), std::vector<int>({11, 41, 71}));
    EXPECT_EQ(Selected(), 41);
}

TEST_F(SnapshotsPanelTest, ShiftAllMovesByTheTypedAmountAndRefusesToPassTheLastFrame) {
    PutPath({10, 40});
    ASSERT_TRUE(ClickRow("1: 10##r1"));
    ASSERT_TRUE(host.Click("Shift All##bigshift"));
    EXPECT_EQ(Frames(), std::vector<int>({110, 140}));
    EXPECT_EQ(Selected(), 110);

    ASSERT_TRUE(host.Type("##frameshiftamt", "2147483600"));
    host.ClearLines();
    ASSERT_TRUE(host.Click("Shift All##bigshift"));
    EXPECT_EQ(Frames(), std::vector<int>({110, 140}));
    EXPECT_EQ(host.Lines(), std::vector<std::string>({kFrameRangeMessage}));
}

TEST_F(SnapshotsPanelTest, StartPathAtCurrentFrameMovesTheFirstWaypointThere) {
    PutPath({10, 40});
    ASSERT_TRUE(ClickRow("2: 40##r2"));
    host.SetFrame(500);
    ASSERT_TRUE(host.Click("Start path at current frame"));
    EXPECT_EQ(Frames(), std::vector<int>({500, 530}));
    EXPECT_EQ(Selected(), 530);
    // Earlier than the path: it moves back, to frame 1 at the lowest.
    host.SetFrame(0);
    host.Tick(10);
    ASSERT_TRUE(host.Click("Start path at current frame"));
    EXPECT_EQ(Frames(), std::vector<int>({1, 31}));
}

} // namespace
} // namespace Quorvel::Testing
