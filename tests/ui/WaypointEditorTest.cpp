// The waypoint editor through real ImGui frames: the timeline's dots clicked and dragged with
// the mouse, and the selected waypoint's editors typed into and dragged by label.

#include <climits>
#include <string>
#include <vector>

#include "math/Angles.h"
#include "tests/ui/SnapshotsWindow.h"
#include "ui/FiniteEdit.h"

namespace Quorvel::Testing {
namespace {

using WaypointEditorTest = SnapshotsWindowTest;

TEST_F(WaypointEditorTest, WithoutWaypointsThereIsNoTimeline) {
    host.Tick();
    EXPECT_FALSE(OnScreen("##tlc"));
    PutPath({30});
    host.Tick();
    EXPECT_TRUE(OnScreen("##tlc"));
}

// Where a dragged waypoint may land is worked through in TimelineTrackTest; here, that a dot
// with nowhere to go, or not moved past a pixel, is selected and the path stays as it was.
TEST_F(WaypointEditorTest, ADotThatCannotOrDoesNotMoveIsOnlySelected) {
    const struct {
        const char* name;
        std::vector<int> path;
        int frame;
        float time; // given to the waypoint: off its neighbours' pace, so a re-timing shows
        float dx;
    } cases[] = {
        {"a click without moving", {30, 60, 90}, 60, 2.1f, 0},
        {"one pixel is not yet a drag", {30, 60, 90}, 60, 2.1f, 1},
        {"the first dot", {30, 60, 90}, 30, 1.0f, 200},
        {"the last dot", {30, 60, 90}, 90, 3.0f, -200},
        {"neighbours two frames apart", {30, 31, 32, 90}, 31, 1.02f, 300},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PutPath(c.path);
        (*Cam().snapshots)[c.frame].timestamp = c.time;
        Selected() = -1;
        const SnapshotMap before = *Cam().snapshots;
        DragDot(c.frame, c.dx);
        EXPECT_EQ(Selected(), c.frame);
        EXPECT_EQ(*Cam().snapshots, before);
        host.Tick(10); // no double click with the next case's press
    }
}

TEST_F(WaypointEditorTest, ADraggedDotStopsOneFrameShortOfItsNeighbour) {
    PutPath({30, 60, 90, 120});
    DragDot(60, 400); // well past the dot of frame 90
    EXPECT_EQ(Frames(), std::vector<int>({30, 89, 90, 120}));
    // Re-timed at its neighbours' pace: 59 of their 60 frames, 2 s apart.
    EXPECT_NEAR(Cam().snapshots->at(89).timestamp, 1.0f + 59.0f / 60.0f * 2.0f, 1e-5f);
    // The selection stays with the waypoint dragged.
    EXPECT_EQ(Selected(), 89);

    DragDot(89, -1000);
    EXPECT_EQ(Frames(), std::vector<int>({30, 31, 90, 120}));
}

TEST_F(WaypointEditorTest, ADotDraggedPartWayLandsOnTheFrameUnderTheMouse) {
    PutPath({30, 60, 90});
    const auto strip = host.Widget("##tlc");
    ASSERT_TRUE(strip);
    // The whole track is 2 s wide: a tenth of it is 0.2 s, six frames.
    const float tenth = (strip->maxX - strip->minX - 40) / 10.0f;
    DragDot(60, tenth);
    EXPECT_EQ(Frames(), std::vector<int>({30, 66, 90}));
    EXPECT_NEAR(Cam().snapshots->at(66).timestamp, 66.0f / 30.0f, 1e-5f);
}

TEST_F(WaypointEditorTest, TheFloorHoldsAnEditedHeightUnlessItGoesBelowMinusOne) {
    PutPath({30, 60});
    ASSERT_TRUE(ClickRow("1: 30##r1"));
    host.Tick();
    ASSERT_TRUE(host.Type("Z##pos", "-0.5"));
    EXPECT_EQ(Cam().snapshots->at(30).location.Z, 0.0f);
    ASSERT_TRUE(host.Type("Z##pos", "-50"));
    EXPECT_EQ(Cam().snapshots->at(30).location.Z, -50.0f);
    // Released: it stays below the floor until lifted above 1.
    ASSERT_TRUE(host.Type("Z##pos", "-0.5"));
    EXPECT_EQ(Cam().snapshots->at(30).location.Z, -0.5f);
    EXPECT_FALSE(Plugin().gizmo.floorLock.at(30));
    ASSERT_TRUE(host.Type("X##pos", "250"));
    EXPECT_EQ(Cam().snapshots->at(30).location, Vector(250, 0, -0.5f));
}

TEST_F(WaypointEditorTest, AnEditedAngleIsClampedAndTheOthersKeepTheirUnits) {
    PutPath({30, 60});
    CameraSnapshot& w = (*Cam().snapshots)[30];
    w.rotation = {1000.0f, 36409.0f, 12345.0f}; // yaw 200 degrees
    ASSERT_TRUE(ClickRow("1: 30##r1"));
    host.Tick();
    // 20 pixels left are 10 degrees at most: from 200 degrees, only a clamp brings it within
    // 180. The first step lands on 180, the rest move on from there.
    ASSERT_TRUE(host.Drag("Yaw##rot", -20, 0));
    const FloatRotator& r = Cam().snapshots->at(30).rotation;
    EXPECT_LE(r.yaw, 180.0f * Quorvel::Math::kDegreesToUnits);
    EXPECT_GT(r.yaw, 170.0f * Quorvel::Math::kDegreesToUnits);
    EXPECT_EQ(r.pitch, 1000.0f);
    EXPECT_EQ(r.roll, 12345.0f);

    ASSERT_TRUE(host.Type("Pitch##rot", "-45"));
    EXPECT_FLOAT_EQ(Cam().snapshots->at(30).rotation.pitch, -8192.0f);
}

TEST_F(WaypointEditorTest, AnEditThatIsNoNumberOrLeavesTheWorldIsRefusedOnce) {
    PutPath({30, 60});
    ASSERT_TRUE(ClickRow("1: 30##r1"));
    host.Tick();
    const SnapshotMap before = *Cam().snapshots;
    ASSERT_TRUE(host.Type("Y##pos", "1e39"));
    ASSERT_TRUE(host.Type("Roll##rot", "1e37")); // finite degrees, infinite units
    ASSERT_TRUE(host.Type("Z##pos", "-30001"));
    EXPECT_EQ(*Cam().snapshots, before);
    EXPECT_EQ(host.Lines(), std::vector<std::string>({kNotFiniteEditMessage, kNotFiniteEditMessage,
                                                      kOutsideWorldEditMessage}));
}

TEST_F(WaypointEditorTest, DeselectLeavesNothingToEdit) {
    PutPath({30, 60});
    ASSERT_TRUE(ClickRow("2: 60##r2"));
    host.Tick();
    ASSERT_TRUE(OnScreen("X##pos"));
    ASSERT_TRUE(host.Click("Deselect"));
    host.Tick();
    EXPECT_EQ(Selected(), -1);
    EXPECT_FALSE(OnScreen("X##pos"));
}

} // namespace
} // namespace Quorvel::Testing
