// Render's overlay steps after the path: the reference shapes.

#include "overlay/ShapeRenderer.h"
#include "plugin/DollyCamPlugin.h"

void DollyCamPlugin::RenderShapes(CanvasWrapper canvas) {
    ::RenderShapes(canvas, *gameWrapper, referenceShapes);
}
