// HandleGizmo::Render and the per-waypoint pass: hover, markers, handles, and the clicks that
// start drags. The drags themselves are in GizmoDrags.cpp. Canvas pixels, Y down.

#include "overlay/HandleGizmo.h"

#include "overlay/GizmoFrame.h"
#include "overlay/HandleShaping.h"

namespace {

// Pixels from the mouse within which a point counts as under it.
constexpr double kWaypointHoverRadius = 14.0;
constexpr double kHandleHoverRadius = 12.0;
// Within this a handle keeps a click from picking a waypoint.
constexpr double kHandleNearRadius = 16.0;
// Where an automatic handle is drawn, as a fraction of the way to its neighbour.
constexpr float kAutoHandleReach = 0.33f;

struct Colour {
    unsigned char r, g, b, a;
};

struct HandleStyle {
    Colour line, marker, highlighted;
};

constexpr HandleStyle kOutHandle{{255, 160, 50, 240}, {255, 160, 50, 255}, {255, 255, 100, 255}};
constexpr HandleStyle kInHandle{{50, 220, 120, 240}, {50, 220, 120, 255}, {180, 255, 150, 255}};

void SetColour(GizmoView& view, Colour c) {
    view.canvas.SetColor(c.r, c.g, c.b, c.a);
}

struct HandlePoints {
    bool hasOut = false, hasIn = false;
    Vector out, in; // world positions
};

// The custom offset where set and non-zero; otherwise a third of the way to the neighbour, and
// no handle without one.
bool HandlePoint(const CameraSnapshot& w, const Vector& offset, const CameraSnapshot* neighbour,
                 Vector& point) {
    if (w.v3_bz_has_custom && offset != Vector()) {
        point = w.location + offset;
        return true;
    }
    if (neighbour == nullptr)
        return false;
    point = w.location + (neighbour->location - w.location) * kAutoHandleReach;
    return true;
}

// An end of the path without custom handles thus shows one handle only.
HandlePoints HandlePointsOf(const std::vector<CameraSnapshot>& path, int i) {
    const size_t n = path.size(), at = static_cast<size_t>(i);
    const CameraSnapshot& w = path[at];
    HandlePoints points;
    points.hasOut =
        HandlePoint(w, w.v3_bz_ctrl_out, at + 1 < n ? &path[at + 1] : nullptr, points.out);
    points.hasIn = HandlePoint(w, w.v3_bz_ctrl_in, at > 0 ? &path[at - 1] : nullptr, points.in);
    return points;
}

bool Near(GizmoFrame& frame, bool present, const Vector& point, double radius) {
    return present && frame.mouseUsable &&
           frame.view.ProjectsNear(point, frame.mouse.position, radius);
}

} // namespace

void HandleGizmo::Render(CanvasWrapper canvas, DollyCam& dollyCam, const MouseState& mouse,
                         int selectedFrame) {
    if (!dollyCam.gameWrapper->IsInReplay() || dollyCam.snapshots->empty())
        return;
    GizmoFrame frame{MakeGizmoView(canvas, *dollyCam.gameWrapper), dollyCam, mouse, selectedFrame};
    frame.mouseUsable = mouse.hasContext && mouse.hasPosition;
    if (frame.mouseUsable) {
        ContinueWaypointDrag(frame);
        ContinueHandleDrag(frame);
        lastMousePos = mouse.position;
    } else {
        draggedWaypointFrame = -1;
        draggedHandleFrame = -1;
    }
    const bool clicked = frame.mouseUsable && mouse.leftClicked;
    frame.mayStartDrag = clicked && !mouse.overImGui;
    frame.path = PathInFrameOrder(dollyCam);
    frame.handleUnderMouse = clicked && AnyCustomHandleNear(frame);
    for (int i = 0; i < static_cast<int>(frame.path.size()); ++i)
        DrawWaypoint(frame, i);
}

// The pre-pass: a custom handle of a later waypoint near the click must keep an earlier
// waypoint from being picked, so handles win wherever they lie in the path.
bool HandleGizmo::AnyCustomHandleNear(GizmoFrame& frame) {
    for (const CameraSnapshot& w : frame.path) {
        if (!w.v3_bz_has_custom)
            continue;
        if (Near(frame, w.v3_bz_ctrl_out != Vector(), w.location + w.v3_bz_ctrl_out,
                 kHandleNearRadius) ||
            Near(frame, w.v3_bz_ctrl_in != Vector(), w.location + w.v3_bz_ctrl_in,
                 kHandleNearRadius))
            return true;
    }
    return false;
}

void HandleGizmo::DrawWaypoint(GizmoFrame& frame, int index) {
    const CameraSnapshot w = frame.path[static_cast<size_t>(index)];
    if (!frame.view.camera.Sees(w.location))
        return; // no marker, and it cannot be picked
    const bool hovered = Near(frame, true, w.location, kWaypointHoverRadius);
    DrawWaypointMarker(frame, w, hovered);

    const HandlePoints points = HandlePointsOf(frame.path, index);
    if (points.hasOut)
        DrawHandle(frame, index, true, points.out);
    if (points.hasIn)
        DrawHandle(frame, index, false, points.in);

    const bool handleNear = frame.handleUnderMouse ||
                            Near(frame, points.hasOut, points.out, kHandleNearRadius) ||
                            Near(frame, points.hasIn, points.in, kHandleNearRadius);
    if (hovered && !handleNear && frame.mayStartDrag && Idle()) {
        draggedWaypointFrame = w.frame;
        refusalReported = false;
    }
}

// Yellow and large while hovered or dragged; the selected waypoint opaque and larger.
void HandleGizmo::DrawWaypointMarker(GizmoFrame& frame, const CameraSnapshot& w, bool hovered) {
    const bool selected = w.frame == frame.selectedFrame;
    const unsigned char alpha = selected ? 255 : 180;
    if (hovered || draggedWaypointFrame == w.frame) {
        frame.view.canvas.SetColor(255, 220, 50, alpha);
        DrawDiamondMarker(frame.view, w.location, 10.0f);
    } else {
        frame.view.canvas.SetColor(255, 255, 255, alpha);
        DrawDiamondMarker(frame.view, w.location, selected ? 8.0f : 5.0f);
    }
}

void HandleGizmo::DrawHandle(GizmoFrame& frame, int index, bool outHandle, const Vector& point) {
    const CameraSnapshot& w = frame.path[static_cast<size_t>(index)];
    const bool hovered = Near(frame, true, point, kHandleHoverRadius);
    if (hovered && frame.mayStartDrag && Idle())
        StartHandleDrag(frame, index, outHandle);
    const bool dragged = draggedHandleFrame == w.frame && draggingOutHandle == outHandle;
    const HandleStyle& style = outHandle ? kOutHandle : kInHandle;
    SetColour(frame.view, style.line);
    DrawThickLine3D(frame.view, w.location, point);
    SetColour(frame.view, hovered || dragged ? style.highlighted : style.marker);
    DrawDiamondMarker(frame.view, point, hovered || dragged ? 9.0f : 6.0f);
}

// The first grab of a handle turns the waypoint's automatic handles into custom ones, seeded
// from its neighbours.
void HandleGizmo::StartHandleDrag(GizmoFrame& frame, int index, bool outHandle) {
    draggedHandleFrame = frame.path[static_cast<size_t>(index)].frame;
    draggingOutHandle = outHandle;
    refusalReported = false;
    CameraSnapshot w = frame.path[static_cast<size_t>(index)];
    if (w.v3_bz_has_custom)
        return;
    SeedCustomHandles(frame.path, index, w);
    w.v3_bz_has_custom = true;
    StoreWaypoint(frame.dollyCam, w);
}
