// The "Snapshots" section's upper half: a row of whole-path buttons, then four regions side by
// side: the waypoint table, the FOV panel, a divider and the timing panel.

#include <imgui.h>

#include <algorithm>

#include "ui/PanelLook.h"
#include "ui/Panels.h"
#include "ui/SnapshotsRegions.h"
#include "ui/WholePathActions.h"

namespace {

// Region metrics, pixels.
constexpr float kRegionHeight = 250.0f;
constexpr float kTableMaxWidth = 520.0f;
constexpr float kTableMargin = 8.0f;
constexpr float kFovPanelWidth = 180.0f;
constexpr float kDividerWidth = 4.0f;
constexpr float kTimingPanelWidth = 300.0f;

constexpr float kOrbitStartYaw = 0.0f;   // radians
constexpr float kOrbitStartPitch = 0.5f; // radians, looking down on the path

void ClearAll(WindowContext& ctx) {
    ctx.cvarManager.executeCommand("dolly_path_clear", false);
    RebuildBothStrategies(ctx.dollyCam);
    // The next waypoints count from nothing again, so the window's mode choice runs anew.
    ctx.autoModeWaypointCount = -1;
    ctx.selectedFrame = -1;
    ctx.orbitView.orbiting = false;
}

void StartOrbit(WindowContext& ctx) {
    if (ctx.dollyCam.snapshots->empty())
        return;
    const OrbitFraming framing = FrameForOrbit(*ctx.dollyCam.snapshots);
    if (!ctx.orbitView.Start(framing.target, framing.distance, kOrbitStartYaw, kOrbitStartPitch)) {
        ctx.cvarManager.log(kOrbitNotFiniteMessage);
        return;
    }
    // The orbit view shows the whole path; a selection would keep it from saying so.
    ctx.selectedFrame = -1;
}

// Reads "Orbiting Path..." in green while the view shows the whole path; selecting a waypoint
// turns it back into the button that starts (or restarts) the orbit.
void DrawOrbitButton(WindowContext& ctx) {
    if (ctx.orbitView.orbiting && SelectedWaypoint(ctx) == nullptr) {
        if (ColouredButton("Orbiting Path...", kActiveButton))
            ctx.orbitView.orbiting = false;
        return;
    }
    if (ImGui::Button("Orbit Path##op"))
        StartOrbit(ctx);
}

void AutoHandlesAll(WindowContext& ctx) {
    ctx.history.Name("Auto handles set");
    SetAllHandlesToAuto(*ctx.dollyCam.snapshots);
    RebuildBothStrategies(ctx.dollyCam);
    ctx.autoModeWaypointCount = -1;
}

void DrawButtonRow(WindowContext& ctx) {
    if (ImGui::Button("Clear All"))
        ClearAll(ctx);
    ImGui::SameLine();
    DrawOrbitButton(ctx);
    ImGui::SameLine();
    if (ImGui::Button("Auto Handles All"))
        AutoHandlesAll(ctx);
    ImGui::Separator();
}

void DrawRegion(const char* id, float width, void (*draw)(WindowContext&), WindowContext& ctx) {
    ImGui::BeginChild(id, ImVec2(width, kRegionHeight));
    draw(ctx);
    ImGui::EndChild();
}

// The regions sit side by side as far as the window is wide. One that would not fit beside the
// previous one starts a new row, so that the window at its first-use width (700 pixels, less
// than the four regions need) still shows every control.
void SameLineIfFits(float nextWidth) {
    const float spacing = ImGui::GetStyle().ItemSpacing.x;
    const float right = ImGui::GetWindowPos().x + ImGui::GetWindowContentRegionMax().x;
    if (ImGui::GetItemRectMax().x + spacing + nextWidth <= right)
        ImGui::SameLine();
}

void DrawDivider() {
    ColouredButton("##divider", kDivider, ImVec2(kDividerWidth, kRegionHeight));
}

} // namespace

CameraSnapshot* SelectedWaypoint(WindowContext& ctx) {
    const auto found = ctx.dollyCam.snapshots->find(ctx.selectedFrame);
    return found == ctx.dollyCam.snapshots->end() ? nullptr : &found->second;
}

void DrawSnapshotsPanel(WindowContext& ctx) {
    DrawButtonRow(ctx);
    const float tableWidth =
        std::min(ImGui::GetContentRegionAvail().x - kTableMargin, kTableMaxWidth);
    DrawRegion("##snaptable", tableWidth, DrawSnapshotTable, ctx);
    SameLineIfFits(kFovPanelWidth);
    DrawRegion("##fovsel", kFovPanelWidth, DrawFovPanel, ctx);
    // The divider stays with the panel it introduces.
    SameLineIfFits(kDividerWidth + ImGui::GetStyle().ItemSpacing.x + kTimingPanelWidth);
    DrawDivider();
    ImGui::SameLine();
    DrawRegion("##adjpanel", kTimingPanelWidth, DrawTimingPanel, ctx);
}
