// Playback: the smooth clock, frame shift, constant-speed re-timing, target lock and the
// spring, driven frame by frame against a recorder instead of the game camera.

#include <cmath>
#include <cstdint>
#include <functional>
#include <vector>

#include "interp/InterpStrategy.h"
#include "tests/core/EngineFixture.h"

namespace Quorvel::Testing {
namespace {

class PlaybackTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        host.Run("dolly_interpmode 0");
    }

    void AddWaypoint(int frame, float time, Vector location, FloatRotator rotation = {}) {
        CameraSnapshot s;
        s.frame = frame;
        s.timestamp = time;
        s.FOV = 90.0f;
        s.location = location;
        s.rotation = rotation;
        (*engine->snapshots)[frame] = s;
    }
    void Rebuild() {
        engine->UpdateLocationStrategy();
        engine->UpdateRotationStrategy();
    }
    // Jumps to a frame, lets the game clock run `ticks` frames, then applies once.
    bool ApplyAt(int frame, int ticks = 0) {
        host.SetFrame(frame);
        host.Tick(ticks);
        const size_t before = recorder->poses.size();
        engine->Apply();
        return recorder->poses.size() > before;
    }
    const CameraPose& Last() const { return recorder->poses.back(); }
};

// 100 units a second along x: 0 at frame 0 (0 s), 1000 at frame 300 (10 s).
class ClockTest : public PlaybackTest {
protected:
    void SetUp() override {
        PlaybackTest::SetUp();
        AddWaypoint(0, 0.0f, {0, 0, 0});
        AddWaypoint(300, 10.0f, {1000, 0, 0});
        Rebuild();
    }
};

TEST_F(ClockTest, NothingIsWrittenOutsideThePath) {
    AddWaypoint(30, 1.0f, {100, 0, 0});
    engine->snapshots->erase(0);
    Rebuild();
    EXPECT_FALSE(ApplyAt(29));
    EXPECT_TRUE(ApplyAt(30));
    EXPECT_FALSE(ApplyAt(301));
}

bool SamePose(const CameraPose& a, const CameraPose& b) {
    return a.x == b.x && a.y == b.y && a.z == b.z && a.pitch == b.pitch && a.yaw == b.yaw &&
           a.roll == b.roll && a.FOV == b.FOV;
}

TEST_F(ClockTest, APausedReplayHoldsOneSteadyPoseAndThenPlaysOnInStep) {
    ASSERT_TRUE(ApplyAt(90)); // frame time 3.0 s
    EXPECT_NEAR(Last().x, 300.0f, 1e-3f);
    int frame = 90;
    for (const int pauseTicks : {8, 1, 2}) {
        // The replay stands still while the game clock runs a frame at a time: the path time
        // runs one frame period ahead of the frame shown and waits there, on every apply.
        host.Pause();
        std::vector<CameraPose> held;
        for (int tick = 0; tick < pauseTicks; ++tick) {
            host.Tick();
            engine->Apply();
            held.push_back(Last());
            engine->Apply();
            held.push_back(Last());
        }
        EXPECT_NEAR(held.front().x, (frame + 1) * 100.0f / 30.0f, 1e-3f) << frame;
        for (const CameraPose& pose : held)
            EXPECT_TRUE(SamePose(pose, held.front())) << frame << " " << pose.x;
        // Playing again, the next frame is where the camera waited, and the frames after it
        // are where an uninterrupted run puts them.
        host.Play();
        for (const int end = frame + 10; frame < end;) {
            host.Tick();
            engine->Apply();
            ++frame;
            ASSERT_NEAR(Last().x, frame * 100.0f / 30.0f, 1e-3f) << frame;
        }
    }
}

TEST_F(ClockTest, AnHourOfPlaybackNeverDriftsMoreThanOneAndAHalfFrames) {
    engine->snapshots->clear();
    AddWaypoint(0, 0.0f, {0, 0, 0});
    AddWaypoint(108000, 3600.0f, {360000, 0, 0}); // 100 units a second for an hour
    Rebuild();
    ASSERT_TRUE(ApplyAt(0));
    host.Play();
    float worst = 0.0f;
    for (int frame = 1; frame < 108000; frame += 1) {
        host.GetWorld().Tick();
        engine->Apply();
        const float expected = static_cast<float>(frame) * 100.0f / 30.0f;
        worst = std::max(worst, std::fabs(Last().x - expected));
    }
    EXPECT_LE(worst, 100.0f * 1.5f / 30.0f + 1.0f);
}

// Five waypoints, so that every mode uses its own curve rather than a fallback; the last one
// turned and zoomed so that a pose one frame short of it shows.
class PathEndTest : public PlaybackTest {
protected:
    void SetUp() override {
        PlaybackTest::SetUp();
        AddWaypoint(0, 0.0f, {0, 0, 0});
        AddWaypoint(30, 1.0f, {300, 100, 0});
        AddWaypoint(60, 2.0f, {600, 0, 50}, {0, 4000, 0});
        AddWaypoint(90, 3.0f, {900, -100, 50}, {0, 8000, 0});
        AddWaypoint(120, 4.0f, {1200, 0, 100}, {1000, 12000, 0});
        (*engine->snapshots)[120].FOV = 60.0f;
    }
};

// Playback through every waypoint in every mode is pinned in SampleTest.
TEST_F(PathEndTest, ThePathCacheArrivesAtTheLastWaypointInEveryMode) {
    const CameraSnapshot last = engine->snapshots->at(120);
    for (int mode = 0; mode <= 7; ++mode) {
        SCOPED_TRACE("mode " + std::to_string(mode));
        host.Run("dolly_interpmode " + std::to_string(mode));
        Rebuild();
        ASSERT_TRUE(ApplyAt(120));
        ASSERT_EQ(engine->pathCache.size(), 121u);
        const PathCacheSample& sample = engine->pathCache.back();
        EXPECT_EQ(sample.frame, 120);
        // B-spline finds the moment by bisection, to a small fraction of a frame.
        const float near = mode == 5 ? 0.5f : 0.01f;
        EXPECT_NEAR(sample.location.X, last.location.X, near);
        EXPECT_NEAR(sample.location.Y, last.location.Y, near);
        EXPECT_NEAR(sample.location.Z, last.location.Z, near);
        // The sample is the pose at the last waypoint's moment, asked on the last segment.
        const CameraPose pose = engine->locationStrategy->Evaluate(4.0f, 119);
        EXPECT_EQ(pose.x, sample.location.X);
        EXPECT_NEAR(pose.pitch, last.rotation.pitch, 1.0f);
        EXPECT_NEAR(pose.yaw, last.rotation.yaw, 1.0f);
        EXPECT_NEAR(pose.FOV, last.FOV, near);
    }
}

TEST_F(PathEndTest, HeldPastTheEndTheCameraRestsOnTheLastWaypoint) {
    host.Run("dolly_interpmode 0");
    Rebuild();
    ASSERT_TRUE(ApplyAt(120, 100)); // far from the frame time: snaps to it
    // The replay stands at the last frame while the game clock runs on.
    for (int tick = 0; tick < 5; ++tick) {
        host.Tick();
        engine->Apply();
        EXPECT_EQ(Last().x, 1200.0f) << tick;
        EXPECT_EQ(Last().FOV, 60.0f) << tick;
    }
}

// Reversal is pinned by the record it makes (PathTransformsTest) and the rebuild it makes
// (TransformedPathTest).

std::uint64_t DigestOf(const std::vector<CameraPose>& poses) {
    Digest digest;
    for (const CameraPose& pose : poses)
        digest.Add(pose);
    return digest.Value();
}

// While the replay runs frame by frame, with jumps but no pause, playback writes exactly the
// poses it wrote before the paused camera was held steady: the digests and counts of every
// pose written, recorded with that earlier build, in every mode and with every playback
// option. Two applies a frame, as the game's hook and canvas make them.
TEST_F(PlaybackTest, UninterruptedPlaybackWritesThePosesItAlwaysHas) {
    AddWaypoint(15, 0.5f, {0, 0, 100}, {0, 1000, 0});
    AddWaypoint(30, 1.0f, {400, 300, 150}, {-500, 9000, 300});
    AddWaypoint(45, 1.5f, {900, 200, 120}, {200, 20000, -300});
    AddWaypoint(60, 2.0f, {1200, -400, 300}, {800, 31000, 0});
    (*engine->snapshots)[45].FOV = 70.0f;
    CameraSnapshot& custom = (*engine->snapshots)[30];
    custom.v3_bz_has_custom = true;
    custom.v3_bz_ctrl_out = {150, 100, 0};
    custom.v3_bz_ctrl_in = {-100, -50, 0};
    const struct {
        const char* name;
        int location, rotation;
        std::function<void()> option;
        std::uint64_t digest;
        size_t poses;
    } runs[] = {
        {"mode 0", 0, 0, nullptr, 6258027343612510027u, 152},
        {"mode 1", 1, 1, nullptr, 931251672900301548u, 152},
        {"mode 2", 2, 2, nullptr, 17195295302644612682u, 152},
        {"mode 3", 3, 3, nullptr, 11718517607236973845u, 152},
        {"mode 4", 4, 4, nullptr, 14693457833224384600u, 152},
        {"mode 5", 5, 5, nullptr, 17385521760934752181u, 152},
        {"mode 6", 6, 6, nullptr, 17523169909077810016u, 152},
        {"mode 7", 7, 7, nullptr, 923711317215069587u, 152},
        {"location 7, rotation 5", 7, 5, nullptr, 14305234610536522496u, 152},
        {"constant speed", 5, 5, [&] { engine->speedNormalisation = true; }, 726553104587105005u,
         152},
        {"soft follow", 0, 0, [&] { engine->softFollow = true; }, 17088144576604910028u, 152},
        {"aimed at the moving ball", 4, 4, [&] { engine->lockTarget = 1; }, 3838730828874952194u,
         152},
        {"ten frames late", 6, 6, [&] { engine->frameShift = 10; }, 15604252136390496005u, 142},
        {"subdivided twice", 0, 0, [&] { host.Run("dolly_chaikin_degree 2"); },
         7032163432269841875u, 152},
    };
    for (const auto& run : runs) {
        host.Run("dolly_interpmode_location " + std::to_string(run.location));
        host.Run("dolly_interpmode_rotation " + std::to_string(run.rotation));
        host.Run("dolly_chaikin_degree 0");
        engine->speedNormalisation = engine->softFollow = false;
        engine->lockTarget = engine->frameShift = 0;
        if (run.option)
            run.option();
        Rebuild();
        ResetPlaybackClock();
        recorder->poses.clear();
        host.SetFrame(0);
        host.Play();
        bool jumped = false;
        while (host.GetWorld().Frame() < 75) {
            host.Tick();
            if (!jumped && host.GetWorld().Frame() == 50) {
                host.SetFrame(20); // back into the path: the clock restarts there
                jumped = true;
            }
            engine->Apply();
            engine->Apply();
        }
        host.Pause();
        EXPECT_EQ(recorder->poses.size(), run.poses) << run.name;
        EXPECT_EQ(DigestOf(recorder->poses), run.digest) << run.name;
    }
}

TEST_F(PlaybackTest, FrameTimeDoesNotDivideWhenTheNextFrameFieldDoesNotAdvance) {
    AddWaypoint(10, 1.0f, {0, 0, 0});
    AddWaypoint(20, 2.0f, {1000, 0, 0});
    Rebuild();
    ASSERT_TRUE(ApplyAt(15, 100)); // far from the frame time: snaps to it
    EXPECT_NEAR(Last().x, 500.0f, 1e-3f);

    (*engine->snapshots)[20].frame = 5; // the field no longer matches its key
    Rebuild();
    ASSERT_TRUE(ApplyAt(16, 100));
    EXPECT_NEAR(Last().x, 0.0f, 1e-3f); // the earlier waypoint's time
}

TEST_F(PlaybackTest, FrameShiftEvaluatesAnEarlierFrame) {
    AddWaypoint(495, 16.5f, {0, 0, 0});
    AddWaypoint(600, 20.0f, {1050, 0, 0});
    Rebuild();
    engine->frameShift = 10;
    EXPECT_FALSE(ApplyAt(500)); // evaluates frame 490, before the path
    ASSERT_TRUE(ApplyAt(515, 100));
    EXPECT_NEAR(Last().x, 100.0f, 1e-2f); // frame 505, 10 frames into the path
    engine->frameShift = -5;
    ASSERT_TRUE(ApplyAt(500, 100));
    EXPECT_NEAR(Last().x, 100.0f, 1e-2f);
}

TEST_F(PlaybackTest, SingleWaypointIsConsultedOnlyAtItsFrame) {
    host.Run("dolly_interpmode 1"); // N-Bezier has a value at a lone waypoint
    AddWaypoint(40, 2.0f, {5, 6, 7});
    Rebuild();
    EXPECT_FALSE(ApplyAt(39));
    EXPECT_FALSE(ApplyAt(41));
    ASSERT_TRUE(ApplyAt(40, 10));
    EXPECT_EQ(Last().x, 5.0f);
    EXPECT_EQ(Last().FOV, 90.0f);
}

TEST_F(PlaybackTest, ArcLengthTableIsEmptyForDegeneratePaths) {
    engine->speedNormalisation = true;
    AddWaypoint(0, 0.0f, {0, 0, 0});
    Rebuild();
    EXPECT_TRUE(engine->arcLengthTable.empty()); // one waypoint
    // The second waypoint's time and distance, and the table's size.
    const struct {
        float time, x;
        size_t size;
    } rows[] = {{0.0f, 100.0f, 0}, {1.0f, 0.0f, 0}, {1.0f, 100.0f, 2001}};
    for (const auto& row : rows) {
        AddWaypoint(30, row.time, {row.x, 0, 0});
        Rebuild();
        EXPECT_EQ(engine->arcLengthTable.size(), row.size) << row.time << " s, " << row.x;
    }
}

// Constant-speed re-timing is worked through in VariableHandlersTest.
class TargetLockTest : public PlaybackTest {
protected:
    void SetUp() override {
        PlaybackTest::SetUp();
        AddWaypoint(0, 0.0f, {0, 0, 0}, {100, 200, 300});
        AddWaypoint(30, 1.0f, {0, 0, 0}, {100, 200, 300});
        Rebuild();
    }
};

TEST_F(TargetLockTest, AimsAtTheBallFromThePathLocation) {
    engine->lockTarget = 1;
    // The ball, and the pitch and yaw aimed at it; on top of the camera nothing turns.
    const struct {
        Vector ball;
        float pitch, yaw;
    } rows[] = {{{100, 0, 100}, 8192, 0}, {{0, 100, 0}, 0, 16384}, {{0, 0, 0.0001f}, 0, 0}};
    for (const auto& row : rows) {
        host.GetWorld().PinBall(row.ball);
        ASSERT_TRUE(ApplyAt(10));
        EXPECT_NEAR(Last().pitch, row.pitch, 0.01f) << row.ball.Y;
        EXPECT_NEAR(Last().yaw, row.yaw, 0.01f) << row.ball.Y;
        EXPECT_EQ(Last().roll, 0.0f);
        EXPECT_EQ(Last().x, 0.0f); // aiming never moves the camera
    }
    host.Leave(); // only a replay locks
    host.EnterGame();
    host.EnterFlycam();
    ASSERT_TRUE(ApplyAt(10));
    EXPECT_EQ(Last().yaw, 200.0f);
}

TEST_F(TargetLockTest, AimsAtTheChosenCarAndIgnoresMissingOnes) {
    engine->lockTarget = 2;
    engine->lockCarIndex = 1;
    host.GetWorld().PinCar(1, {-100, 0, 0});
    ASSERT_TRUE(ApplyAt(10));
    EXPECT_NEAR(std::fabs(Last().yaw), 32768.0f, 0.01f);

    engine->lockCarIndex = 7; // beyond the four cars: the path's rotation stays
    ASSERT_TRUE(ApplyAt(11));
    EXPECT_EQ(Last().pitch, 100.0f);
    EXPECT_EQ(Last().yaw, 200.0f);
    EXPECT_EQ(Last().roll, 300.0f);
}

TEST_F(PlaybackTest, SoftFollowStartsOnThePathAndLetsGoWhenSwitchedOff) {
    AddWaypoint(0, 0.0f, {0, 0, 0});
    AddWaypoint(300, 10.0f, {1000, 0, 0});
    Rebuild();
    engine->softFollow = true;
    engine->softFollowTension = 5.0f;
    host.Tick(30); // the game clock is at 1 s
    ASSERT_TRUE(ApplyAt(30));
    EXPECT_NEAR(Last().x, 100.0f, 1e-3f); // first step: exactly on the path
    EXPECT_TRUE(engine->softFollowPrimed);
    engine->softFollow = false; // the lag of a step is pinned below
    host.Play();
    host.Tick();
    engine->Apply();
    EXPECT_NEAR(Last().x, 103.333f, 2e-3f);
    EXPECT_EQ(GetPlaybackClock().softFollowLastTime, -1.0f);
}

TEST_F(PlaybackTest, DifferentModesTakeRotationFromTheRotationStrategy) {
    host.Run("dolly_interpmode_rotation 2"); // cosine rotation, linear location
    AddWaypoint(0, 0.0f, {0, 0, 0}, {0, 0, 0});
    AddWaypoint(30, 1.0f, {300, 0, 0}, {0, 1000, 0});
    Rebuild();
    ASSERT_FALSE(engine->sameStrategyMode);
    ASSERT_TRUE(ApplyAt(10, 100)); // a third of the way
    EXPECT_NEAR(Last().x, 100.0f, 1e-3f);
    EXPECT_NEAR(Last().yaw, 250.0f, 0.05f); // (1 - cos(pi / 3)) / 2 = 0.25

    // Catmull-Rom has no value on a path of three waypoints; a rotation strategy that has one
    // must not send the camera to the world origin.
    host.Run("dolly_interpmode_location 4");
    host.Run("dolly_interpmode_rotation 5");
    AddWaypoint(60, 2.0f, {600, 0, 0}, {0, 2000, 0});
    Rebuild();
    EXPECT_FALSE(ApplyAt(10, 100));
}

TEST_F(ClockTest, SoftFollowStepsAsIfNoMoreThanATenthOfASecondHadPassed) {
    // The spring rests at x = 0 (frame 0); the path then stands at x = 500 (frame 150) after
    // the game clock ran for the gap. Each step closes 1 - exp(-tension * dt) of the distance,
    // with dt kept between 0.001 s and 0.1 s.
    engine->softFollow = true;
    engine->softFollowTension = 5.0f;
    const struct {
        int gapTicks; // game frames of 1/30 s
        float dt;
    } rows[] = {{30, 0.1f}, {300, 0.1f}, {1, 1.0f / 30.0f}, {0, 0.001f}};
    for (const auto& row : rows) {
        ResetPlaybackClock();
        engine->softFollowPrimed = false;
        ASSERT_TRUE(ApplyAt(0, 1)); // at game-clock 0 the previous step would count as unset
        ASSERT_EQ(Last().x, 0.0f);
        ASSERT_TRUE(ApplyAt(150, row.gapTicks));
        EXPECT_NEAR(Last().x, 500.0f * (1.0f - std::exp(-5.0f * row.dt)), 0.01f)
            << row.gapTicks << " ticks";
    }
}

// Cubic Hermite location, B-spline rotation: two strategies, and each must follow an edit.
class TransformedPathTest : public PlaybackTest {
protected:
    void SetUp() override {
        PlaybackTest::SetUp();
        host.Run("dolly_interpmode_location 7");
        host.Run("dolly_interpmode_rotation 5");
        AddWaypoint(0, 0.0f, {0, 0, 0}, {0, 2000, 100});
        AddWaypoint(30, 1.0f, {300, 200, 0}, {500, 12000, 0});
        AddWaypoint(60, 2.0f, {600, 0, 100}, {-500, 20000, -100});
        AddWaypoint(90, 3.0f, {900, -200, 0}, {0, 26000, 0});
        Rebuild();
    }
};

TEST_F(TransformedPathTest, PlaybackTurnsAsTheEditedPathDoes) {
    ASSERT_FALSE(engine->sameStrategyMode);
    for (const int axis : {0, 1, -1, 2}) { // -1: reverse
        const std::string name = axis < 0 ? "reverse" : "mirror " + std::to_string(axis);
        if (axis < 0)
            engine->ReversePath();
        else
            engine->MirrorPath(axis, true);
        for (const int frame : {30, 60}) {
            ASSERT_TRUE(ApplyAt(frame, 100)) << name;
            const CameraSnapshot& waypoint = engine->snapshots->at(frame);
            EXPECT_NEAR(Last().x, waypoint.location.X, 0.01f) << name << " " << frame;
            EXPECT_NEAR(Last().y, waypoint.location.Y, 0.01f) << name << " " << frame;
            EXPECT_NEAR(Last().pitch, waypoint.rotation.pitch, 2.0f) << name << " " << frame;
            EXPECT_NEAR(Last().yaw, waypoint.rotation.yaw, 2.0f) << name << " " << frame;
            EXPECT_NEAR(Last().roll, waypoint.rotation.roll, 2.0f) << name << " " << frame;
        }
    }
}

} // namespace
} // namespace Quorvel::Testing
