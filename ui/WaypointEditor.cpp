// The "Snapshots" section's lower half: the timeline strip and the selected waypoint's editors.

#include <imgui.h>

#include "ui/Panels.h"

void DrawWaypointEditor(WindowContext& ctx) {
    (void)ctx;
}
