// The simulated world as a plugin sees it through GameWrapper and the wrappers it hands out,
// and its canvas.

#include "host/World.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <sstream>

#include "corvane/CorvaneSDK.h"
#include "host/GameNames.h"

namespace Corvane::Host {
namespace {

class WorldTest : public testing::Test {
protected:
    std::ostringstream errors;
    Guard guard{errors};
    World world{guard, "/tmp/world-test-data"};
    GameWrapper game{world.Address()};
    std::vector<std::string> events;

    void RecordEvents() {
        for (const char* name :
             {kReplayInitGameEvent, kReplayHudDestroyedEvent, kReplayUpdatePovEvent})
            world.GetEvents().Hook(name, [this](std::string n) { events.push_back(n); });
    }
    void Ticks(int count) {
        for (int i = 0; i < count; ++i)
            world.Tick();
    }
    ReplayServerWrapper Replay() { return game.GetGameEventAsReplay(); }
};

TEST_F(WorldTest, ReplayAdvancesOneFramePerTickAtItsRate) {
    struct {
        int fps, ticks;
        float replayTime, seconds;
    } const cases[] = {{30, 45, 1.5f, 1.5f},
                       {0, 30, 0.0f, 1.0f},
                       {30, 30 * 3600, 3600.0f, 3600.0f}}; // the clock does not drift
    for (const auto& c : cases) {
        world.EnterReplay(c.fps);
        Ticks(c.ticks);
        EXPECT_EQ(Replay().GetReplayFPS(), c.fps);
        EXPECT_EQ(Replay().GetCurrentReplayFrame(), c.ticks);
        EXPECT_EQ(Replay().GetReplayTimeElapsed(), c.replayTime) << c.fps;
        EXPECT_NEAR(Replay().GetSecondsElapsed(), c.seconds, 1e-6f) << c.fps;
    }
    Replay().SkipToFrame(-7);
    EXPECT_EQ(Replay().GetCurrentReplayFrame(), 0);
}

// The replay's length is read back by dolly_replayinfo in snapshot_commands.script.
TEST_F(WorldTest, AReplayHasFourCarsAndALiveGameNoLength) {
    world.EnterReplay(60, 1200);
    EXPECT_FALSE(Replay().GetCars().Get(3).IsNull());
    EXPECT_TRUE(Replay().GetCars().Get(4).IsNull());
    EXPECT_TRUE(Replay().GetCars().Get(-1).IsNull());
    world.EnterGame();
    EXPECT_EQ(Replay().GetReplayFrameCount(), 0); // a live game is no replay
}

TEST_F(WorldTest, UpdatePovFiresWhereThereIsACameraAndEnteringAReplayRestartsIt) {
    RecordEvents();
    int draws = 0;
    world.GetEvents().AddDrawable([&](CanvasWrapper) { ++draws; });
    Ticks(2); // the menu only draws
    world.EnterGame();
    world.SetPaused(true); // no effect in a live game
    Ticks(3);
    EXPECT_EQ(world.Frame(), 3);
    world.Leave(); // no Destroyed: not a replay
    EXPECT_EQ(events, std::vector<std::string>(3, kReplayUpdatePovEvent));
    EXPECT_EQ(draws, 5);
    world.EnterReplay(30);
    Ticks(10);
    world.SetPaused(true);
    world.SetCameraState(kFlyCameraState);
    events.clear();
    world.EnterReplay(30);
    EXPECT_EQ(events, (std::vector<std::string>{kReplayHudDestroyedEvent, kReplayInitGameEvent}));
    EXPECT_EQ(world.Frame(), 0);
    EXPECT_EQ(world.SecondsElapsed(), 0.0f);
    EXPECT_FALSE(world.Paused());
    EXPECT_EQ(game.GetCamera().GetCameraState(), kReplayCameraState);
}

TEST_F(WorldTest, NullWrappersAndOnesKeptFromAnEndedReplayReadDefaultsAndIgnoreWrites) {
    world.EnterReplay();
    world.SkipToFrame(50);
    const ReplayServerWrapper keptReplay = Replay();
    const CameraWrapper keptCamera = game.GetCamera();
    world.Leave();
    for (ReplayServerWrapper replay : {ReplayServerWrapper(), keptReplay}) {
        replay.SkipToFrame(5);
        EXPECT_EQ(replay.GetCurrentReplayFrame(), 0);
        EXPECT_EQ(replay.GetBall().GetLocation(), Vector());
        EXPECT_TRUE(replay.GetCars().Get(0).IsNull());
        EXPECT_EQ(replay.GetReplayDirector().GetReplay().GetCurrentFrame(), 0);
    }
    for (CameraWrapper camera : {CameraWrapper(), keptCamera}) {
        camera.SetPOV(POV{{1, 2, 3}, {4, 5, 6}, 70});
        camera.SetLocation({1, 2, 3});
        EXPECT_EQ(camera.GetLocation(), Vector());
        EXPECT_EQ(camera.GetFOV(), 0.0f);
        EXPECT_TRUE(camera.GetCameraAsActor().IsNull());
    }
    EXPECT_EQ(world.Frame(), 50);
    EXPECT_EQ(world.CameraWriteCount(), 0);
    GameWrapper nullGame;
    EXPECT_TRUE(nullGame.GetCamera().IsNull());
    nullGame.HookEvent("x", [](std::string) {});
    nullGame.UnregisterDrawables();
    EXPECT_FALSE(guard.Faulted());
}

TEST_F(WorldTest, NonFiniteCameraWritesAreRefusedAsAFault) {
    world.EnterReplay();
    world.PlaceCamera(POV{{1, 2, 3}, {}, 90}); // the host's own move: not a plugin write
    CameraWrapper camera = game.GetCamera();
    camera.SetLocation({std::nanf(""), 0, 0});
    camera.SetFOV(INFINITY);
    camera.SetPOV(POV{{0, 0, 0}, {}, std::nanf("")});
    EXPECT_EQ(guard.FaultCount(), 3);
    EXPECT_EQ(guard.FirstFault(), "the plugin wrote a non-finite location; it was ignored");
    EXPECT_EQ(world.GetCamera().Pov().location, Vector(1, 2, 3));
    EXPECT_EQ(world.GetCamera().fov, 90.0f);
    EXPECT_EQ(world.CameraWriteCount(), 0);
    camera.GetCameraAsActor().SetLocation({5, 6, 7}); // the same camera
    EXPECT_EQ(camera.GetLocation(), Vector(5, 6, 7));
    EXPECT_EQ(world.CameraWriteCount(), 1);
}

// --- The canvas: projection through the camera, and the record of drawing calls ----------

constexpr int kQuarterTurn = 16384; // rotator units
constexpr int kEighthTurn = 8192;

struct ProjectCase {
    const char* name;
    Vector location;
    Rotator rotation;
    float fov;
    Vector point;
    bool inFront;
    Vector2 screen;
};

// Canvas 1280 x 720. With a 90-degree horizontal FOV the focal length is 640 pixels, so a
// point at 45 degrees lands on the left or right edge.
const ProjectCase kProjectCases[] = {
    {"StraightAheadAtCentre", {}, {}, 90, {1000, 0, 0}, true, {640, 360}},
    {"RightEdgeAt45Degrees", {}, {}, 90, {1000, 1000, 0}, true, {1280, 360}},
    // Yaw 90 degrees looks along +Y; the image's right is then -X.
    {"YawLooksAlongY", {}, {0, kQuarterTurn, 0}, 90, {0, 1000, 0}, true, {640, 360}},
    {"YawRightIsMinusX", {}, {0, kQuarterTurn, 0}, 90, {-1000, 1000, 0}, true, {1280, 360}},
    // Looking up 45 degrees along +Y the image's right is -X: 1000 right at 1414 ahead.
    {"PitchAndYaw", {}, {kEighthTurn, kQuarterTurn, 0}, 90, {-1e3, 1e3, 1e3}, true, {1093, 360}},
    // Rolled a quarter turn clockwise, the camera's right points down and its up along +Y.
    {"RollRaisesWhatIsOnTheRight", {}, {0, 0, kQuarterTurn}, 90, {1000, 500, 0}, true, {640, 40}},
    {"RollMovesWhatIsAboveLeft", {}, {0, 0, kQuarterTurn}, 90, {1000, 0, 500}, true, {320, 360}},
    {"FromTheCameraLocation", {500, -200, 100}, {}, 90, {1500, 800, 100}, true, {1280, 360}},
    // 10 units at 1000 ahead with FOV 30 is 10/1000 * 640/tan(15deg) right of the centre.
    {"NarrowFovMagnifies", {}, {}, 30, {1000, 10, 0}, true, {664, 360}},
    {"InvalidFovCountsAsNinety", {}, {}, 0, {1000, 1000, 0}, true, {1280, 360}},
    {"BehindTheCamera", {}, {}, 90, {-1000, 10, 10}, false, {0, 0}},
};

TEST(CanvasTest, ProjectsThroughTheCamera) {
    for (const ProjectCase& c : kProjectCases) {
        Camera camera;
        camera.location = c.location;
        camera.rotation = c.rotation;
        camera.fov = c.fov;
        Canvas canvas(camera);
        EXPECT_EQ(canvas.Project(c.point), c.screen) << c.name;
        ASSERT_EQ(canvas.Projections().size(), 1u);
        EXPECT_EQ(canvas.Projections()[0].inFront, c.inFront) << c.name;
        EXPECT_EQ(canvas.Projections()[0].point, c.point);
    }
}

TEST(CanvasTest, ProjectionFollowsTheCanvasSizeAndSaturates) {
    Camera camera;
    Canvas canvas(camera);
    canvas.SetSize(800, 600);
    EXPECT_EQ(canvas.Project({1000, 0, 0}), Vector2(400, 300));
    EXPECT_EQ(canvas.Project({1000, 1000, 0}), Vector2(800, 300));
    EXPECT_EQ(canvas.Project({1e-30f, 1e6f, 0}).X, INT_MAX);
    EXPECT_EQ(canvas.Project({1e-30f, -1e6f, 0}).X, INT_MIN);
    EXPECT_EQ(canvas.Project({std::nanf(""), 0, 0}), Vector2(0, 0));
    EXPECT_FALSE(canvas.Projections().back().inFront);
    canvas.SetSize(0, -5);
    EXPECT_EQ(canvas.Size(), Vector2(1, 1));
}

TEST(CanvasTest, RecordsCallsWithTheColourAndPositionKeptAcrossFrames) {
    Camera camera;
    Canvas canvas(camera);
    canvas.SetColor({1, 2, 3, 4});
    canvas.SetPosition({10, 20});
    canvas.DrawLine({0, 0}, {5, 5});
    canvas.DrawLine({1, 1}, {6, 6}, 1.5f);
    const auto& calls = canvas.Calls();
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_FALSE(calls[2].hasWidth);
    EXPECT_TRUE(calls[3].hasWidth);
    EXPECT_EQ(calls[3].width, 1.5f);
    canvas.Project({1, 0, 0});
    canvas.BeginFrame();
    EXPECT_TRUE(canvas.Projections().empty());
    canvas.FillBox({7, 8});
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].size, Vector2(7, 8));
    EXPECT_EQ(calls[0].position, Vector2(10, 20));
    EXPECT_EQ(calls[0].color, (CanvasColor{1, 2, 3, 4}));
}

} // namespace
} // namespace Corvane::Host
