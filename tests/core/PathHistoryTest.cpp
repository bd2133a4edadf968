// The path history on its own: what makes a step, what a step is called, which selection comes
// back, and the bound on steps and memory.

#include "core/PathHistory.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// A path of `count` waypoints whose first one sits at x; distinct x give distinct paths.
SnapshotMap PathAt(float x, int count = 1) {
    SnapshotMap path;
    for (int i = 0; i < count; ++i) {
        CameraSnapshot& w = path[i * 30];
        w.frame = i * 30;
        w.location = Vector(x + i, 0, 100);
    }
    return path;
}

TEST(PathHistoryTest, AStepIsAChangeOfBitsBetweenCheckpointsNamedByItsFirstName) {
    PathHistory history;
    history.Name("Forgotten: nothing changed");
    EXPECT_FALSE(history.Checkpoint(SnapshotMap(), 4)); // only the selection moved
    EXPECT_EQ(history.UndoCount(), 0u);

    history.Checkpoint(PathAt(1), 4); // unnamed
    history.Name("Waypoint dragged");
    history.Name("Path reversed"); // a later edit of the same gesture
    history.Checkpoint(PathAt(2), 7);
    SnapshotMap mirrored = PathAt(0);
    mirrored[0].location.X = -0.0f; // a mirror through the origin: the same number, other bits
    EXPECT_TRUE(history.Checkpoint(mirrored, 7));
    EXPECT_FALSE(SamePathBits(mirrored, PathAt(0)));
    EXPECT_TRUE(SamePathBits(PathAt(3, 5), PathAt(3, 5)));

    ASSERT_EQ(history.UndoCount(), 3u);
    EXPECT_EQ(history.Undo(mirrored, 7), "Path edited");
    EXPECT_EQ(history.Undo(PathAt(2), 7), "Waypoint dragged");
    EXPECT_EQ(history.UndoName(), "Path edited");
    EXPECT_EQ(history.RedoName(), "Waypoint dragged");
}

TEST(PathHistoryTest, UndoBringsBackTheSelectionBeforeTheStepAndRedoTheOneItLeft) {
    PathHistory history;
    history.Checkpoint(PathAt(1), 30);        // selected before the change
    history.Checkpoint(PathAt(2), 0);         // the change itself moved the selection
    ASSERT_TRUE(history.Undo(PathAt(2), 60)); // 60 selected since, without a change
    EXPECT_TRUE(SamePathBits(history.Current().path, PathAt(1)));
    EXPECT_EQ(history.Current().selectedFrame, 30);
    ASSERT_TRUE(history.Redo(history.Current().path, -1));
    EXPECT_TRUE(SamePathBits(history.Current().path, PathAt(2)));
    EXPECT_EQ(history.Current().selectedFrame, 60);
}

TEST(PathHistoryTest, AChangeNotYetCheckpointedIsTheStepAnUndoTakesBackAndItDropsRedo) {
    PathHistory history;
    history.Checkpoint(PathAt(1), -1);
    history.Checkpoint(PathAt(2), -1);
    ASSERT_TRUE(history.Undo(PathAt(2), -1));
    EXPECT_EQ(history.RedoCount(), 1u);
    history.Name("Waypoint dragged");
    // Mid-gesture: the drag so far becomes a step, then it is undone; the old redo is gone.
    EXPECT_EQ(history.Undo(PathAt(9), -1), "Waypoint dragged");
    EXPECT_TRUE(SamePathBits(history.Current().path, PathAt(1)));
    EXPECT_EQ(history.RedoName(), "Waypoint dragged");
    EXPECT_EQ(history.RedoCount(), 1u);
    EXPECT_FALSE(history.Redo(PathAt(5), -1)); // a new change again drops it
    EXPECT_TRUE(SamePathBits(history.Current().path, PathAt(5)));
}

TEST(PathHistoryTest, KeepsTwoHundredStepsAndTheOldestFallOff) {
    PathHistory history;
    for (int change = 1; change <= 250; ++change)
        history.Checkpoint(PathAt(static_cast<float>(change)), -1);
    EXPECT_EQ(history.UndoCount(), 200u);
    for (int undone = 0; undone < 200; ++undone)
        ASSERT_TRUE(history.Undo(history.Current().path, -1));
    // The steps of changes 1 to 50 are gone: the path stops at change 50.
    EXPECT_FALSE(history.Undo(history.Current().path, -1));
    EXPECT_TRUE(SamePathBits(history.Current().path, PathAt(50)));
    EXPECT_EQ(history.UndoCount() + history.RedoCount(), 200u);
}

TEST(PathHistoryTest, KeepsAboutItsMemoryButAlwaysTheNewestStep) {
    const size_t cap = 64 * 1024;
    PathHistory history({200, cap});
    for (int change = 1; change <= 40; ++change) {
        history.Checkpoint(PathAt(static_cast<float>(change), 100), -1);
        EXPECT_LE(history.KeptBytes(), cap);
    }
    // A hundred waypoints take more than 100 * sizeof(CameraSnapshot) a step.
    EXPECT_GE(history.UndoCount(), 2u);
    EXPECT_LE(history.UndoCount(), cap / (100 * sizeof(CameraSnapshot)));
    while (history.Undo(history.Current().path, -1)) {
    }
    EXPECT_TRUE(SamePathBits(history.Current().path,
                             PathAt(static_cast<float>(40 - history.RedoCount()), 100)));

    // One step over the cap alone stays, so the newest change can always be undone.
    history.Checkpoint(PathAt(0, 2000), -1);
    history.Checkpoint(PathAt(1, 2000), -1);
    EXPECT_EQ(history.UndoCount(), 1u);
    EXPECT_TRUE(history.Undo(PathAt(1, 2000), -1));
    EXPECT_TRUE(SamePathBits(history.Current().path, PathAt(0, 2000)));
}

} // namespace
