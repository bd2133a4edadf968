// The timeline strip's arithmetic: where dots sit, and where a dragged waypoint lands (replay
// frames, seconds, canvas pixels).

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>
#include <vector>

#include "ui/TimelineTrack.h"

namespace {

// Waypoints as (frame, timestamp in seconds).
SnapshotMap Path(const std::vector<std::pair<int, float>>& waypoints) {
    SnapshotMap path;
    for (const auto& [frame, time] : waypoints) {
        path[frame].frame = frame;
        path[frame].timestamp = time;
    }
    return path;
}

TEST(TimelineTrack, TheFirstAndLastTimestampsSitAtTheTrackEnds) {
    const TimelineTrack track = MakeTimelineTrack(Path({{30, 1}, {90, 2}, {150, 5}}), 120, 400);
    EXPECT_FLOAT_EQ(track.XAt(1), 120);
    EXPECT_FLOAT_EQ(track.XAt(5), 520);
    EXPECT_FLOAT_EQ(track.XAt(2), 220);
    EXPECT_FLOAT_EQ(track.TimeAt(320), 3);
    EXPECT_FLOAT_EQ(track.TimeAt(20), 0); // beyond the left end, earlier than the path
}

TEST(TimelineTrack, ADegenerateTrackStaysFinite) {
    // One waypoint, or a strip narrower than its insets: 0.001 s over at least one pixel.
    const TimelineTrack track = MakeTimelineTrack(Path({{30, 1}}), 50, -12);
    EXPECT_FLOAT_EQ(track.XAt(1), 50);
    EXPECT_TRUE(std::isfinite(track.TimeAt(400)));
    EXPECT_TRUE(std::isfinite(track.XAt(1000)));
}

TEST(DragTarget, LandsOnTheFrameUnderTheMouseAtItsNeighboursPace) {
    // The replay runs at 30 frames a second, but the neighbours of frame 30 are 60 frames and
    // 3 s apart: 20 frames a second.
    const SnapshotMap path = Path({{0, 0}, {30, 1}, {60, 3}, {90, 4}});
    const struct {
        const char* name;
        float mouseTime;
        float frameRate;
        int frame;
        float time;
        float drawnTime;
    } cases[] = {
        {"its own frame, re-timed", 1.0f, 30, 30, 1.5f, 1.0f},
        {"between the neighbours", 1.5f, 30, 45, 2.25f, 1.5f},
        {"rounded to the nearest frame", 1.51f, 30, 45, 2.25f, 1.51f},
        {"at a faster replay rate", 0.5f, 60, 30, 1.5f, 0.5f},
        {"past the next one", 9.0f, 30, 59, 2.95f, 2.999f},
        {"before the previous one", -4.0f, 30, 1, 0.05f, 0.001f},
    };
    for (const auto& c : cases) {
        const auto target = DragTarget(path, 30, c.mouseTime, c.frameRate);
        ASSERT_TRUE(target) << c.name;
        EXPECT_EQ(target->frame, c.frame) << c.name;
        EXPECT_NEAR(target->time, c.time, 1e-5f) << c.name;
        EXPECT_NEAR(target->drawnTime, c.drawnTime, 1e-5f) << c.name;
    }
}

TEST(DragTarget, AWaypointWithNowhereToGoKeepsItsFrameAndTime) {
    const float inf = std::numeric_limits<float>::infinity();
    const struct {
        const char* name;
        SnapshotMap path;
        int frame;
        float mouseTime;
        float time; // its own
    } cases[] = {
        {"neighbours two frames apart", Path({{10, 0}, {11, 0.2f}, {12, 1}}), 11, 0.9f, 0.2f},
        {"the first waypoint", Path({{10, 0}, {20, 1}, {30, 2}}), 10, 1.5f, 0},
        {"the last waypoint", Path({{10, 0}, {20, 1}, {30, 2}}), 30, 0.5f, 2},
        {"the only waypoint", Path({{10, 0.5f}}), 10, 3, 0.5f},
        {"a mouse time that is no number", Path({{10, 0}, {20, 1}, {30, 2}}), 20, inf, 1},
    };
    for (const auto& c : cases) {
        const auto target = DragTarget(c.path, c.frame, c.mouseTime, 30);
        ASSERT_TRUE(target) << c.name;
        EXPECT_EQ(target->frame, c.frame) << c.name;
        EXPECT_EQ(target->time, c.time) << c.name;
        EXPECT_EQ(target->drawnTime, c.time) << c.name;
    }
    EXPECT_FALSE(DragTarget(Path({{10, 0}, {20, 1}}), 15, 0.5f, 30));
}

TEST(DragTarget, NeighboursAtAlmostTheSameTimeLeaveTheDotWhereItIs) {
    // Three frames between the neighbours, but less than 2 ms: the dot cannot be drawn 1 ms
    // inside both, so it stays on its own time while the frame still follows the mouse.
    const auto target = DragTarget(Path({{0, 0}, {10, 1}, {11, 1.0005f}, {14, 1.001f}}), 11,
                                   1.0f + 13.0f / 30.0f, 30);
    ASSERT_TRUE(target);
    EXPECT_EQ(target->frame, 13);
    EXPECT_FLOAT_EQ(target->drawnTime, 1.0005f);
}

} // namespace
