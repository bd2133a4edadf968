#include "overlay/OverlayCamera.h"

#include "math/Angles.h"

namespace {

// Nearer than this a point has no usable direction from the camera.
constexpr double kMinDistance = 0.001;

} // namespace

bool OverlayCamera::Sees(const Vector& point) const {
    return Quorvel::Math::IsInFront(location, basis.forward, point, kMinDistance);
}

OverlayCamera ReadOverlayCamera(const GameWrapper& game) {
    OverlayCamera view;
    CameraWrapper camera = game.GetCamera();
    Rotator rotation;
    if (!camera.IsNull()) {
        view.location = camera.GetLocation();
        rotation = camera.GetRotation();
        view.fov = camera.GetFOV();
        view.isNull = false;
    }
    view.basis = Quorvel::Math::MakeCameraBasis(rotation, Quorvel::Math::kUnitsToRadians);
    return view;
}
