// The "Motion Graph" section: progress through the path (up) over time (across), with one
// cubic Bezier per segment whose handles mirror the 3D Bezier handles. It changes nothing.

#include <imgui.h>

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <vector>

#include "ui/GraphHandle.h"
#include "ui/PanelLook.h"
#include "ui/Panels.h"
#include "ui/WholePathActions.h"

namespace {

// Panel metrics, pixels.
constexpr float kPanelHeight = 180.0f;
constexpr float kPanelAdvance = 184.0f;
constexpr float kPlotInset = 24.0f; // left and right of the plot
constexpr float kPlotTop = 12.0f;
constexpr float kPlotHeight = 156.0f;
constexpr float kRounding = 5.0f;
constexpr int kCurvePieces = 32;
constexpr float kHandleDotRadius = 5.0f;
constexpr int kHandleDotSegments = 12;

const ImU32 kBackground = IM_COL32(14, 16, 26, 245);
const ImU32 kBorder = IM_COL32(55, 80, 130, 220);
const ImU32 kGrid = IM_COL32(45, 50, 75, 140);
const ImU32 kWaypointVertical = IM_COL32(40, 60, 40, 100);
const ImU32 kLinearReference = IM_COL32(70, 70, 100, 160);
const ImU32 kCurve = IM_COL32(50, 200, 255, 220);
const ImU32 kOutLine = IM_COL32(255, 160, 50, 190);
const ImU32 kOutDot = IM_COL32(255, 160, 50, 255);
const ImU32 kInLine = IM_COL32(50, 220, 120, 190);
const ImU32 kInDot = IM_COL32(50, 220, 120, 255);
const ImU32 kDotNumber = IM_COL32(200, 200, 200, 220);

// The plot's place on screen.
struct GraphArea {
    float left;
    float top;
    float width;

    ImVec2 ToScreen(GraphVec p) const {
        return ImVec2(left + p.u * width, top + (1.0f - p.v) * kPlotHeight);
    }
};

void DrawBackground(ImDrawList& draw, ImVec2 origin, float width) {
    const ImVec2 far(origin.x + width, origin.y + kPanelHeight);
    draw.AddRectFilled(origin, far, kBackground, kRounding);
    draw.AddRect(ImVec2(origin.x + 0.5f, origin.y + 0.5f), ImVec2(far.x - 0.5f, far.y - 0.5f),
                 kBorder, kRounding, 0, 1.5f);
}

void DrawGuides(ImDrawList& draw, const GraphArea& area,
                const std::vector<CameraSnapshot>& waypoints) {
    for (const float v : {1.0f, 0.75f, 0.5f, 0.25f, 0.0f})
        draw.AddLine(area.ToScreen({0.0f, v}), area.ToScreen({1.0f, v}), kGrid, 1.0f);
    for (std::size_t i = 0; i < waypoints.size(); ++i) {
        const float u = GraphPoint(waypoints, i).u;
        draw.AddLine(area.ToScreen({u, 1.0f}), area.ToScreen({u, 0.0f}), kWaypointVertical, 1.0f);
    }
    draw.AddLine(area.ToScreen({0.0f, 0.0f}), area.ToScreen({1.0f, 1.0f}), kLinearReference, 1.0f);
}

// Keeps a handle's time between its segment's ends, whichever way round they are.
GraphVec WithinSegment(GraphVec p, float u0, float u1) {
    p.u = std::clamp(p.u, std::min(u0, u1), std::max(u0, u1));
    return p;
}

GraphVec Plus(GraphVec a, GraphVec b) {
    return {a.u + b.u, a.v + b.v};
}

void DrawSegment(ImDrawList& draw, const GraphArea& area,
                 const std::vector<CameraSnapshot>& waypoints, std::size_t i) {
    const GraphVec p0 = GraphPoint(waypoints, i);
    const GraphVec p3 = GraphPoint(waypoints, i + 1);
    const GraphVec p1 =
        WithinSegment(Plus(p0, GraphHandle(waypoints, i, GraphHandleSide::Out)), p0.u, p3.u);
    const GraphVec p2 =
        WithinSegment(Plus(p3, GraphHandle(waypoints, i + 1, GraphHandleSide::In)), p0.u, p3.u);
    const ImVec2 s0 = area.ToScreen(p0);
    const ImVec2 s1 = area.ToScreen(p1);
    const ImVec2 s2 = area.ToScreen(p2);
    const ImVec2 s3 = area.ToScreen(p3);
    draw.AddBezierCubic(s0, s1, s2, s3, kCurve, 2.0f, kCurvePieces);
    draw.AddLine(s0, s1, kOutLine, 1.2f);
    draw.AddLine(s3, s2, kInLine, 1.2f);
    draw.AddCircleFilled(s1, kHandleDotRadius, kOutDot, kHandleDotSegments);
    draw.AddCircleFilled(s2, kHandleDotRadius, kInDot, kHandleDotSegments);
}

void DrawWaypointDots(ImDrawList& draw, const GraphArea& area,
                      const std::vector<CameraSnapshot>& waypoints, int selectedFrame) {
    for (std::size_t i = 0; i < waypoints.size(); ++i) {
        const bool selected = waypoints[i].frame == selectedFrame;
        const float radius = selected ? 7.0f : 5.0f;
        const ImVec2 centre = area.ToScreen(GraphPoint(waypoints, i));
        const bool endDot = i == 0 || i + 1 == waypoints.size();
        draw.AddCircleFilled(centre, radius, WaypointDotColour(endDot, selected));
        draw.AddCircle(centre, radius - 0.5f, kDotOutline, 0, 1.5f);
        char number[16];
        std::snprintf(number, sizeof number, "%d", static_cast<int>(i + 1));
        draw.AddText(ImVec2(centre.x - 4.0f, centre.y - radius - 13.0f), kDotNumber, number);
    }
}

} // namespace

// cppcheck-suppress constParameter ; every panel takes the same context, most of them to edit
void DrawMotionGraph(WindowContext& ctx) {
    const std::vector<CameraSnapshot> waypoints = WaypointsInFrameOrder(*ctx.dollyCam.snapshots);
    if (waypoints.size() < 2) {
        ImGui::TextColored(kHeadingOrange, "Need at least 2 waypoints.");
        return;
    }
    const ImVec2 origin = ImGui::GetCursorScreenPos();
    // A window narrower than the margins still gets a panel one pixel wide: ImGui refuses an
    // item of no width.
    const float width = std::max(1.0f, ImGui::GetContentRegionAvail().x - 4.0f);
    const GraphArea area{origin.x + kPlotInset, origin.y + kPlotTop, width - 2.0f * kPlotInset};
    ImDrawList& draw = *ImGui::GetWindowDrawList();
    DrawBackground(draw, origin, width);
    DrawGuides(draw, area, waypoints);
    for (std::size_t i = 0; i + 1 < waypoints.size(); ++i)
        DrawSegment(draw, area, waypoints, i);
    DrawWaypointDots(draw, area, waypoints, ctx.selectedFrame);
    ImGui::InvisibleButton("##graphbg", ImVec2(width, kPanelHeight));
    ImGui::SetCursorScreenPos(ImVec2(origin.x, origin.y + kPanelAdvance));
    ImGui::TextDisabled("Visual only — reflects 3D handle values live");
}
