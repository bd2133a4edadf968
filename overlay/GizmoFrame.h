#pragma once
// What one frame of the handle gizmo works with (private to the gizmo's sources).

#include <vector>

#include "core/DollyCam.h"
#include "overlay/GizmoView.h"
#include "overlay/MouseState.h"

struct GizmoFrame {
    GizmoFrame(const GizmoView& view, DollyCam& dollyCam, const MouseState& mouse,
               int selectedFrame)
        : view(view), dollyCam(dollyCam), mouse(mouse), selectedFrame(selectedFrame) {}

    GizmoView view;
    DollyCam& dollyCam;
    MouseState mouse;
    int selectedFrame = -1;
    bool mouseUsable = false;         // a context and a known position: hovering and dragging
    bool mayStartDrag = false;        // clicked this frame, not over an ImGui window or item
    bool handleUnderMouse = false;    // a custom handle of any waypoint is near the click
    std::vector<CameraSnapshot> path; // the whole path in frame order, after this frame's drags
};

// The path as a list in frame order, and the index of a frame in it (-1 when absent).
std::vector<CameraSnapshot> PathInFrameOrder(const DollyCam& dollyCam);
int IndexOfFrame(const std::vector<CameraSnapshot>& path, int frame);

// Writes the waypoint under its frame and rebuilds both strategies.
void StoreWaypoint(DollyCam& dollyCam, const CameraSnapshot& waypoint);
