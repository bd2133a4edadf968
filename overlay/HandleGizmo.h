#pragma once
// The handle gizmo: a diamond on every waypoint and on its two Bezier handles, and mouse drags
// that move a waypoint or a handle in the camera's screen plane. Every drag step writes the
// path and rebuilds the strategies, so the drawn path follows the mouse.
//
// Drag states, tested at the start of each frame before anything is drawn:
//
//   state          draggedWaypointFrame  draggedHandleFrame  entered from idle by a click on
//   idle           -1                    -1                  -
//   waypoint drag  waypoint's frame      -1                  a hovered waypoint, no handle near
//   handle drag    -1                    waypoint's frame    a hovered handle of the waypoint
//
// Either drag returns to idle when the left button is up, or when there is no mouse at all.
// A drag starts only from idle, and not while ImGui has the mouse (a click on the settings
// window is the window's); hover highlights and drags under way do not ask. A drag whose
// waypoint was deleted changes nothing until the button is released. A move that would give
// a non-finite position is refused: nothing changes and one console line says so per drag.

#include <map>
#include <vector>

#include "core/DollyCam.h"
#include "overlay/MouseState.h"

struct GizmoFrame;

// The lines for a refused drag.
inline constexpr const char* kDragNotFiniteMessage =
    "Drag refused: the position would not be a finite number";
inline constexpr const char* kDragOutsideWorldMessage =
    "Drag refused: the position would be outside the world (30000 units from the origin)";

class HandleGizmo {
public:
    // Draws and drags; only in a replay with at least one waypoint. selectedFrame is the
    // waypoint picked in the settings window (-1 none), drawn brighter and larger.
    void Render(CanvasWrapper canvas, DollyCam& dollyCam, const MouseState& mouse,
                int selectedFrame);

    // Gives the waypoint at index i of `path` (the whole path in frame order) the automatic
    // handles, unless it has custom ones or i is out of range. Writes into the path without
    // rebuilding: the caller rebuilds once for all its writes.
    void AutoHandleAt(DollyCam& dollyCam, const std::vector<CameraSnapshot>& path, int i);
    // Whether a dragged waypoint at height z (world units) is held at the floor: released only
    // by landing below -1, taken again above 1, kept in between (taken for a new waypoint).
    bool UpdateFloorLock(int frame, float z);

    int draggedWaypointFrame = -1;
    int draggedHandleFrame = -1;
    bool draggingOutHandle = false; // the dragged handle is v3_bz_ctrl_out, else v3_bz_ctrl_in
    Vector2 lastMousePos;           // canvas pixels at the end of the previous frame
    std::map<int, bool> floorLock;  // per waypoint frame

private:
    bool Idle() const { return draggedWaypointFrame < 0 && draggedHandleFrame < 0; }
    bool DragHeld(GizmoFrame& frame, int& draggedFrame);
    Vector MouseMoveAt(GizmoFrame& frame, const Vector& point) const;
    void ContinueWaypointDrag(GizmoFrame& frame);
    void ContinueHandleDrag(GizmoFrame& frame);
    void StartHandleDrag(GizmoFrame& frame, int index, bool outHandle);
    // Says `message` once per drag; the move is not made.
    void RefuseMove(GizmoFrame& frame, const char* message = kDragNotFiniteMessage);
    bool AnyCustomHandleNear(GizmoFrame& frame);
    void DrawWaypoint(GizmoFrame& frame, int index);
    void DrawWaypointMarker(GizmoFrame& frame, const CameraSnapshot& w, bool hovered);
    void DrawHandle(GizmoFrame& frame, int index, bool outHandle, const Vector& point);

    bool refusalReported = false; // this drag has already said it refused a move
};
