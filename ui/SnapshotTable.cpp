// The waypoint table of the snapshots panel: one row per waypoint in frame order, numbered
// from 1 as the console's snapshot commands number them.

#include <imgui.h>

#include <cstdio>
#include <string>

#include "ui/PanelLook.h"
#include "ui/SnapshotsRegions.h"

namespace {

constexpr int kColumns = 6;
// Column widths, pixels: frame, location, rotation, FOV, weight, delete.
constexpr float kColumnWidths[kColumns] = {75, 165, 135, 45, 55, 35};
constexpr const char* kHeadings[kColumns] = {"Frame", "Location", "Rotation",
                                             "FOV",   "Weight",   "Del"};

void SetColumnWidths() {
    float offset = 0.0f;
    for (int c = 1; c < kColumns; ++c) {
        offset += kColumnWidths[c - 1];
        ImGui::SetColumnOffset(c, offset);
    }
}

void DrawHeadings() {
    for (const char* heading : kHeadings) {
        ImGui::TextColored(kHeadingRed, "%s", heading);
        ImGui::NextColumn();
    }
    ImGui::Separator();
}

// One row; true when its delete button was pressed.
bool DrawRow(WindowContext& ctx, int row, const CameraSnapshot& w) {
    char label[64];
    std::snprintf(label, sizeof label, "%d: %d##r%d", row, w.frame, row);
    // The row spans the delete button's column too; the button must still take its clicks.
    if (ImGui::Selectable(label, w.frame == ctx.selectedFrame,
                          ImGuiSelectableFlags_SpanAllColumns |
                              ImGuiSelectableFlags_AllowItemOverlap))
        ctx.selectedFrame = w.frame;
    ImGui::NextColumn();
    ImGui::Text("%.0f,%.0f,%.0f", w.location.X, w.location.Y, w.location.Z);
    ImGui::NextColumn();
    ImGui::Text("%.0f,%.0f,%.0f", w.rotation.pitch, w.rotation.yaw, w.rotation.roll);
    ImGui::NextColumn();
    ImGui::Text("%.1f", w.FOV);
    ImGui::NextColumn();
    ImGui::Text("%.2f", w.weight);
    ImGui::NextColumn();
    const std::string deleteLabel = "X##" + std::to_string(row);
    const bool pressed = ColouredSmallButton(deleteLabel.c_str(), kDeleteButton);
    ImGui::NextColumn();
    return pressed;
}

void DrawRows(WindowContext& ctx) {
    int row = 1;
    for (const auto& [frame, waypoint] : *ctx.dollyCam.snapshots) {
        const bool selected = frame == ctx.selectedFrame;
        if (selected)
            ImGui::PushStyleColor(ImGuiCol_Text, kHeadingRed);
        const bool deleted = DrawRow(ctx, row, waypoint);
        if (selected)
            ImGui::PopStyleColor();
        if (deleted) {
            // The rows below have moved up: they are drawn again next frame.
            ctx.history.Name("Snapshot deleted");
            ctx.dollyCam.DeleteSnapshot(row);
            return;
        }
        ++row;
    }
}

} // namespace

void DrawSnapshotTable(WindowContext& ctx) {
    ImGui::Columns(kColumns, "##snap");
    SetColumnWidths();
    DrawHeadings();
    DrawRows(ctx);
    ImGui::Columns(1);
}
