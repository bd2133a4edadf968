// Render's overlay steps after the path: the reference shapes and the handle gizmo, which
// reads the mouse from the host's ImGui context as it is this frame.

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
