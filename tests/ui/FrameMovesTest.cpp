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

TEST_F(FrameMovesTest, AMovedWaypointTakesItsLocationAlongAtThePathsOwnPace) {
    const struct {
        const char* name;
        std::vector<int> path;
        float fps; // the path's
        int frame, delta;
        float time; // the moved waypoint's
    } cases[] = {
        {"forward", {100}, 30, 100, 15, 100.0f / 30 + 0.5f},
        {"back", {100}, 30, 100, -5, 100.0f / 30 - 1.0f / 6},
        // 60 frames a second: 15 frames are a quarter of a second, not half.
        {"at sixty frames a second", {0, 60, 120}, 60, 60, 15, 1.25f},
        {"out to exactly the span limit", {1, 999996}, 30, 999996, 5, 1000001.0f / 30},
        {"the first one inward", {1, 500000, 1000001}, 30, 1, 10, 11.0f / 30},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PutPath(c.path, c.fps);
        const int moved = c.frame + c.delta;
        EXPECT_EQ(MoveWaypointFrame(Cam(), c.frame, c.delta), moved);
        EXPECT_EQ(Cam().snapshots->count(c.frame), 0u);
        ASSERT_EQ(Cam().snapshots->size(), c.path.size());
        EXPECT_FLOAT_EQ(TimeAt(moved), c.time);
        EXPECT_EQ(Cam().snapshots->at(moved).location, Vector(float(c.frame), 0, 0));
        EXPECT_TRUE(host.Lines().empty()); // a move is not reported as a deletion
    }
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

TEST_F(FrameMovesTest, ShiftingAllMovesEveryWaypointAndTheSelectionWithinTheFrameRange) {
    const long long kLongest = 4LL * INT_MAX; // wider than any int
    const struct {
        const char* name;
        std::vector<int> path;
        int selected;
        long long delta;
        std::vector<int> frames; // after
        int selectedAfter;
        std::vector<std::string> lines;
    } cases[] = {
        {"below frame 1 stops the first at 1", {10, 40, 70}, 40, -15, {1, 31, 61}, 31, {}},
        {"already at frame 1", {1, 31, 61}, 31, -5, {1, 31, 61}, 31, {}},
        {"forward", {1, 2, 3, 50}, 3, 100, {101, 102, 103, 150}, 103, {}},
        {"a selection whose waypoint is gone stays", {1, 2}, 7, 10, {11, 12}, 7, {}},
        {"past the largest frame number",
         {INT_MAX - 100, INT_MAX - 50},
         INT_MAX - 50,
         51,
         {INT_MAX - 100, INT_MAX - 50},
         INT_MAX - 50,
         {kFrameRangeMessage}},
        {"exactly up to the largest frame number",
         {INT_MAX - 100, INT_MAX - 50},
         INT_MAX - 50,
         50,
         {INT_MAX - 50, INT_MAX},
         INT_MAX,
         {}},
        {"wider than any int", {INT_MAX - 50, INT_MAX}, INT_MAX, -kLongest, {1, 51}, 51, {}},
        {"an empty path", {}, -1, 10, {}, -1, {}},
        {"by nothing", {5}, -1, 0, {5}, -1, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PutPath(c.path);
        const SnapshotMap before = *Cam().snapshots;
        int selected = c.selected;
        ShiftAllFrames(Cam(), c.delta, selected);
        EXPECT_EQ(Frames(), c.frames);
        if (c.frames == c.path) {
            EXPECT_EQ(*Cam().snapshots, before); // times too
        }
        EXPECT_EQ(selected, c.selectedAfter);
        EXPECT_EQ(host.Lines(), c.lines);
    }
    // The times move by the path's 30 frames a second.
    PutPath({10, 40, 70});
    int selected = 40;
    ShiftAllFrames(Cam(), -15, selected);
    EXPECT_FLOAT_EQ(TimeAt(31), 40.0f / 30 - 0.3f);
}

} // namespace
} // namespace Quorvel::Testing
