// The gizmo's drag steps, run while the left button stays down, and the path writes they make.
// Mouse moves are canvas pixels (Y down); positions and handle offsets are world units.

#include <algorithm>

#include "math/VectorMath.h"
#include "overlay/GizmoFrame.h"
#include "overlay/HandleGizmo.h"
#include "overlay/HandleShaping.h"
#include "path/PathLimits.h"

namespace {

// A handle offset stays within this many world units of its waypoint on each axis.
constexpr float kMaxHandleOffset = 5000.0f;

Vector ClampOffset(const Vector& offset) {
    return Vector(std::clamp(offset.X, -kMaxHandleOffset, kMaxHandleOffset),
                  std::clamp(offset.Y, -kMaxHandleOffset, kMaxHandleOffset),
                  std::clamp(offset.Z, -kMaxHandleOffset, kMaxHandleOffset));
}

const CameraSnapshot* Neighbour(const std::vector<CameraSnapshot>& path, int index, int step) {
    const int i = index + step;
    return i >= 0 && i < static_cast<int>(path.size()) ? &path[static_cast<size_t>(i)] : nullptr;
}

} // namespace

std::vector<CameraSnapshot> PathInFrameOrder(const DollyCam& dollyCam) {
    std::vector<CameraSnapshot> path;
    path.reserve(dollyCam.snapshots->size());
    for (const auto& entry : *dollyCam.snapshots)
        path.push_back(entry.second);
    return path;
}

int IndexOfFrame(const std::vector<CameraSnapshot>& path, int frame) {
    const auto found = std::find_if(path.begin(), path.end(),
                                    [frame](const CameraSnapshot& w) { return w.frame == frame; });
    return found == path.end() ? -1 : static_cast<int>(found - path.begin());
}

void StoreWaypoint(DollyCam& dollyCam, const CameraSnapshot& waypoint) {
    (*dollyCam.snapshots)[waypoint.frame] = waypoint;
    dollyCam.UpdateLocationStrategy();
    dollyCam.UpdateRotationStrategy();
}

bool HandleGizmo::UpdateFloorLock(int frame, float z) {
    bool locked = true;
    if (z < -1.0f) {
        locked = false;
    } else if (z <= 1.0f) {
        const auto stored = floorLock.find(frame);
        locked = stored == floorLock.end() || stored->second;
    }
    floorLock[frame] = locked;
    return locked;
}

void HandleGizmo::AutoHandleAt(DollyCam& dollyCam, const std::vector<CameraSnapshot>& path, int i) {
    if (i < 0 || i >= static_cast<int>(path.size()) ||
        path[static_cast<size_t>(i)].v3_bz_has_custom)
        return;
    CameraSnapshot w = path[static_cast<size_t>(i)];
    if (AutoHandleOffsets(path, i, w.v3_bz_ctrl_out, w.v3_bz_ctrl_in))
        (*dollyCam.snapshots)[w.frame] = w;
}

void HandleGizmo::RefuseMove(GizmoFrame& frame, const char* message) {
    if (refusalReported)
        return;
    refusalReported = true;
    frame.dollyCam.cvarManager->log(message);
}

// True while the drag goes on and may move something: the left button still held (released,
// the drag ends) and a camera to move relative to.
bool HandleGizmo::DragHeld(GizmoFrame& frame, int& draggedFrame) {
    if (draggedFrame < 0)
        return false;
    if (!frame.mouse.leftDown) {
        draggedFrame = -1;
        return false;
    }
    return !frame.view.camera.isNull;
}

// How far a point follows the mouse since the previous frame, in the camera's screen plane.
Vector HandleGizmo::MouseMoveAt(GizmoFrame& frame, const Vector& point) const {
    const float dx = static_cast<float>(frame.mouse.position.X - lastMousePos.X);
    const float dy = static_cast<float>(frame.mouse.position.Y - lastMousePos.Y);
    return frame.view.ScreenPlaneMove(point, dx, dy);
}

// Moves the waypoint with the mouse, holds it at the floor while its lock is on, and gives
// it and its neighbours fresh automatic handles.
void HandleGizmo::ContinueWaypointDrag(GizmoFrame& frame) {
    if (!DragHeld(frame, draggedWaypointFrame))
        return;
    const auto found = frame.dollyCam.snapshots->find(draggedWaypointFrame);
    if (found == frame.dollyCam.snapshots->end())
        return;
    CameraSnapshot w = found->second;
    const bool wasInWorld = InWorld(w.location);
    w.location = w.location + MouseMoveAt(frame, w.location);
    if (!Quorvel::Math::IsFinite(w.location)) {
        RefuseMove(frame);
        return;
    }
    // Far from the camera a pixel spans thousands of units: the waypoint stops where it was.
    // One already outside (from an older file) may be dragged, so that it can come back.
    if (wasInWorld && !InWorld(w.location)) {
        RefuseMove(frame, kDragOutsideWorldMessage);
        return;
    }
    if (UpdateFloorLock(w.frame, w.location.Z) && w.location.Z < 0.0f)
        w.location.Z = 0.0f;
    (*frame.dollyCam.snapshots)[w.frame] = w;
    const std::vector<CameraSnapshot> path = PathInFrameOrder(frame.dollyCam);
    const int i = IndexOfFrame(path, w.frame);
    for (int j = i - 1; j <= i + 1; ++j)
        AutoHandleAt(frame.dollyCam, path, j);
    // One rebuild for all four writes: nothing reads the path in between.
    frame.dollyCam.UpdateLocationStrategy();
    frame.dollyCam.UpdateRotationStrategy();
}

// Moves the dragged handle with the mouse within its limits, then turns the other handle to
// point exactly the other way, within its own limits.
void HandleGizmo::ContinueHandleDrag(GizmoFrame& frame) {
    if (!DragHeld(frame, draggedHandleFrame))
        return;
    const std::vector<CameraSnapshot> path = PathInFrameOrder(frame.dollyCam);
    const int i = IndexOfFrame(path, draggedHandleFrame);
    if (i < 0)
        return;
    CameraSnapshot w = path[static_cast<size_t>(i)];
    Vector& dragged = draggingOutHandle ? w.v3_bz_ctrl_out : w.v3_bz_ctrl_in;
    Vector& other = draggingOutHandle ? w.v3_bz_ctrl_in : w.v3_bz_ctrl_out;
    const int towardsDragged = draggingOutHandle ? 1 : -1;
    const Vector moved = dragged + MouseMoveAt(frame, w.location + dragged);
    const Vector handle =
        LimitReach(ClampOffset(moved), w.location, Neighbour(path, i, towardsDragged));
    const Vector opposite =
        LimitReach(OppositeHandle(handle, other), w.location, Neighbour(path, i, -towardsDragged));
    // An infinite move is refused even though the clamp would tame it.
    if (!Quorvel::Math::IsFinite(moved) || !Quorvel::Math::IsFinite(handle) ||
        !Quorvel::Math::IsFinite(opposite)) {
        RefuseMove(frame);
        return;
    }
    dragged = handle;
    other = opposite;
    // One write for both handles: nothing reads the path between them.
    StoreWaypoint(frame.dollyCam, w);
}
