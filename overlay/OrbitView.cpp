#include "overlay/OrbitView.h"

#include <algorithm>
#include <cmath>

#include "math/Angles.h"
#include "math/VectorMath.h"

namespace {

constexpr float kZoomPerNotch = 0.05f; // of the distance
constexpr float kRadiansPerPixel = 0.0015f;
constexpr float kMinDistance = 100.0f;
constexpr float kMaxDistance = 8000.0f;
constexpr float kMaxPitch = 1.57f; // just short of straight up or down

// Whole rotator units towards zero; pitch from the horizon up, yaw = atan2(y, x).
Rotator LookAlong(const Vector& v) {
    const float pitch = std::atan2(v.Z, std::sqrt(v.X * v.X + v.Y * v.Y));
    const float yaw = std::atan2(v.Y, v.X);
    return Rotator(static_cast<int>(pitch * Quorvel::Math::kRadiansToUnits),
                   static_cast<int>(yaw * Quorvel::Math::kRadiansToUnits), 0);
}

} // namespace

bool OrbitView::Start(const Vector& newTarget, float newDistance, float newYaw, float newPitch) {
    if (!Quorvel::Math::IsFinite(newTarget) || !std::isfinite(newDistance) ||
        !std::isfinite(newYaw) || !std::isfinite(newPitch))
        return false;
    target = newTarget;
    distance = newDistance;
    yaw = newYaw;
    pitch = newPitch;
    orbiting = true;
    return true;
}

void OrbitView::Update(const GameWrapper& game, CVarManagerWrapper& console,
                       const MouseState& mouse) {
    if (!game.IsInReplay()) {
        orbiting = false;
        return;
    }
    CameraWrapper camera = game.GetCamera();
    if (camera.IsNull())
        return;
    const float wheel = mouse.hasContext ? mouse.wheel : 0.0f;
    distance = std::clamp(distance - distance * wheel * kZoomPerNotch, kMinDistance, kMaxDistance);
    if (mouse.hasContext && mouse.rightDown) {
        yaw += mouse.deltaX * kRadiansPerPixel;
        pitch = std::clamp(pitch - mouse.deltaY * kRadiansPerPixel, -kMaxPitch, kMaxPitch);
    }
    const float across = std::cos(pitch) * distance;
    const Vector location =
        target + Vector(std::cos(yaw) * across, std::sin(yaw) * across, std::sin(pitch) * distance);
    if (!Quorvel::Math::IsFinite(location)) {
        orbiting = false;
        console.log("Orbit view stopped: the camera position is not a finite number");
        return;
    }
    camera.SetLocation(location);
    camera.SetRotation(LookAlong(target - location));
}
