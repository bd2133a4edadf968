// The "Path Tools" section: one-shot mirror and reverse through the same path operations as
// the console, and live offset, scale and rotation of the whole path (ui/LiveTransforms.h).

#include <imgui.h>

#include "tools/PathTransforms.h"
#include "ui/FiniteEdit.h"
#include "ui/LiveTransforms.h"
#include "ui/PanelLook.h"
#include "ui/Panels.h"

namespace {

// The controls' values, to put back when the path refuses them.
struct LiveControls {
    Vector offset;
    float scale;
    Vector rotation;
};

LiveControls ReadControls(const PathToolsState& tools) {
    return {tools.transformOffset, tools.transformScale, tools.transformRotation};
}

void WriteControls(PathToolsState& tools, const LiveControls& controls) {
    tools.transformOffset = controls.offset;
    tools.transformScale = controls.scale;
    tools.transformRotation = controls.rotation;
}

DragRow DrawOffset(PathToolsState& tools) {
    static const char* const labels[] = {"X##off", "Y##off", "Z##off"};
    ImGui::TextColored(kHeadingRed, "Offset");
    // World units, 10 per pixel dragged.
    return DragFiniteVector(labels, tools.transformOffset, 10.0f, 0.0f, 0.0f, "%.3f");
}

DragRow DrawScale(PathToolsState& tools) {
    ImGui::TextColored(kHeadingRed, "Scale");
    // A factor, 0.01 per pixel dragged, from 0.01 to 20.
    DragRow row;
    ImGui::PushItemWidth(140.0f);
    row.Add(DragFiniteFloat("Scale##sc", &tools.transformScale, 0.01f, 0.01f, 20.0f, "%.3f"));
    ImGui::PopItemWidth();
    return row;
}

DragRow DrawRotation(PathToolsState& tools) {
    static const char* const labels[] = {"X##rp", "Y##rp", "Z##rp"};
    ImGui::TextColored(kHeadingRed, "Rotate (degrees)");
    // Half a degree per pixel dragged.
    return DragFiniteVector(labels, tools.transformRotation, 0.5f, -360.0f, 360.0f, "%.1f");
}

// One group of live controls: the first touch takes the baseline, a change re-derives the
// path from it, and a change the path refuses is taken back from the controls too, so that
// they keep describing the path. A typed value that is not a finite number never gets as far.
// Each refusal is reported once per edit of a drag.
void RunLiveGroup(WindowContext& ctx, const char* stepName, DragRow (*drawGroup)(PathToolsState&)) {
    PathToolsState& tools = ctx.pathTools;
    const LiveControls before = ReadControls(tools);
    const DragRow row = drawGroup(tools);
    if ((row.activated || row.changed) && !tools.hasTransformBaseline)
        CaptureTransformBaseline(tools, ctx.dollyCam);
    if (row.refused)
        ctx.cvarManager.log(kTransformNotFiniteMessage);
    if (!row.changed)
        return;
    ctx.history.Name(stepName);
    const bool reported = RefusalReported(row.changedDrag);
    if (!ApplyLiveTransforms(tools, ctx.dollyCam, !reported)) {
        WriteControls(tools, before);
        MarkRefusalReported(row.changedDrag);
    }
}

void DrawMirror(WindowContext& ctx) {
    static const char* const axes[] = {"X", "Y", "Z"};
    PathToolsState& tools = ctx.pathTools;
    ImGui::TextColored(kHeadingRed, "Mirror");
    ImGui::PushItemWidth(80.0f);
    const bool known = tools.mirrorAxis >= 0 && tools.mirrorAxis < 3;
    if (ImGui::BeginCombo("Axis##mir", known ? axes[tools.mirrorAxis] : "")) {
        for (int axis = 0; axis < 3; ++axis) {
            if (ImGui::Selectable(axes[axis], tools.mirrorAxis == axis))
                tools.mirrorAxis = axis;
        }
        ImGui::EndCombo();
    }
    ImGui::PopItemWidth();
    ImGui::SameLine();
    ImGui::Checkbox("Mirror Rotation##mir", &tools.mirrorRotation);
    ImGui::SameLine();
    if (ImGui::Button("Apply Mirror")) {
        ctx.history.Name("Path mirrored");
        ctx.dollyCam.MirrorPath(tools.mirrorAxis, tools.mirrorRotation);
        CommitIfChangedElsewhere(tools, *ctx.dollyCam.snapshots);
    }
    ImGui::Separator();
}

void DrawResetAndReverse(WindowContext& ctx) {
    if (ImGui::Button("Reset Transforms")) {
        ctx.history.Name("Transforms reset");
        ResetTransforms(ctx.pathTools, ctx.dollyCam);
    }
    ImGui::SameLine();
    if (ImGui::Button("Reverse Path")) {
        ctx.history.Name("Path reversed");
        ctx.dollyCam.ReversePath();
        CommitIfChangedElsewhere(ctx.pathTools, *ctx.dollyCam.snapshots);
    }
}

} // namespace

void DrawPathToolsPanel(WindowContext& ctx) {
    // Before anything else: an edit made elsewhere since the last live change becomes the
    // base of the next one instead of being undone by it.
    CommitIfChangedElsewhere(ctx.pathTools, *ctx.dollyCam.snapshots);
    if (ctx.dollyCam.snapshots->empty()) {
        DrawNoWaypoints();
        return;
    }
    DrawMirror(ctx);
    RunLiveGroup(ctx, "Path offset", DrawOffset);
    ImGui::Separator();
    RunLiveGroup(ctx, "Path scaled", DrawScale);
    ImGui::Separator();
    RunLiveGroup(ctx, "Path rotated", DrawRotation);
    ImGui::Separator();
    DrawResetAndReverse(ctx);
}
