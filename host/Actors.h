#pragma once
// The game objects an ActorWrapper can address: the ball, the cars and the camera.
// A wrapper holds the address of the Actor part; the camera is the one Actor that is also a
// Camera. Every write from a plugin goes through the world, which refuses non-finite values.

#include <string>

#include "corvane/wrappers/WrapperStructs.h"

namespace Corvane::Host {

class World;

struct Actor {
    Vector location;  // world units, Z up
    Rotator rotation; // rotator units, 65536 a turn
    World* world = nullptr;
};

struct Camera : Actor {
    std::string state;
    float fov = 90.0f; // degrees, horizontal
    bool lockedFov = false;

    POV Pov() const { return POV{location, rotation, fov}; }
};

} // namespace Corvane::Host
