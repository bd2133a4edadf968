// The "Snapshots" section's upper half: waypoint table, FOV panel, timing panel.

#include <imgui.h>

#include "ui/Panels.h"

void DrawSnapshotsPanel(WindowContext& ctx) {
    (void)ctx;
}
