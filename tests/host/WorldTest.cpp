// The simulated world as a plugin sees it through GameWrapper and the wrappers it hands out.

#include "host/World.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>

#include "corvane/CorvaneSDK.h"
#include "host/GameNames.h"
#include "host/Trajectories.h"

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
};

TEST_F(WorldTest, ReplayClockAdvancesOneFramePerTick) {
    world.EnterReplay(30);
    ReplayServerWrapper replay = game.GetGameEventAsReplay();
    ASSERT_FALSE(replay.IsNull());
    EXPECT_EQ(replay.GetCurrentReplayFrame(), 0);
    Ticks(45);
    EXPECT_EQ(replay.GetCurrentReplayFrame(), 45);
    EXPECT_EQ(replay.GetReplayTimeElapsed(), 1.5f);
    EXPECT_NEAR(replay.GetSecondsElapsed(), 1.5f, 1e-6f);
    EXPECT_EQ(replay.GetReplayFPS(), 30);
}

TEST_F(WorldTest, PausedReplayKeepsItsFrameWhileTheGameClockRuns) {
    world.EnterReplay(30);
    Ticks(30);
    world.SetPaused(true);
    ServerWrapper server = game.GetGameEventAsReplay();
    Ticks(15);
    EXPECT_EQ(game.GetGameEventAsReplay().GetCurrentReplayFrame(), 30);
    EXPECT_EQ(game.GetGameEventAsReplay().GetReplayTimeElapsed(), 1.0f);
    EXPECT_NEAR(server.GetSecondsElapsed(), 1.5f, 1e-6f);
    world.SetPaused(false);
    world.Tick();
    EXPECT_EQ(game.GetGameEventAsReplay().GetCurrentReplayFrame(), 31);
}

TEST_F(WorldTest, GameClockDoesNotDriftOverAnHour) {
    world.EnterReplay(30);
    Ticks(30 * 3600);
    EXPECT_EQ(game.GetGameEventAsReplay().GetSecondsElapsed(), 3600.0f);
    EXPECT_EQ(game.GetGameEventAsReplay().GetReplayTimeElapsed(), 3600.0f);
}

TEST_F(WorldTest, FrameRateSetsTheTickLengthAndTheElapsedTime) {
    world.EnterReplay(60);
    Ticks(90);
    EXPECT_EQ(game.GetGameEventAsReplay().GetReplayTimeElapsed(), 1.5f);
    EXPECT_NEAR(game.GetGameEventAsReplay().GetSecondsElapsed(), 1.5f, 1e-6f);
}

TEST_F(WorldTest, ZeroFrameRateIsSurvivable) {
    world.EnterReplay(0);
    Ticks(30);
    ReplayServerWrapper replay = game.GetGameEventAsReplay();
    EXPECT_EQ(replay.GetReplayFPS(), 0);
    EXPECT_EQ(replay.GetCurrentReplayFrame(), 30);
    EXPECT_EQ(replay.GetReplayTimeElapsed(), 0.0f);
    EXPECT_NEAR(replay.GetSecondsElapsed(), 1.0f, 1e-6f);
}

TEST_F(WorldTest, SkipToFrameMovesTheReplayAndItsTime) {
    world.EnterReplay(30);
    ReplayServerWrapper replay = game.GetGameEventAsReplay();
    replay.SkipToFrame(450);
    EXPECT_EQ(replay.GetCurrentReplayFrame(), 450);
    EXPECT_EQ(replay.GetReplayTimeElapsed(), 15.0f);
    EXPECT_EQ(replay.GetSecondsElapsed(), 0.0f); // the game clock does not jump
    replay.SkipToFrame(-7);
    EXPECT_EQ(replay.GetCurrentReplayFrame(), 0);
}

TEST_F(WorldTest, SetReplayTimeHoldsUntilTheFrameChanges) {
    world.EnterReplay(30);
    world.SkipToFrame(30);
    world.SetReplayTime(2.25f);
    EXPECT_EQ(game.GetGameEventAsReplay().GetReplayTimeElapsed(), 2.25f);
    world.Tick();
    EXPECT_EQ(game.GetGameEventAsReplay().GetReplayTimeElapsed(), 31.0f / 30.0f);
}

TEST_F(WorldTest, EnteringAReplayRestartsItAndFiresInitGame) {
    RecordEvents();
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

TEST_F(WorldTest, LeavingFiresDestroyedOnlyForAReplay) {
    RecordEvents();
    world.EnterGame();
    world.Leave();
    EXPECT_TRUE(events.empty());
    world.EnterReplay();
    world.EnterGame();
    EXPECT_EQ(events, (std::vector<std::string>{kReplayInitGameEvent, kReplayHudDestroyedEvent}));
}

TEST_F(WorldTest, UpdatePovFiresEveryTickWhereThereIsACamera) {
    RecordEvents();
    int draws = 0;
    world.GetEvents().AddDrawable([&](CanvasWrapper) { ++draws; });
    Ticks(2);
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(draws, 2);
    world.EnterGame();
    world.SetPaused(true); // no effect in a live game
    Ticks(3);
    EXPECT_EQ(events, std::vector<std::string>(3, kReplayUpdatePovEvent));
    EXPECT_EQ(draws, 5);
}

TEST_F(WorldTest, LiveGameHasACameraAServerAndAFrameButNoReplay) {
    world.EnterGame();
    Ticks(12);
    EXPECT_TRUE(game.IsInGame());
    EXPECT_FALSE(game.IsInReplay());
    EXPECT_TRUE(game.GetGameEventAsReplay().IsNull());
    ServerWrapper server = game.GetGameEventAsServer();
    ASSERT_FALSE(server.IsNull());
    EXPECT_EQ(server.GetReplayDirector().GetReplay().GetCurrentFrame(), 12);
    EXPECT_NEAR(server.GetSecondsElapsed(), 0.4f, 1e-6f);
    EXPECT_FALSE(game.GetCamera().IsNull());
    EXPECT_EQ(game.GetCamera().GetCameraState(), kGameCameraState);
}

TEST_F(WorldTest, OutsideReplayAndGameThereIsNoCameraAndNoEvent) {
    EXPECT_FALSE(game.IsInReplay());
    EXPECT_FALSE(game.IsInGame());
    EXPECT_TRUE(game.GetCamera().IsNull());
    EXPECT_TRUE(game.GetGameEventAsReplay().IsNull());
    EXPECT_TRUE(game.GetGameEventAsServer().IsNull());
    EXPECT_EQ(game.GetDataFolder(), std::filesystem::path("/tmp/world-test-data"));
}

TEST_F(WorldTest, WrappersKeptFromAnEndedReplayReadAsNull) {
    world.EnterReplay();
    world.SkipToFrame(50);
    ReplayServerWrapper replay = game.GetGameEventAsReplay();
    CameraWrapper camera = game.GetCamera();
    ReplayWrapper frames = replay.GetReplayDirector().GetReplay();
    world.Leave();
    EXPECT_EQ(replay.GetCurrentReplayFrame(), 0);
    EXPECT_EQ(frames.GetCurrentFrame(), 0);
    EXPECT_TRUE(replay.GetBall().IsNull());
    replay.SkipToFrame(10);
    camera.SetLocation({1, 2, 3});
    EXPECT_EQ(world.Frame(), 50);
    EXPECT_EQ(world.GetCamera().location, Vector());
    EXPECT_EQ(world.CameraWriteCount(), 0);
}

TEST_F(WorldTest, NullWrappersReturnDefaultsAndIgnoreWrites) {
    CameraWrapper camera;
    camera.SetPOV(POV{{1, 2, 3}, {4, 5, 6}, 70});
    camera.SetFOV(20);
    camera.SetLockedFOV(true);
    EXPECT_EQ(camera.GetLocation(), Vector());
    EXPECT_EQ(camera.GetRotation(), Rotator());
    EXPECT_EQ(camera.GetFOV(), 0.0f);
    EXPECT_EQ(camera.GetCameraState(), "");
    EXPECT_TRUE(camera.GetCameraAsActor().IsNull());

    ReplayServerWrapper replay;
    replay.SkipToFrame(5);
    EXPECT_EQ(replay.GetCurrentReplayFrame(), 0);
    EXPECT_EQ(replay.GetReplayFPS(), 0);
    EXPECT_EQ(replay.GetSecondsElapsed(), 0.0f);
    EXPECT_TRUE(replay.GetBall().IsNull());
    EXPECT_EQ(replay.GetBall().GetLocation(), Vector());
    EXPECT_EQ(replay.GetCars().Count(), 0);
    EXPECT_TRUE(replay.GetCars().Get(0).IsNull());
    EXPECT_TRUE(replay.GetReplayDirector().IsNull());
    EXPECT_EQ(replay.GetReplayDirector().GetReplay().GetCurrentFrame(), 0);

    GameWrapper nullGame;
    EXPECT_FALSE(nullGame.IsInReplay());
    EXPECT_TRUE(nullGame.GetCamera().IsNull());
    EXPECT_EQ(nullGame.GetDataFolder(), std::filesystem::path());
    nullGame.HookEvent("x", [](std::string) {});
    nullGame.UnregisterDrawables();
    EXPECT_FALSE(guard.Faulted());
}

TEST_F(WorldTest, PluginCameraWritesAreCountedPerTick) {
    world.EnterReplay();
    CameraWrapper camera = game.GetCamera();
    bool write = false;
    world.GetEvents().Hook(kReplayUpdatePovEvent, [&](std::string) {
        if (write)
            camera.SetPOV(POV{{10, 20, 30}, {100, 200, 300}, 80});
    });
    EXPECT_FALSE(world.Tick());
    write = true;
    EXPECT_TRUE(world.Tick());
    EXPECT_EQ(world.GetCamera().Pov().location, Vector(10, 20, 30));
    EXPECT_EQ(world.GetCamera().fov, 80.0f);
    write = false;
    EXPECT_FALSE(world.Tick());
    world.PlaceCamera(POV{{0, 0, 0}, {}, 90}); // the host's own move is not a plugin write
    EXPECT_EQ(world.CameraWriteCount(), 1);
}

TEST_F(WorldTest, CameraAsActorWritesTheSameCamera) {
    world.EnterReplay();
    ActorWrapper actor = game.GetCamera().GetCameraAsActor();
    ASSERT_FALSE(actor.IsNull());
    actor.SetLocation({5, 6, 7});
    EXPECT_EQ(game.GetCamera().GetLocation(), Vector(5, 6, 7));
    EXPECT_EQ(world.CameraWriteCount(), 1);
}

TEST_F(WorldTest, NonFiniteCameraWritesAreRefusedAsAFault) {
    world.EnterReplay();
    world.PlaceCamera(POV{{1, 2, 3}, {}, 90});
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    CameraWrapper camera = game.GetCamera();
    camera.SetLocation({nan, 0, 0});
    camera.SetFOV(inf);
    camera.SetPOV(POV{{0, 0, 0}, {}, nan});
    EXPECT_EQ(guard.FaultCount(), 3);
    EXPECT_EQ(guard.FirstFault(), "the plugin wrote a non-finite location; it was ignored");
    EXPECT_EQ(world.GetCamera().Pov().location, Vector(1, 2, 3));
    EXPECT_EQ(world.GetCamera().fov, 90.0f);
    EXPECT_EQ(world.CameraWriteCount(), 0);
}

TEST_F(WorldTest, BallAndCarsFollowTheirPathsWithTheFrame) {
    world.EnterReplay();
    BallWrapper ball = game.GetGameEventAsReplay().GetBall();
    const Vector atZero = ball.GetLocation();
    world.SkipToFrame(40);
    EXPECT_EQ(ball.GetLocation(), BallPathLocation(40));
    EXPECT_NE(ball.GetLocation(), atZero);
    EXPECT_GE(ball.GetLocation().Z, 93.0f); // never below the floor
    CarWrapper car = game.GetGameEventAsReplay().GetCars().Get(2);
    EXPECT_EQ(car.GetLocation(), CarPathLocation(2, 40));
    EXPECT_NEAR(std::hypot(car.GetLocation().X, car.GetLocation().Y), 2000.0f, 0.01f);
}

TEST_F(WorldTest, PinnedActorsStayUntilFreed) {
    world.EnterReplay();
    world.PinBall({1, 2, 3});
    world.PinCar(1, {4, 5, 6});
    world.Tick();
    world.SkipToFrame(77);
    ServerWrapper server = game.GetGameEventAsReplay();
    EXPECT_EQ(server.GetBall().GetLocation(), Vector(1, 2, 3));
    EXPECT_EQ(server.GetCars().Get(1).GetLocation(), Vector(4, 5, 6));
    world.FreeBall();
    world.FreeCar(1);
    EXPECT_EQ(server.GetBall().GetLocation(), BallPathLocation(77));
    EXPECT_EQ(server.GetCars().Get(1).GetLocation(), CarPathLocation(1, 77));
}

TEST_F(WorldTest, CarListHoldsTheChosenNumberOfCars) {
    world.EnterReplay();
    ArrayWrapper<CarWrapper> cars = game.GetGameEventAsReplay().GetCars();
    EXPECT_EQ(cars.Count(), 4);
    EXPECT_FALSE(cars.Get(3).IsNull());
    EXPECT_TRUE(cars.Get(4).IsNull());
    EXPECT_TRUE(cars.Get(-1).IsNull());
    world.SetCarCount(12);
    EXPECT_EQ(cars.Count(), 8);
    EXPECT_FALSE(cars.Get(7).IsNull());
    world.SetCarCount(0);
    EXPECT_EQ(cars.Count(), 0);
    EXPECT_TRUE(cars.Get(0).IsNull());
}

TEST_F(WorldTest, DrawablesGetTheCanvasAndCanBeRemovedWhileDrawing) {
    world.EnterReplay();
    int draws = 0;
    world.GetEvents().AddDrawable([&](CanvasWrapper canvas) {
        ++draws;
        EXPECT_EQ(canvas.GetSize(), Vector2(1920, 1080));
        canvas.FillBox({2, 2});
        game.UnregisterDrawables();
    });
    Ticks(3);
    EXPECT_EQ(draws, 1);
    EXPECT_TRUE(world.GetCanvas().Calls().empty()); // the later frames drew nothing
}

TEST_F(WorldTest, ExceptionsFromHooksAndDrawablesAreContained) {
    world.EnterReplay();
    world.GetEvents().Hook(kReplayUpdatePovEvent,
                           [](std::string) { throw std::runtime_error("pov"); });
    world.GetEvents().AddDrawable([](CanvasWrapper) { throw std::runtime_error("draw"); });
    world.Tick();
    EXPECT_EQ(guard.FaultCount(), 2);
    EXPECT_EQ(guard.FirstFault(),
              "exception escaped from the hook of Function TAGame.CameraState_Replay_TA.UpdatePOV: "
              "pov");
    EXPECT_NE(errors.str().find("exception escaped from a drawable: draw"), std::string::npos);
}

} // namespace
} // namespace Corvane::Host
