// The "Motion Graph" section.

#include <imgui.h>

#include "ui/Panels.h"

void DrawMotionGraph(WindowContext& ctx) {
    (void)ctx;
}
