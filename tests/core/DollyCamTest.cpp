// Snapshots, activation, strategy rebuilds and the sampled path.

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "interp/InterpStrategy.h"
#include "path/PathLimits.h"
#include "tests/plugin/PluginFixture.h"

namespace Quorvel::Testing {
namespace {

class DollyCamTest : public PluginTest {
protected:
    void SetUp() override {
        PluginTest::SetUp();
        EnterFlycamReplay();
    }
};

TEST_F(DollyCamTest, SnapshotsPrintAsFiveLines) {
    host.Leave();
    EnterFlycamReplay(60);
    TakeAt(255, {100, -250.5f, 17}, {-1024, 16384, 0}, 90); // 4.25 s at 60 fps
    host.ClearLines();
    host.Run("dolly_snapshot_info 255");
    const std::vector<std::string> expected = {"Frame: 255", "Time: 4.25000", "FOV: 90.00000",
                                               "Location 100.00, -250.50, 17.00",
                                               "Rotation -1024, 16384, 0"};
    EXPECT_EQ(host.Lines(), expected);

    // Outside a replay the camera still shows, with the default snapshot's zeros.
    host.Leave();
    host.EnterGame();
    host.ClearLines();
    host.Run("dolly_cam_show");
    const std::vector<std::string> zeros = {"Frame: 0", "Time: 0.00000", "FOV: 0.00000",
                                            "Location 0.00, 0.00, 0.00", "Rotation 0, 0, 0"};
    EXPECT_EQ(host.Lines(), zeros);
}

// Taking outside a replay, or asking between waypoints, gives the default snapshot.
TEST_F(DollyCamTest, DefaultSnapshotsBetweenWaypointsAndOutsideAReplay) {
    TakeAt(0, {1, 1, 1});
    TakeAt(60, {2, 2, 2});
    EXPECT_EQ(Cam().GetSnapshot(30), CameraSnapshot());
    host.Leave();
    host.EnterGame();
    host.EnterFlycam();
    SnapshotStoreResult result = SnapshotStoreResult::Stored;
    EXPECT_EQ(Cam().TakeSnapshot(true, result), CameraSnapshot());
    EXPECT_EQ(result, SnapshotStoreResult::NoReplay);
    EXPECT_EQ(Cam().snapshots->size(), 2u);
}

// The messages and the silence of a bad index are pinned in snapshot_commands.script.
TEST_F(DollyCamTest, DeleteOutsideTheRangeStillRebuildsAndCountsFromTheSmallestFrame) {
    TakeAt(300, {0, 0, 0});
    TakeAt(840, {1, 0, 0});
    auto before = Cam().locationStrategy;
    Cam().DeleteSnapshot(3);
    EXPECT_EQ(Cam().snapshots->size(), 2u);
    EXPECT_NE(Cam().locationStrategy, before);
    Cam().DeleteSnapshot(1);
    EXPECT_EQ(Cam().snapshots->begin()->first, 840);
}

TEST_F(DollyCamTest, ActivateBuildsTheStrategiesAndDeactivateUnlocksTheFov) {
    host.Run("dolly_activate");
    EXPECT_TRUE(Cam().isActive);
    ASSERT_TRUE(Cam().locationStrategy);
    host.Run("dolly_deactivate");
    EXPECT_FALSE(host.GetWorld().GetCamera().lockedFov);
}

TEST_F(DollyCamTest, UnknownModesReportAndBehaveLinear) {
    TakeAt(0, {0, 0, 0});
    TakeAt(30, {300, 0, 0});
    host.ClearLines();
    for (int mode : {8, -1}) {
        const auto strategy = Cam().CreateInterpStrategy(mode);
        EXPECT_EQ(host.LastLine(),
                  "Unknown interp mode " + std::to_string(mode) + ". Defaulting to linear.");
        EXPECT_EQ(strategy->GetName(), "linear interpolation");
        EXPECT_FLOAT_EQ(strategy->Evaluate(0.5f, 15).x, 150.0f);
    }
    host.ClearLines();
    for (int mode = 0; mode <= 7; ++mode)
        Cam().CreateInterpStrategy(mode);
    EXPECT_TRUE(host.Lines().empty());
}

// Five waypoints at uneven times on a zigzag: each mode draws its own curve through the
// segment from frame 30 to 90, except 0 and 3, which are both the straight line.
TEST_F(DollyCamTest, EveryModeBuildsItsOwnCurveAndZeroAndThreeAreBothLinear) {
    const std::pair<int, Vector> waypoints[] = {{0, {0, 0, 0}},
                                                {30, {300, 400, 0}},
                                                {90, {600, -200, 100}},
                                                {120, {900, 300, 0}},
                                                {180, {1500, 0, 200}}};
    for (const auto& [frame, location] : waypoints)
        TakeAt(frame, location);
    std::vector<float> y;
    for (int mode = 0; mode <= 7; ++mode)
        y.push_back(Cam().CreateInterpStrategy(mode)->Evaluate(1.5f, 45).y);
    EXPECT_FLOAT_EQ(y[0], 250.0f) << "a quarter of the way from 400 to -200";
    EXPECT_EQ(y[3], y[0]);
    for (int mode : {1, 2, 4, 5, 6, 7}) // which curve each is: the digests of PlaybackTest
        EXPECT_GT(std::fabs(y[mode] - y[0]), 0.5f) << "mode " << mode;
}

TEST_F(DollyCamTest, StrategiesSeeThePathAsItWasWhenBuilt) {
    host.Run("dolly_interpmode 0");
    TakeAt(0, {0, 0, 0});
    TakeAt(30, {300, 0, 0});
    const auto strategy = Cam().locationStrategy;
    (*Cam().snapshots)[0].location.X = 1000; // an edit without a rebuild
    EXPECT_FLOAT_EQ(strategy->Evaluate(0.5f, 15).x, 150.0f);
    Cam().UpdateLocationStrategy();
    EXPECT_FLOAT_EQ(Cam().locationStrategy->Evaluate(0.5f, 15).x, 650.0f);
}

TEST_F(DollyCamTest, PathCacheSamplesEveryFrameOfEachSegmentAtItsOwnRate) {
    host.Run("dolly_interpmode 0");
    // Frames 100 and 160 with times 5.0 and 6.0: 60 frames over one second.
    host.SetFrame(100);
    host.GetWorld().SetReplayTime(5.0f);
    host.SetCamera({0, 0, 0}, {}, 90);
    host.Run("dolly_snapshot_take");
    host.SetFrame(160);
    host.GetWorld().SetReplayTime(6.0f);
    host.SetCamera({600, 0, 0}, {}, 90);
    host.Run("dolly_snapshot_take");

    const PathCache& cache = Cam().pathCache;
    ASSERT_EQ(cache.size(), 61u); // 100..160, the last waypoint's frame on the last segment
    for (size_t i = 0; i < cache.size(); ++i)
        ASSERT_EQ(cache[i].frame, 100 + static_cast<int>(i));
    // Half way in frames is half way in time (5.5 s), so half way along the line.
    EXPECT_NEAR(cache[30].location.X, 300.0f, 1e-3f);
    EXPECT_EQ(cache[60].location.X, 600.0f);
}

TEST_F(DollyCamTest, PathCacheOfASingleWaypointDependsOnTheMode) {
    host.Run("dolly_interpmode 0");
    TakeAt(50, {7, 8, 9}, {100, 200, 0}, 90);
    EXPECT_TRUE(Cam().pathCache.empty());
    host.Run("dolly_interpmode 1"); // N-Bezier holds the single waypoint
    ASSERT_EQ(Cam().pathCache.size(), 1u);
    EXPECT_EQ(Cam().pathCache[0].frame, 50);
    EXPECT_EQ(Cam().pathCache[0].location, Vector(7, 8, 9));
}

TEST_F(DollyCamTest, PathCacheOutsideAReplayKeepsTheOldOne) {
    host.Run("dolly_interpmode 0");
    TakeAt(0, {0, 0, 0});
    TakeAt(10, {10, 0, 0});
    ASSERT_EQ(Cam().pathCache.size(), 11u);
    CameraSnapshot later = Cam().GetSnapshot(10);
    later.frame = 20;
    later.timestamp += 1.0f;
    (*Cam().snapshots)[20] = later; // a path the cache would differ for
    host.Leave();
    Cam().UpdateLocationStrategy();
    EXPECT_EQ(Cam().pathCache.size(), 11u);
    EXPECT_EQ(Cam().pathCache.back().frame, 10);
}

// An hour at 30 fps stays under 4 MB, and a shorter path after it gives the memory back.
TEST_F(DollyCamTest, PathCacheOfAnHourFitsInFourMegabytes) {
    host.Run("dolly_interpmode 0");
    TakeAt(0, {0, 0, 0});
    TakeAt(108000, {1000, 0, 0});
    ASSERT_EQ(Cam().pathCache.size(), 108001u);
    EXPECT_LE(Cam().pathCache.capacity() * sizeof(PathCacheSample), 4u << 20);
    Cam().DeleteSnapshot(2);
    TakeAt(30, {10, 0, 0});
    ASSERT_EQ(Cam().pathCache.size(), 31u);
    EXPECT_LE(Cam().pathCache.capacity(), 4096u);
}

TEST_F(DollyCamTest, PathCacheTimesFramesAtThirtyASecondInAReplayWithoutFrameRate) {
    host.Leave();
    host.EnterReplay(0);
    host.EnterFlycam();
    host.Run("dolly_interpmode 0");
    CameraSnapshot first;
    first.FOV = 90.0f;
    Cam().snapshots->emplace(0, first);
    CameraSnapshot last;
    last.frame = 0; // the field does not advance past the first: no rate from the path
    last.timestamp = 1.0f / 3.0f;
    last.FOV = 90.0f;
    last.location.X = 300.0f;
    Cam().snapshots->emplace(10, last);
    Cam().UpdateLocationStrategy();
    const PathCache& cache = Cam().pathCache;
    ASSERT_EQ(cache.size(), 11u);
    // 3 frames at 30 a second are 0.1 s, which the line reaches at 90.
    EXPECT_EQ(cache[3].frame, 3);
    EXPECT_NEAR(cache[3].location.X, 90.0f, 1e-3f);
    EXPECT_FLOAT_EQ(cache[10].location.X, 300.0f);
}

TEST_F(DollyCamTest, AWaypointTooFarFromThePathIsRefused) {
    TakeAt(0, {0, 0, 0});
    host.Run("dolly_snapshot_override 2000000000");
    EXPECT_EQ(host.LastLine(), kPathSpanMessage);
    EXPECT_EQ(Cam().snapshots->size(), 1u);
    host.SetFrame(1000001);
    host.Run("dolly_snapshot_take");
    EXPECT_EQ(host.LastLine(), kPathSpanMessage);
    EXPECT_EQ(Cam().snapshots->size(), 1u);
    // Exactly the limit is allowed, either way from the path (checked without building a
    // million-frame path cache).
    EXPECT_TRUE(PathSpanAllowsFrame(*Cam().snapshots, 1000000));
    EXPECT_TRUE(PathSpanAllowsFrame(*Cam().snapshots, -1000000));
    EXPECT_FALSE(PathSpanAllowsFrame(*Cam().snapshots, -1000001));
    EXPECT_FALSE(PathSpanAllowsFrame(*Cam().snapshots, std::numeric_limits<int>::min()));
}

// The weight's reset is pinned in snapshot_commands.script.
TEST_F(DollyCamTest, OverrideResetsShapeParametersAndKeepsTheKey) {
    TakeAt(500, {1, 1, 1});
    CameraSnapshot& stored = (*Cam().snapshots)[500];
    stored.v3_bz_has_custom = true;
    stored.v3_bz_ctrl_out = {5, 5, 5};
    host.SetFrame(600);
    host.Run("dolly_snapshot_override 500");
    const CameraSnapshot s = Cam().GetSnapshot(500);
    EXPECT_EQ(s.frame, 500);
    EXPECT_FALSE(s.v3_bz_has_custom);
    EXPECT_EQ(s.v3_bz_ctrl_out, Vector());
    EXPECT_EQ(s.timestamp, 20.0f); // the replay time of frame 600, where it was taken
}

} // namespace
} // namespace Quorvel::Testing
