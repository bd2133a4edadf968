// The "Reference Shapes" section.

#include <imgui.h>

#include "ui/Panels.h"

void DrawShapesPanel(WindowContext& ctx) {
    (void)ctx;
}
