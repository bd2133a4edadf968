#include "plugin/RealGameApplier.h"

#include <cmath>
#include <limits>

namespace {

// Truncation toward zero, saturated so an out-of-range float cannot overflow the int.
int ToWholeUnits(float units) {
    constexpr double kMax = std::numeric_limits<int>::max();
    constexpr double kMin = std::numeric_limits<int>::min();
    const double whole = std::trunc(static_cast<double>(units));
    if (!(whole > kMin))
        return std::numeric_limits<int>::min();
    if (!(whole < kMax))
        return std::numeric_limits<int>::max();
    return static_cast<int>(whole);
}

} // namespace

RealGameApplier::RealGameApplier(std::shared_ptr<GameWrapper> gameWrapper)
    : gameWrapper(std::move(gameWrapper)) {}

void RealGameApplier::ApplyPOV(float x, float y, float z, float pitch, float yaw, float roll,
                               float fov) {
    POV pov;
    pov.location = {x, y, z};
    pov.rotation = {ToWholeUnits(pitch), ToWholeUnits(yaw), ToWholeUnits(roll)};
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
