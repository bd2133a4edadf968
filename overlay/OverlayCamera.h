#pragma once
// The game camera as the handle gizmo and the reference shapes read it once per frame.

#include "corvane/wrappers/GameWrapper.h"
#include "math/CameraMath.h"

struct OverlayCamera {
    Vector location; // world units
    // Pitch and yaw converted with the gizmo's and shapes' factor (Angles.h), no roll.
    Quorvel::Math::CameraBasis basis;
    float fov = 0.0f; // degrees
    bool isNull = true;

    // In front of the camera and at least 0.001 world units away from it.
    bool Sees(const Vector& point) const;
};

// A null camera reads as location and rotation zero (and field of view 0).
OverlayCamera ReadOverlayCamera(const GameWrapper& game);
