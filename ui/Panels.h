#pragma once
// The settings window's panels, one per section, each drawn into the current ImGui window.

#include "ui/WindowContext.h"

// "Snapshots": the waypoint table, the FOV panel and the timing panel.
void DrawSnapshotsPanel(WindowContext& ctx);
// "Snapshots", below the panel: the timeline strip and the selected waypoint's editors.
void DrawWaypointEditor(WindowContext& ctx);
// "Motion Graph": progress through the path over time; it only displays.
void DrawMotionGraph(WindowContext& ctx);
// "Reference Shapes": add, edit and delete the wireframe guides.
void DrawShapesPanel(WindowContext& ctx);
// "Path Tools": mirror, reverse, and live offset, scale and rotation.
void DrawPathToolsPanel(WindowContext& ctx);
