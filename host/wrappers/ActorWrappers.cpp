// ActorWrapper and CameraWrapper over the world's actors. The camera wrapper answers as a
// null camera for any address that is not the world's camera as it exists now.

#include "corvane/wrappers/ActorWrapper.h"
#include "corvane/wrappers/CameraWrapper.h"
#include "host/Actors.h"
#include "host/World.h"

using Corvane::Host::Actor;
using Corvane::Host::Camera;

namespace {

Actor* ActorAt(std::uintptr_t address) {
    return reinterpret_cast<Actor*>(address);
}

Camera* CameraAt(std::uintptr_t address) {
    Actor* actor = ActorAt(address);
    if (actor == nullptr || actor->world == nullptr || actor->world->CameraAddress() != address)
        return nullptr;
    return static_cast<Camera*>(actor);
}

} // namespace

// --- ActorWrapper ------------------------------------------------------------------------------

Vector ActorWrapper::GetLocation() const {
    const Actor* actor = ActorAt(memory_address);
    return actor == nullptr ? Vector() : actor->location;
}

void ActorWrapper::SetLocation(Vector location) {
    if (Actor* actor = ActorAt(memory_address))
        actor->world->WriteLocation(*actor, location);
}

Rotator ActorWrapper::GetRotation() const {
    const Actor* actor = ActorAt(memory_address);
    return actor == nullptr ? Rotator() : actor->rotation;
}

void ActorWrapper::SetRotation(Rotator rotation) {
    if (Actor* actor = ActorAt(memory_address))
        actor->world->WriteRotation(*actor, rotation);
}

// --- CameraWrapper -----------------------------------------------------------------------------

Vector CameraWrapper::GetLocation() const {
    const Camera* camera = CameraAt(memory_address);
    return camera == nullptr ? Vector() : camera->location;
}

void CameraWrapper::SetLocation(Vector location) {
    if (Camera* camera = CameraAt(memory_address))
        camera->world->WriteLocation(*camera, location);
}

Rotator CameraWrapper::GetRotation() const {
    const Camera* camera = CameraAt(memory_address);
    return camera == nullptr ? Rotator() : camera->rotation;
}

void CameraWrapper::SetRotation(Rotator rotation) {
    if (Camera* camera = CameraAt(memory_address))
        camera->world->WriteRotation(*camera, rotation);
}

float CameraWrapper::GetFOV() const {
    const Camera* camera = CameraAt(memory_address);
    return camera == nullptr ? 0.0f : camera->fov;
}

void CameraWrapper::SetFOV(float fov) {
    if (Camera* camera = CameraAt(memory_address))
        camera->world->WriteFov(*camera, fov);
}

// cppcheck-suppress passedByValue ; the SDK declares it by value
void CameraWrapper::SetPOV(POV pov) {
    if (Camera* camera = CameraAt(memory_address))
        camera->world->WritePov(*camera, pov);
}

void CameraWrapper::SetLockedFOV(bool locked) {
    if (Camera* camera = CameraAt(memory_address))
        camera->lockedFov = locked;
}

std::string CameraWrapper::GetCameraState() const {
    const Camera* camera = CameraAt(memory_address);
    return camera == nullptr ? std::string() : camera->state;
}

ActorWrapper CameraWrapper::GetCameraAsActor() const {
    return ActorWrapper(CameraAt(memory_address) == nullptr ? 0 : memory_address);
}
