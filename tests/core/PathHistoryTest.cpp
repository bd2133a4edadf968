// The path history's bound: two hundred steps, or about its memory, the oldest falling off.
// (What a step is, and undo and redo themselves, are held to a model in
// tests/plugin/HistoryStepsTest.cpp.)

#include "core/PathHistory.h"

#include <gtest/gtest.h>

namespace {

// A path of `count` waypoints whose first one sits at x; distinct x give distinct paths.
SnapshotMap PathAt(float x, int count = 1) {
    SnapshotMap path;
    for (int i = 0; i < count; ++i) {
        path[i * 30].frame = i * 30;
        path[i * 30].location = Vector(x + i, 0, 100);
    }
    return path;
}

// Undoes everything it can; the number of steps undone.
int UndoAll(PathHistory& history) {
    int undone = 0;
    while (history.Undo(history.Current().path, -1))
        ++undone;
    return undone;
}

TEST(PathHistoryTest, KeepsTwoHundredStepsAndTheOldestFallOff) {
    PathHistory history;
    for (int change = 1; change <= 250; ++change)
        history.Checkpoint(PathAt(static_cast<float>(change)), -1);
    EXPECT_EQ(UndoAll(history), 200);
    // The steps of changes 1 to 50 are gone: the path stops at change 50.
    EXPECT_TRUE(SamePathBits(history.Current().path, PathAt(50)));
    // A mirror through the origin gives -0: the same number, but a change.
    SnapshotMap mirrored = PathAt(0);
    mirrored[0].location.X = -0.0f;
    EXPECT_FALSE(SamePathBits(mirrored, PathAt(0)));
}

TEST(PathHistoryTest, KeepsAboutItsMemoryButAlwaysTheNewestStep) {
    const size_t cap = 64 * 1024;
    PathHistory history({200, cap});
    for (int change = 1; change <= 40; ++change) {
        history.Checkpoint(PathAt(static_cast<float>(change), 100), -1);
        EXPECT_LE(history.KeptBytes(), cap);
    }
    // A hundred waypoints take more than 100 * sizeof(CameraSnapshot) a step.
    const int undone = UndoAll(history);
    EXPECT_GE(undone, 2);
    EXPECT_LE(undone, static_cast<int>(cap / (100 * sizeof(CameraSnapshot))));
    EXPECT_TRUE(SamePathBits(history.Current().path, PathAt(40.0f - undone, 100)));

    // One step over the cap alone stays, so the newest change can always be undone.
    history.Checkpoint(PathAt(0, 2000), -1);
    history.Checkpoint(PathAt(1, 2000), -1);
    EXPECT_EQ(UndoAll(history), 1);
    EXPECT_TRUE(SamePathBits(history.Current().path, PathAt(0, 2000)));
}

} // namespace
