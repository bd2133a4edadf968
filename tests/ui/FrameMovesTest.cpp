// Moving one waypoint or the whole path along the replay timeline, in replay frames and
// seconds, with the refusals that keep frames valid and the path's span within its limit.

#include <climits>
#include <string>
#include <vector>

#include "path/PathLimits.h"
#include "tests/plugin/PluginFixture.h"
#include "ui/FrameMoves.h"

namespace Quorvel::Testing {
namespace {

class FrameMovesTest : public PluginTest {
protected:
    // Waypoints at these frames, at `fps` frames a second from t = frame / fps.
    void PutPath(const std::vector<int>& frames, float fps = 30.0f) {
        Cam().snapshots->clear();
        for (int frame : frames) {
            CameraSnapshot w;
            w.frame = frame;
            w.timestamp = static_cast<float>(frame) / fps;
            w.FOV = 90.0f;
            w.location = Vector(static_cast<float>(frame), 0, 0);
            (*Cam().snapshots)[frame] = w;
        }
        host.ClearLines();
    }
    std::vector<int> Frames() {
        std::vector<int> frames;
        for (const auto& entry : *Cam().snapshots)
            frames.push_back(entry.first);
        return frames;
    }
    float TimeAt(int frame) { return Cam().snapshots->at(frame).timestamp; }
};

TEST_F(FrameMovesTest, OneWaypointMovesByItsDeltaAtThirtyFramesASecond) {
    PutPath({100});
    EXPECT_EQ(MoveWaypointFrame(Cam(), 100, 15), 115);
    EXPECT_EQ(Frames(), std::vector<int>({115}));
    EXPECT_FLOAT_EQ(TimeAt(115), 100.0f / 30 + 0.5f);
    EXPECT_EQ(MoveWaypointFrame(Cam(), 115, -5), 110);
    EXPECT_FLOAT_EQ(TimeAt(110), 100.0f / 30 + 1.0f / 3);
    // The location travels with the frame.
    EXPECT_EQ(Cam().snapshots->at(110).location, Vector(100, 0, 0));
    EXPECT_TRUE(host.Lines().empty()); // a move is not reported as a deletion
}

TEST_F(FrameMovesTest, AMovedWaypointKeepsThePathsOwnPace) {
    // 60 frames a second: 15 frames are a quarter of a second, not half.
    PutPath({0, 60, 120}, 60.0f);
    EXPECT_EQ(MoveWaypointFrame(Cam(), 60, 15), 75);
    EXPECT_EQ(Frames(), std::vector<int>({0, 75, 120}));
    EXPECT_FLOAT_EQ(TimeAt(75), 1.25f);
    // A path slower than a frame a second counts as 30 frames a second.
    PutPath({10, 20});
    (*Cam().snapshots)[20].timestamp = 100.0f;
    EXPECT_FLOAT_EQ(PathFrameRate(*Cam().snapshots), 30.0f);
}

TEST_F(FrameMovesTest, RefusedMovesLeaveThePathAsItWas) {
    const int kLast = INT_MAX - 5;
    const struct {
        const char* name;
        std::vector<int> path;
        int frame;
        int delta;
        std::vector<std::string> lines; // what the console says
    } cases[] = {
        {"onto an occupied frame", {10, 20, 30}, 20, 10, {}},
        {"below frame 1", {10, 20, 30}, 10, -10, {}},
        {"no waypoint at the frame", {10, 20, 30}, 15, 5, {}},
        {"past the largest frame number", {kLast - 10, kLast}, kLast, 10, {kFrameRangeMessage}},
        {"the span grows past the limit", {1, 1000001}, 1000001, 5, {kPathSpanMessage}},
        {"the first moves out past the limit", {15, 1000010}, 15, -10, {kPathSpanMessage}},
    };
    for (const auto& c : cases) {
        PutPath(c.path);
        const SnapshotMap before = *Cam().snapshots;
        EXPECT_EQ(MoveWaypointFrame(Cam(), c.frame, c.delta), c.frame) << c.name;
        EXPECT_EQ(*Cam().snapshots, before) << c.name;
        EXPECT_EQ(host.Lines(), c.lines) << c.name;
    }
}

TEST_F(FrameMovesTest, MovesInsideTheSpanLimitAreAllowed) {
    // Out to exactly the limit; the first waypoint inward.
    PutPath({1, 999996});
    EXPECT_EQ(MoveWaypointFrame(Cam(), 999996, 5), 1000001);
    PutPath({1, 500000, 1000001});
    EXPECT_EQ(MoveWaypointFrame(Cam(), 1, 10), 11);
}

TEST_F(FrameMovesTest, ShiftingAllBelowFrameOneStopsTheFirstAtFrameOne) {
    PutPath({10, 40, 70});
    int selected = 40;
    ShiftAllFrames(Cam(), -15, selected);
    EXPECT_EQ(Frames(), std::vector<int>({1, 31, 61}));
    EXPECT_EQ(selected, 31);
    // Nine frames at the path's 30 frames a second.
    EXPECT_FLOAT_EQ(TimeAt(31), 40.0f / 30 - 0.3f);
    // Already at frame 1: nothing further moves.
    const SnapshotMap before = *Cam().snapshots;
    ShiftAllFrames(Cam(), -5, selected);
    EXPECT_EQ(*Cam().snapshots, before);
}

TEST_F(FrameMovesTest, ShiftingAllKeepsEveryWaypointAndTheSelectionWithIt) {
    PutPath({1, 2, 3, 50});
    int selected = 3;
    ShiftAllFrames(Cam(), 100, selected);
    EXPECT_EQ(Frames(), std::vector<int>({101, 102, 103, 150}));
    EXPECT_EQ(selected, 103);
    EXPECT_FLOAT_EQ(TimeAt(150), 50.0f / 30 + 100.0f / 30);
    // A selection whose waypoint is gone stays where it was.
    selected = 7;
    ShiftAllFrames(Cam(), 10, selected);
    EXPECT_EQ(selected, 7);
    EXPECT_EQ(Frames(), std::vector<int>({111, 112, 113, 160}));
}

TEST_F(FrameMovesTest, ShiftsPastTheLargestFrameNumberAreRefusedWithOneLine) {
    PutPath({INT_MAX - 100, INT_MAX - 50});
    int selected = INT_MAX - 50;
    const SnapshotMap before = *Cam().snapshots;
    ShiftAllFrames(Cam(), 51, selected);
    EXPECT_EQ(*Cam().snapshots, before);
    EXPECT_EQ(selected, INT_MAX - 50);
    EXPECT_EQ(host.Lines(), std::vector<std::string>({kFrameRangeMessage}));
    // Exactly up to the largest frame number is fine.
    ShiftAllFrames(Cam(), 50, selected);
    EXPECT_EQ(Frames(), std::vector<int>({INT_MAX - 50, INT_MAX}));
    EXPECT_EQ(selected, INT_MAX);
    // A shift wider than any int still lands the first waypoint on frame 1.
    ShiftAllFrames(Cam(), -4LL * INT_MAX, selected);
    EXPECT_EQ(Frames(), std::vector<int>({1, 51}));
}

TEST_F(FrameMovesTest, NothingToShift) {
    int selected = -1;
    PutPath({});
    ShiftAllFrames(Cam(), 10, selected);
    EXPECT_TRUE(Cam().snapshots->empty());
    PutPath({5});
    ShiftAllFrames(Cam(), 0, selected);
    EXPECT_EQ(Frames(), std::vector<int>({5}));
    EXPECT_TRUE(host.Lines().empty());
}

} // namespace
} // namespace Quorvel::Testing
