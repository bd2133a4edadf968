// One frame of the settings window.

#include <imgui.h>

#include <string>

#include "ui/HistoryControls.h"
#include "ui/Panels.h"
#include "ui/SettingsWindow.h"

namespace {

// Every change of the number of waypoints (two or more) picks cubic Hermite for the location
// and the B-spline for the rotation, through the console so that the variables show it. A
// choice made by hand afterwards stands until the count changes again.
void ChooseModesForWaypointCount(WindowContext& ctx, int count) {
    if (count < 2 || count == ctx.autoModeWaypointCount)
        return;
    ctx.cvarManager.executeCommand("dolly_interpmode_location 7", false);
    ctx.cvarManager.executeCommand("dolly_interpmode_rotation 5", false);
    ctx.autoModeWaypointCount = count;
}

void DrawSections(WindowContext& ctx) {
    if (ImGui::CollapsingHeader("Snapshots", ImGuiTreeNodeFlags_DefaultOpen)) {
        DrawSnapshotsPanel(ctx);
        ImGui::Separator();
        DrawWaypointEditor(ctx);
    }
    if (ImGui::CollapsingHeader("Motion Graph"))
        DrawMotionGraph(ctx);
    if (ImGui::CollapsingHeader("Reference Shapes"))
        DrawShapesPanel(ctx);
    if (ImGui::CollapsingHeader("Path Tools"))
        DrawPathToolsPanel(ctx);
}

// The window's own close button cleared the open flag: the host's menu closes with it.
void CloseHostMenuIfClosed(WindowContext& ctx) {
    if (!ctx.isWindowOpen)
        ctx.cvarManager.executeCommand(std::string("togglemenu ") + kWindowMenuName, true);
}

} // namespace

void DrawSettingsWindow(WindowContext& ctx) {
    if (!ctx.panels.themeApplied) {
        ApplyWindowTheme(ImGui::GetStyle());
        ctx.panels.themeApplied = true;
    }
    ImGui::SetNextWindowSize(ImVec2(700.0f, 600.0f), ImGuiCond_FirstUseEver); // pixels
    if (!ImGui::Begin(kWindowTitle, &ctx.isWindowOpen, 0)) {
        // Collapsed or clipped; the close button still works on a collapsed window.
        ctx.blockGameInput = ImGui::GetIO().WantCaptureMouse;
        ImGui::End();
        CloseHostMenuIfClosed(ctx);
        return;
    }
    ImGui::Text("Waypoints: %d", static_cast<int>(ctx.dollyCam.snapshots->size()));
    DrawHistoryButtons(ctx);
    HandleHistoryKeys(ctx);
    ImGui::Separator();
    // Counted again: an undo or redo just now may have changed it.
    ChooseModesForWaypointCount(ctx, static_cast<int>(ctx.dollyCam.snapshots->size()));
    DrawSections(ctx);
    ImGui::End();
    CloseHostMenuIfClosed(ctx);
    const ImGuiIO& io = ImGui::GetIO();
    ctx.blockGameInput = io.WantCaptureMouse || io.WantCaptureKeyboard;
}

void RebuildBothStrategies(DollyCam& dollyCam) {
    dollyCam.UpdateLocationStrategy();
    dollyCam.UpdateRotationStrategy();
}
