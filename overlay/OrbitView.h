#pragma once
// The orbit view: the replay camera circles a target point, looking at it. The right mouse
// button turns it and the wheel zooms; neither asks whether ImGui has the mouse, since they
// change no data. Applied once per rendered frame, after playback, so it sets the camera last.

#include "corvane/wrappers/CVarManagerWrapper.h"
#include "corvane/wrappers/GameWrapper.h"
#include "overlay/MouseState.h"

// The one console line for an orbit refused because a value is not a finite number.
inline constexpr const char* kOrbitNotFiniteMessage = "Orbit view not started: not a finite number";

struct OrbitView {
    bool orbiting = false;
    Vector target;           // the point circled, world units
    float distance = 800.0f; // from the target, world units, kept within [100, 8000]
    float yaw = 0.0f;        // azimuth, radians
    float pitch = 0.5f;      // elevation, radians, turned within [-1.57, 1.57]

    // Switches the view on with these values; false, and nothing changed, when one of them is
    // not a finite number.
    bool Start(const Vector& newTarget, float newDistance, float newYaw, float newPitch);
    // One frame: leaving the replay switches the view off; without a camera nothing happens.
    // A camera position that is not a finite number switches the view off with one line.
    void Update(const GameWrapper& game, CVarManagerWrapper& console, const MouseState& mouse);
};
