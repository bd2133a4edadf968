#pragma once
// The mouse as the overlay sees it: read once per frame from the Dear ImGui context the host
// lends the plugin (the same context the settings window draws with).

#include "corvane/wrappers/WrapperStructs.h"

struct MouseState {
    // A current ImGui context exists. Without one nothing below is read: the gizmo draws
    // without hovering or dragging, and the orbit view neither zooms nor turns.
    bool hasContext = false;
    // The context knows where the mouse is (ImGui marks an unknown position specially).
    bool hasPosition = false;
    Vector2 position; // canvas pixels, Y down, truncated towards zero
    bool leftDown = false;
    bool leftClicked = false; // the left button went down this frame
    bool rightDown = false;
    float wheel = 0.0f;                 // notches this frame, positive away from the user
    float deltaX = 0.0f, deltaY = 0.0f; // pixels moved since the previous frame, Y down
    // An ImGui window or item is under the mouse or active, or ImGui wants the mouse: a click
    // then belongs to the window, not to the scene behind it.
    bool overImGui = false;
};

MouseState ReadMouseState();
