// The snapshots panel's field-of-view region: the selected waypoint's FOV, and one FOV for
// every waypoint at once. Degrees, 1 to 200 on the sliders.

#include <imgui.h>

#include <cmath>

#include "ui/FiniteEdit.h"
#include "ui/PanelLook.h"
#include "ui/SnapshotsRegions.h"

namespace {

constexpr float kSliderWidth = 165.0f; // pixels
constexpr float kMinFov = 1.0f;
constexpr float kMaxFov = 200.0f;

// True when the slider changed `fov` to a finite value; a non-finite one is refused and `fov`
// keeps its value. Typed values are not held within the slider's range.
bool FovSlider(WindowContext& ctx, const char* label, float& fov) {
    const WidgetEdit guard(label);
    float edited = fov;
    ImGui::PushItemWidth(kSliderWidth);
    const bool changed = ImGui::SliderFloat(label, &edited, kMinFov, kMaxFov);
    ImGui::PopItemWidth();
    if (!AcceptEdit(guard.Check(changed, std::isfinite(edited)), ctx.cvarManager))
        return false;
    fov = edited;
    return true;
}

void DrawSelectedFov(WindowContext& ctx) {
    CameraSnapshot* selected = SelectedWaypoint(ctx);
    if (selected == nullptr) {
        ImGui::TextDisabled("FOV");
        return;
    }
    ImGui::TextColored(kHeadingRed, "FOV [%d]", ctx.selectedFrame);
    if (FovSlider(ctx, "##fovselh", selected->FOV)) {
        ctx.history.Name("FOV changed");
        RebuildBothStrategies(ctx.dollyCam);
    }
}

void DrawAllFov(WindowContext& ctx) {
    ImGui::TextColored(kHeadingOrange, "FOV (all)");
    if (!FovSlider(ctx, "##fovallh", ctx.panels.allFov))
        return;
    ctx.history.Name("FOV of all changed");
    for (auto& entry : *ctx.dollyCam.snapshots)
        entry.second.FOV = ctx.panels.allFov;
    RebuildBothStrategies(ctx.dollyCam);
}

} // namespace

void DrawFovPanel(WindowContext& ctx) {
    DrawSelectedFov(ctx);
    ImGui::NewLine();
    DrawAllFov(ctx);
}
