// The "Path Tools" section.

#include <imgui.h>

#include "ui/Panels.h"

void DrawPathToolsPanel(WindowContext& ctx) {
    (void)ctx;
}
