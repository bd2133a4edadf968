#include "host/World.h"

#include <climits>
#include <cmath>
#include <utility>

#include "corvane/wrappers/CanvasWrapper.h"
#include "host/GameNames.h"
#include "host/Trajectories.h"

namespace Corvane::Host {

namespace {

bool IsFinite(const Vector& v) {
    return std::isfinite(v.X) && std::isfinite(v.Y) && std::isfinite(v.Z);
}

} // namespace

bool GameEventObject::IsLive() const {
    return world != nullptr && (isReplay ? world->InReplay() : world->InGame());
}

World::World(Guard& guard, std::filesystem::path dataFolder)
    : guard(guard), dataFolder(std::move(dataFolder)), events(guard), canvas(camera) {
    camera.world = this;
    ball.world = this;
    for (Actor& car : cars)
        car.world = this;
    replayServer = GameEventObject{this, true};
    gameServer = GameEventObject{this, false};
    director.world = this;
    replay.world = this;
    carList.world = this;
    PlaceActors();
}

// --- Where the player is ---------------------------------------------------------------------

void World::Start(WorldMode newMode, int newFps) {
    mode = newMode;
    fps = newFps;
    frame = 0;
    replayTime.reset();
    paused = false;
    clock = 0.0;
    camera.state = newMode == WorldMode::Replay ? kReplayCameraState : kGameCameraState;
    camera.lockedFov = false;
    PlaceActors();
}

void World::EnterReplay(int newFps, int newFrameCount) {
    Leave();
    frameCount = newFrameCount < 0 ? 0 : newFrameCount;
    Start(WorldMode::Replay, newFps < 0 ? 0 : newFps);
    events.Fire(kReplayInitGameEvent);
}

void World::EnterGame() {
    Leave();
    Start(WorldMode::Game, kDefaultFps);
}

void World::Leave() {
    if (mode == WorldMode::Replay)
        events.Fire(kReplayHudDestroyedEvent);
    mode = WorldMode::Menu;
    paused = false;
}

// --- Replay and clock ------------------------------------------------------------------------

float World::ReplayTimeElapsed() const {
    if (replayTime)
        return *replayTime;
    if (fps <= 0)
        return 0.0f;
    return static_cast<float>(frame) / static_cast<float>(fps);
}

void World::SkipToFrame(int newFrame) {
    frame = newFrame < 0 ? 0 : newFrame;
    replayTime.reset();
    PlaceActors();
}

void World::AdvanceFrame() {
    if (frame < INT_MAX)
        ++frame;
    replayTime.reset();
}

double World::TickSeconds() const {
    const int rate = mode == WorldMode::Replay && fps >= 1 ? fps : kDefaultFps;
    return 1.0 / rate;
}

// --- Ticks -------------------------------------------------------------------------------------

bool World::Tick() {
    cameraWrittenThisTick = false;
    if (mode != WorldMode::Menu) {
        if (mode == WorldMode::Game || !paused)
            AdvanceFrame();
        clock += TickSeconds();
        PlaceActors();
        events.Fire(kReplayUpdatePovEvent);
    }
    Render();
    ++tickCount;
    return cameraWrittenThisTick;
}

void World::Render() {
    shown = CurrentView();
    gui.BeginFrame(canvas.Size(), TickSeconds(), pointer.TakeFrame(), keyboard.TakeFrame());
    if (windowPass)
        windowPass();
    CloseWhatThePluginLeftOpen("the window pass");
    canvas.BeginFrame();
    events.Draw(CanvasWrapper(CanvasAddress()));
    CloseWhatThePluginLeftOpen("the drawables");
    gui.EndFrame();
}

FrameView World::CurrentView() const {
    FrameView view;
    view.rendered = true;
    view.hasCamera = HasCamera();
    view.camera = camera.Pov();
    view.ball = ball.location;
    for (int i = 0; i < carCount; ++i)
        view.cars.push_back({Car(i).location, Car(i).rotation.Yaw});
    view.size = canvas.Size();
    return view;
}

void World::CloseWhatThePluginLeftOpen(const char* where) {
    gui.CloseLeftOpen([&](const std::string& line) {
        guard.Report(std::string("the plugin left ImGui unbalanced in ") + where + ": " + line);
    });
}

// --- Camera, ball and cars ---------------------------------------------------------------------

void World::PlaceCamera(const POV& pov) {
    camera.location = pov.location;
    camera.rotation = pov.rotation;
    camera.fov = pov.fov;
}

void World::SetCarCount(int count) {
    carCount = count < 0 ? 0 : (count > kMaxCars ? kMaxCars : count);
}

void World::PinBall(Vector location) {
    ballPin = location;
    PlaceActors();
}

void World::FreeBall() {
    ballPin.reset();
    PlaceActors();
}

void World::PinCar(int index, Vector location) {
    carPins.at(static_cast<size_t>(index)) = location;
    PlaceActors();
}

void World::FreeCar(int index) {
    carPins.at(static_cast<size_t>(index)).reset();
    PlaceActors();
}

void World::PlaceActors() {
    ball.location = ballPin ? *ballPin : BallPathLocation(frame);
    for (int i = 0; i < kMaxCars; ++i) {
        const auto& pin = carPins[static_cast<size_t>(i)];
        cars[static_cast<size_t>(i)].location = pin ? *pin : CarPathLocation(i, frame);
    }
}

// --- Plugin writes -------------------------------------------------------------------------------

bool World::RefuseNonFinite(bool finite, const char* what) {
    if (!finite)
        guard.Report(std::string("the plugin wrote a non-finite ") + what + "; it was ignored");
    return !finite;
}

void World::NoteWrite(const Actor& actor) {
    if (!IsCamera(actor))
        return;
    ++cameraWrites;
    cameraWrittenThisTick = true;
}

void World::WriteLocation(Actor& actor, Vector location) {
    if (RefuseNonFinite(IsFinite(location), "location"))
        return;
    actor.location = location;
    NoteWrite(actor);
}

void World::WriteRotation(Actor& actor, Rotator rotation) {
    actor.rotation = rotation;
    NoteWrite(actor);
}

void World::WriteFov(Camera& target, float fov) {
    if (RefuseNonFinite(std::isfinite(fov), "field of view"))
        return;
    target.fov = fov;
    NoteWrite(target);
}

void World::WritePov(Camera& target, const POV& pov) {
    if (RefuseNonFinite(IsFinite(pov.location) && std::isfinite(pov.fov), "point of view"))
        return;
    target.location = pov.location;
    target.rotation = pov.rotation;
    target.fov = pov.fov;
    NoteWrite(target);
}

// --- Addresses -----------------------------------------------------------------------------------

std::uintptr_t World::CameraAddress() const {
    return HasCamera() ? AddressOf(static_cast<const Actor&>(camera)) : 0;
}

std::uintptr_t World::ReplayServerAddress() const {
    return InReplay() ? AddressOf(replayServer) : 0;
}

std::uintptr_t World::GameServerAddress() const {
    return InGame() ? AddressOf(gameServer) : 0;
}

std::uintptr_t World::CarAddress(int index) const {
    if (index < 0 || index >= carCount)
        return 0;
    return AddressOf(cars[static_cast<size_t>(index)]);
}

} // namespace Corvane::Host
