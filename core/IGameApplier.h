#pragma once
// The one seam through which playback writes the game camera, so the path engine can be
// driven against a recorder instead of a real camera.

#include "path/CameraPose.h"

class IGameApplier {
public:
    // Rotation in rotator units as floats; the applier decides how to make whole units.
    virtual void ApplyPOV(float x, float y, float z, float pitch, float yaw, float roll,
                          float fov) = 0;
    virtual CameraPose ReadCamera() = 0;

protected:
    // Owned through std::shared_ptr made for the concrete type.
    ~IGameApplier() = default;
};
