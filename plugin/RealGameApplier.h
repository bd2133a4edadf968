#pragma once
// Writes playback poses to the game camera.

#include <memory>

#include "core/IGameApplier.h"
#include "corvane/wrappers/GameWrapper.h"

class RealGameApplier final : public IGameApplier {
public:
    explicit RealGameApplier(std::shared_ptr<GameWrapper> gameWrapper);

    // Rotation components are truncated toward zero to whole rotator units (100.9 -> 100,
    // -0.7 -> 0), the only place a path rotation is made whole.
    void ApplyPOV(float x, float y, float z, float pitch, float yaw, float roll,
                  float fov) override;
    CameraPose ReadCamera() override;

private:
    std::shared_ptr<GameWrapper> gameWrapper;
};
