#pragma once
// The simulated game: where the player is (menu, replay or live game), the replay's frames
// and rate, the game clock, the camera, the ball and the cars, the events and the canvas.
//
// Units: frames; seconds; world units (Z up); rotator units (65536 a turn); degrees of FOV.
//
// Replay: starts at frame 0 and playing. Its elapsed time is frame / fps, unless set with
// SetReplayTime, which holds until the frame changes. It reports a length in frames, which
// playing and jumping are not held to. A rate of 0 is accepted (a plugin must survive it):
// the elapsed time is then 0 and the clock runs as at 30 fps.
// Game clock (GetSecondsElapsed): restarts at 0 on entering a replay or a game and advances
// 1 / fps each tick (1 / 30 in a live game), also while the replay is paused.
// Live game: its frame (GetReplayDirector().GetReplay().GetCurrentFrame()) starts at 0 and
// advances every tick; pausing applies to replays only.
// GetGameEventAsServer is the live game's server only: null in a replay, whose server is
// GetGameEventAsReplay.
// Menu (neither): no camera, no game event; ticks only render.
// Rendering is one frame of the host's ImGui context (host/GuiContext.h), fed the canvas size,
// the tick's seconds, the pointer and the keyboard (host/PointerInput.h, host/KeyboardInput.h):
// after ImGui's frame starts, the window pass (the session's: it hands the plugin the context and
// draws its window), then the drawables on a fresh canvas frame, then ImGui renders. Whatever the
// plugin leaves open in ImGui is closed and reported as a plugin fault.

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "host/Actors.h"
#include "host/Canvas.h"
#include "host/Events.h"
#include "host/FrameView.h"
#include "host/Guard.h"
#include "host/GuiContext.h"
#include "host/KeyboardInput.h"
#include "host/PointerInput.h"

namespace Corvane::Host {

class World;

// The objects behind the game-event wrappers. Each one only leads back to the world; it
// answers as a null object once the world has left the mode it belongs to, so a wrapper a
// plugin kept from an earlier replay reads defaults instead of another replay's state.
struct GameEventObject {
    World* world = nullptr;
    bool isReplay = false;
    bool IsLive() const;
};
struct ReplayDirectorObject {
    World* world = nullptr;
};
struct ReplayObject {
    World* world = nullptr;
};
struct CarListObject {
    World* world = nullptr;
};

enum class WorldMode { Menu, Replay, Game };

class World {
public:
    static constexpr int kMaxCars = 8;
    static constexpr int kDefaultCars = 4;
    static constexpr int kDefaultFps = 30;
    static constexpr int kDefaultReplayFrames = 9000; // five minutes at 30 fps

    World(Guard& guard, std::filesystem::path dataFolder);
    World(const World&) = delete;
    World& operator=(const World&) = delete;

    // --- Where the player is ------------------------------------------------------------
    WorldMode Mode() const { return mode; }
    bool InReplay() const { return mode == WorldMode::Replay; }
    bool InGame() const { return mode == WorldMode::Game; }
    // Leaves any replay first, then enters a new one at frame 0 and fires InitGame.
    void EnterReplay(int fps = kDefaultFps, int frameCount = kDefaultReplayFrames);
    void EnterGame();
    // Fires the replay HUD's Destroyed event when leaving a replay.
    void Leave();

    // --- Replay and clock -----------------------------------------------------------------
    int Frame() const { return frame; }
    int Fps() const { return fps; }
    int FrameCount() const { return frameCount; }
    float ReplayTimeElapsed() const;
    float SecondsElapsed() const { return static_cast<float>(clock); }
    // Negative frames become 0.
    void SkipToFrame(int newFrame);
    void SetReplayTime(float seconds) { replayTime = seconds; }
    void SetPaused(bool paused) { this->paused = paused; }
    bool Paused() const { return paused; }

    // --- Ticks ------------------------------------------------------------------------------
    // One game frame: advance the frame (unless paused) and the clock, move the ball and
    // cars, fire UpdatePOV (when there is a camera), then render. Returns whether the
    // plugin wrote the camera during it.
    bool Tick();
    long TickCount() const { return tickCount; }
    // One ImGui frame with the window pass and the drawables (see above).
    void Render();
    // The last rendered frame, for its picture (host/Picture.h).
    const FrameView& Shown() const { return shown; }
    // Seconds of game time a tick takes: 1 / fps in a replay, 1 / 30 otherwise.
    double TickSeconds() const;
    // Runs in every frame between the start of ImGui's frame and the drawables.
    void SetWindowPass(std::function<void()> pass) { windowPass = std::move(pass); }

    // --- Camera -----------------------------------------------------------------------------
    // The camera exists in a replay and in a live game.
    bool HasCamera() const { return mode != WorldMode::Menu; }
    const Camera& GetCamera() const { return camera; }
    // Host-side moves (script directives); they do not count as plugin writes.
    void PlaceCamera(const POV& pov);
    void SetCameraState(const std::string& state) { camera.state = state; }
    long CameraWriteCount() const { return cameraWrites; }

    // --- Ball and cars --------------------------------------------------------------------
    const Actor& Ball() const { return ball; }
    const Actor& Car(int index) const { return cars.at(static_cast<size_t>(index)); }
    int CarCount() const { return carCount; }
    void SetCarCount(int count); // limited to [0, kMaxCars]
    // A pinned actor stays at its location until freed; a free one follows its path.
    void PinBall(Vector location);
    void FreeBall();
    void PinCar(int index, Vector location);
    void FreeCar(int index);

    // --- Plugin writes through the wrappers -------------------------------------------------
    // Non-finite values are refused and reported as a plugin fault.
    void WriteLocation(Actor& actor, Vector location);
    void WriteRotation(Actor& actor, Rotator rotation);
    void WriteFov(Camera& target, float fov);
    void WritePov(Camera& target, const POV& pov);

    // --- Services -------------------------------------------------------------------------
    Events& GetEvents() { return events; }
    Canvas& GetCanvas() { return canvas; }
    const Canvas& GetCanvas() const { return canvas; }
    GuiContext& Gui() { return gui; }
    const GuiContext& Gui() const { return gui; }
    PointerInput& Pointer() { return pointer; }
    KeyboardInput& Keyboard() { return keyboard; }
    Guard& GetGuard() const { return guard; }
    const std::filesystem::path& DataFolder() const { return dataFolder; }

    // --- Addresses handed to wrappers (0 when the object does not exist now) ---------------
    std::uintptr_t Address() const { return reinterpret_cast<std::uintptr_t>(this); }
    std::uintptr_t CameraAddress() const;
    std::uintptr_t ReplayServerAddress() const;
    std::uintptr_t GameServerAddress() const;
    std::uintptr_t BallAddress() const { return AddressOf(ball); }
    std::uintptr_t CarAddress(int index) const;
    std::uintptr_t CarListAddress() const { return AddressOf(carList); }
    std::uintptr_t ReplayDirectorAddress() const { return AddressOf(director); }
    std::uintptr_t ReplayAddress() const { return AddressOf(replay); }
    std::uintptr_t CanvasAddress() const { return AddressOf(canvas); }
    static World* FromAddress(std::uintptr_t address) { return reinterpret_cast<World*>(address); }
    template <typename T> static std::uintptr_t AddressOf(const T& object) {
        return reinterpret_cast<std::uintptr_t>(&object);
    }

private:
    void Start(WorldMode newMode, int newFps);
    void AdvanceFrame();
    void CloseWhatThePluginLeftOpen(const char* where);
    FrameView CurrentView() const;
    void PlaceActors();
    bool IsCamera(const Actor& actor) const { return &actor == &camera; }
    void NoteWrite(const Actor& actor);
    bool RefuseNonFinite(bool finite, const char* what);

    Guard& guard;
    std::filesystem::path dataFolder;
    Events events;
    Camera camera;
    Canvas canvas;
    GuiContext gui;
    PointerInput pointer;
    KeyboardInput keyboard;
    std::function<void()> windowPass;
    FrameView shown;
    Actor ball;
    std::array<Actor, kMaxCars> cars;
    std::optional<Vector> ballPin;
    std::array<std::optional<Vector>, kMaxCars> carPins;
    int carCount = kDefaultCars;

    WorldMode mode = WorldMode::Menu;
    int fps = kDefaultFps;
    int frameCount = kDefaultReplayFrames;
    int frame = 0;
    std::optional<float> replayTime;
    bool paused = false;
    double clock = 0.0; // seconds; summed in double so long runs do not drift
    long tickCount = 0;
    long cameraWrites = 0;
    bool cameraWrittenThisTick = false;

    GameEventObject replayServer;
    GameEventObject gameServer;
    ReplayDirectorObject director;
    ReplayObject replay;
    CarListObject carList;
};

} // namespace Corvane::Host
