#pragma once
// Game events: a match being played (ServerWrapper) or a replay being watched
// (ReplayServerWrapper, which is also a ServerWrapper).

#include "corvane/wrappers/ActorWrapper.h"
#include "corvane/wrappers/ArrayWrapper.h"

class ReplayWrapper : public ObjectWrapper {
public:
    explicit ReplayWrapper(std::uintptr_t address = 0) : ObjectWrapper(address) {}
    bool IsNull() const { return memory_address == 0; }
    int GetCurrentFrame() const;
};

class ReplayDirectorWrapper : public ObjectWrapper {
public:
    explicit ReplayDirectorWrapper(std::uintptr_t address = 0) : ObjectWrapper(address) {}
    bool IsNull() const { return memory_address == 0; }
    ReplayWrapper GetReplay() const;
};

class GameEventWrapper : public ObjectWrapper {
public:
    explicit GameEventWrapper(std::uintptr_t address = 0) : ObjectWrapper(address) {}
    bool IsNull() const { return memory_address == 0; }
    explicit operator bool() const { return !IsNull(); }

    ArrayWrapper<CarWrapper> GetCars() const;
};

class ServerWrapper : public GameEventWrapper {
public:
    explicit ServerWrapper(std::uintptr_t address = 0) : GameEventWrapper(address) {}

    // Game-clock seconds; they keep running while a replay is paused.
    float GetSecondsElapsed() const;
    BallWrapper GetBall() const;
    ReplayDirectorWrapper GetReplayDirector() const;
};

class ReplayServerWrapper : public ServerWrapper {
public:
    explicit ReplayServerWrapper(std::uintptr_t address = 0) : ServerWrapper(address) {}

    int GetCurrentReplayFrame() const;
    // Replay seconds at the current frame.
    float GetReplayTimeElapsed() const;
    int GetReplayFPS() const;
    // Frames in the whole replay.
    int GetReplayFrameCount() const;
    void SkipToFrame(int frame);
};
