// GameWrapper over the simulated world.

#include "corvane/wrappers/GameWrapper.h"

#include <utility>

#include "host/World.h"

using Corvane::Host::World;

bool GameWrapper::IsInReplay() const {
    const World* world = World::FromAddress(memory_address);
    return world != nullptr && world->InReplay();
}

bool GameWrapper::IsInGame() const {
    const World* world = World::FromAddress(memory_address);
    return world != nullptr && world->InGame();
}

CameraWrapper GameWrapper::GetCamera() const {
    const World* world = World::FromAddress(memory_address);
    return CameraWrapper(world == nullptr ? 0 : world->CameraAddress());
}

ReplayServerWrapper GameWrapper::GetGameEventAsReplay() const {
    const World* world = World::FromAddress(memory_address);
    return ReplayServerWrapper(world == nullptr ? 0 : world->ReplayServerAddress());
}

ServerWrapper GameWrapper::GetGameEventAsServer() const {
    const World* world = World::FromAddress(memory_address);
    return ServerWrapper(world == nullptr ? 0 : world->GameServerAddress());
}

void GameWrapper::HookEvent(const std::string& eventName, EventHandler handler) {
    if (World* world = World::FromAddress(memory_address))
        world->GetEvents().Hook(eventName, std::move(handler));
}

void GameWrapper::RegisterDrawable(DrawableHandler handler) {
    if (World* world = World::FromAddress(memory_address))
        world->GetEvents().AddDrawable(std::move(handler));
}

void GameWrapper::UnregisterDrawables() {
    if (World* world = World::FromAddress(memory_address))
        world->GetEvents().RemoveDrawables();
}

std::filesystem::path GameWrapper::GetDataFolder() const {
    const World* world = World::FromAddress(memory_address);
    return world == nullptr ? std::filesystem::path() : world->DataFolder();
}
