#include "plugin/RealGameApplier.h"

#include "math/Angles.h"

using Quorvel::Math::WholeRotatorUnits;

RealGameApplier::RealGameApplier(std::shared_ptr<GameWrapper> gameWrapper)
    : gameWrapper(std::move(gameWrapper)) {}

void RealGameApplier::ApplyPOV(float x, float y, float z, float pitch, float yaw, float roll,
                               float fov) {
    POV pov;
    pov.location = {x, y, z};
    pov.rotation = {WholeRotatorUnits(pitch), WholeRotatorUnits(yaw), WholeRotatorUnits(roll)};
    pov.fov = fov;
    gameWrapper->GetCamera().SetPOV(pov);
}

CameraPose RealGameApplier::ReadCamera() {
    CameraWrapper camera = gameWrapper->GetCamera();
    const Vector location = camera.GetLocation();
    const Rotator rotation = camera.GetRotation();
    CameraPose pose;
    pose.x = location.X;
    pose.y = location.Y;
    pose.z = location.Z;
    pose.pitch = static_cast<float>(rotation.Pitch);
    pose.yaw = static_cast<float>(rotation.Yaw);
    pose.roll = static_cast<float>(rotation.Roll);
    pose.FOV = camera.GetFOV();
    return pose;
}
