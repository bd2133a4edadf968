#pragma once

#include <string>

#include "corvane/wrappers/ActorWrapper.h"

class CameraWrapper : public ActorWrapper {
public:
    explicit CameraWrapper(std::uintptr_t address = 0) : ActorWrapper(address) {}

    Vector GetLocation() const;
    void SetLocation(Vector location);
    Rotator GetRotation() const;
    void SetRotation(Rotator rotation);
    float GetFOV() const;
    void SetFOV(float fov);
    // Location, rotation and field of view in one write.
    void SetPOV(POV pov);
    // While locked, the game keeps the field of view the plugin set.
    void SetLockedFOV(bool locked);
    // The camera state's class name, e.g. "CameraState_ReplayFly_TA" in the replay free-fly camera.
    std::string GetCameraState() const;
    ActorWrapper GetCameraAsActor() const;
};
