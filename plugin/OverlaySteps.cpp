// Render's overlay steps: the reference shapes, the handle gizmo and the orbit view, each
// reading the mouse from the host's ImGui context as it is this frame.

#include "overlay/MouseState.h"
#include "overlay/ShapeRenderer.h"
#include "plugin/DollyCamPlugin.h"

void DollyCamPlugin::RenderShapes(CanvasWrapper canvas) {
    ::RenderShapes(canvas, *gameWrapper, referenceShapes);
}

void DollyCamPlugin::RenderGizmo(CanvasWrapper canvas) {
    if (!*renderPathFlag)
        return;
    const bool wasDragging = gizmo.draggedWaypointFrame >= 0 || gizmo.draggedHandleFrame >= 0;
    gizmo.Render(canvas, *dollyCam, ReadMouseState(), selectedFrame);
    if (gizmo.draggedWaypointFrame >= 0)
        history.Name("Waypoint dragged");
    else if (gizmo.draggedHandleFrame >= 0)
        history.Name("Handle dragged");
    // Press to release is one step; frames without a drag leave the history alone.
    if (wasDragging || gizmo.draggedWaypointFrame >= 0 || gizmo.draggedHandleFrame >= 0)
        CheckpointHistoryUnlessHeld();
}

void DollyCamPlugin::UpdateOrbitCamera() {
    orbitView.Update(*gameWrapper, *cvarManager, ReadMouseState());
}

void DollyCamPlugin::StartOrbit(Vector target, float distance, float yaw, float pitch) {
    if (!orbitView.Start(target, distance, yaw, pitch))
        cvarManager->log(kOrbitNotFiniteMessage);
}
