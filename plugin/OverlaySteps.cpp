// Render's overlay steps: the reference shapes, the handle gizmo and the orbit view, each
// reading the mouse from the host's ImGui context as it is this frame.

#include "overlay/MouseState.h"
#include "overlay/ShapeRenderer.h"
#include "plugin/DollyCamPlugin.h"

void DollyCamPlugin::RenderShapes(CanvasWrapper canvas) {
    ::RenderShapes(canvas, *gameWrapper, referenceShapes);
}

void DollyCamPlugin::RenderGizmo(CanvasWrapper canvas) {
    if (*renderPathFlag)
        gizmo.Render(canvas, *dollyCam, ReadMouseState(), selectedFrame);
}

void DollyCamPlugin::UpdateOrbitCamera() {
    orbitView.Update(*gameWrapper, *cvarManager, ReadMouseState());
}

void DollyCamPlugin::StartOrbit(Vector target, float distance, float yaw, float pitch) {
    if (!orbitView.Start(target, distance, yaw, pitch))
        cvarManager->log(kOrbitNotFiniteMessage);
}
