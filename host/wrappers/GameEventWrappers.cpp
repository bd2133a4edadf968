// The game-event wrappers (servers, replay director, replay, car list) over the world.
// Each answers as a null object once the world has left the replay or game it came from.

#include "corvane/wrappers/ArrayWrapper.h"
#include "corvane/wrappers/GameEventWrapper.h"
#include "host/World.h"

using Corvane::Host::CarListObject;
using Corvane::Host::GameEventObject;
using Corvane::Host::ReplayDirectorObject;
using Corvane::Host::ReplayObject;
using Corvane::Host::World;

namespace {

// The world behind a server or replay server, or null when that event is over.
World* LiveWorld(std::uintptr_t address, bool mustBeReplay) {
    const auto* event = reinterpret_cast<const GameEventObject*>(address);
    if (event == nullptr || !event->IsLive() || (mustBeReplay && !event->isReplay))
        return nullptr;
    return event->world;
}

// The world behind an object that exists while a replay or a game runs.
template <typename Object> World* WorldInEvent(std::uintptr_t address) {
    const auto* object = reinterpret_cast<const Object*>(address);
    if (object == nullptr || object->world == nullptr || !object->world->HasCamera())
        return nullptr;
    return object->world;
}

} // namespace

// --- ReplayWrapper, ReplayDirectorWrapper ------------------------------------------------------

int ReplayWrapper::GetCurrentFrame() const {
    const World* world = WorldInEvent<ReplayObject>(memory_address);
    return world == nullptr ? 0 : world->Frame();
}

ReplayWrapper ReplayDirectorWrapper::GetReplay() const {
    const World* world = WorldInEvent<ReplayDirectorObject>(memory_address);
    return ReplayWrapper(world == nullptr ? 0 : world->ReplayAddress());
}

// --- GameEventWrapper, ServerWrapper ---------------------------------------------------------

ArrayWrapper<CarWrapper> GameEventWrapper::GetCars() const {
    const World* world = LiveWorld(memory_address, false);
    return ArrayWrapper<CarWrapper>(world == nullptr ? 0 : world->CarListAddress());
}

float ServerWrapper::GetSecondsElapsed() const {
    const World* world = LiveWorld(memory_address, false);
    return world == nullptr ? 0.0f : world->SecondsElapsed();
}

BallWrapper ServerWrapper::GetBall() const {
    const World* world = LiveWorld(memory_address, false);
    return BallWrapper(world == nullptr ? 0 : world->BallAddress());
}

ReplayDirectorWrapper ServerWrapper::GetReplayDirector() const {
    const World* world = LiveWorld(memory_address, false);
    return ReplayDirectorWrapper(world == nullptr ? 0 : world->ReplayDirectorAddress());
}

// --- ReplayServerWrapper -----------------------------------------------------------------------

int ReplayServerWrapper::GetCurrentReplayFrame() const {
    const World* world = LiveWorld(memory_address, true);
    return world == nullptr ? 0 : world->Frame();
}

float ReplayServerWrapper::GetReplayTimeElapsed() const {
    const World* world = LiveWorld(memory_address, true);
    return world == nullptr ? 0.0f : world->ReplayTimeElapsed();
}

int ReplayServerWrapper::GetReplayFPS() const {
    const World* world = LiveWorld(memory_address, true);
    return world == nullptr ? 0 : world->Fps();
}

int ReplayServerWrapper::GetReplayFrameCount() const {
    const World* world = LiveWorld(memory_address, true);
    return world == nullptr ? 0 : world->FrameCount();
}

void ReplayServerWrapper::SkipToFrame(int frame) {
    if (World* world = LiveWorld(memory_address, true))
        world->SkipToFrame(frame);
}

// --- ArrayWrapper --------------------------------------------------------------------------------

template <typename T> int ArrayWrapper<T>::Count() const {
    const World* world = WorldInEvent<CarListObject>(memory_address);
    return world == nullptr ? 0 : world->CarCount();
}

template <typename T> T ArrayWrapper<T>::Get(int index) const {
    const World* world = WorldInEvent<CarListObject>(memory_address);
    return T(world == nullptr ? 0 : world->CarAddress(index));
}

template class ArrayWrapper<CarWrapper>;
