#pragma once
// The plugin's way into the running game.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

#include "corvane/wrappers/CameraWrapper.h"
#include "corvane/wrappers/CanvasWrapper.h"
#include "corvane/wrappers/GameEventWrapper.h"

class GameWrapper {
public:
    using EventHandler = std::function<void(std::string eventName)>;
    using DrawableHandler = std::function<void(CanvasWrapper canvas)>;

    explicit GameWrapper(std::uintptr_t address = 0) : memory_address(address) {}

    bool IsInReplay() const;
    bool IsInGame() const;
    // A null camera when there is none.
    CameraWrapper GetCamera() const;
    // Null outside a replay.
    ReplayServerWrapper GetGameEventAsReplay() const;
    // Null outside a live game.
    ServerWrapper GetGameEventAsServer() const;

    // Runs handler each time the game runs the named script function,
    // e.g. "Function TAGame.CameraState_Replay_TA.UpdatePOV".
    void HookEvent(const std::string& eventName, EventHandler handler);
    // Calls handler once per rendered frame with that frame's canvas.
    void RegisterDrawable(DrawableHandler handler);
    // Removes every drawable this plugin registered.
    void UnregisterDrawables();

    // The folder where plugins keep their files.
    std::filesystem::path GetDataFolder() const;

private:
    std::uintptr_t memory_address;
};
