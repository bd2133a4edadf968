// The "Snapshots" section's lower half: the timeline strip, then the selected waypoint's
// position and rotation editors with its floor-lock status.

#include <imgui.h>

#include <cmath>

#include "math/Angles.h"
#include "math/VectorMath.h"
#include "ui/FiniteEdit.h"
#include "ui/Panels.h"
#include "ui/SnapshotsColours.h"
#include "ui/Timeline.h"

namespace {

const ImVec4 kFloorLocked(0.4f, 0.9f, 0.4f, 1.0f);
const ImVec4 kFreeOfFloor(0.9f, 0.7f, 0.3f, 1.0f);

constexpr float kEditorWidth = 110.0f;
constexpr float kPositionSpeed = 5.0f;     // world units per pixel dragged
constexpr float kPositionLimit = 30000.0f; // world units, either side of the origin
constexpr float kRotationSpeed = 0.5f;     // degrees per pixel dragged
constexpr float kRotationLimit = 180.0f;   // degrees

bool DragPosition(const char* label, float& value) {
    return ImGui::DragFloat(label, &value, kPositionSpeed, -kPositionLimit, kPositionLimit, "%.0f");
}

// Shown in degrees, stored in rotator units. Only an edited angle is converted back, so the
// other two keep their units exactly (and stay beyond +-180 degrees if stored so).
bool DragAngle(const char* label, float& units) {
    float degrees = units * Quorvel::Math::kUnitsToDegrees;
    if (!ImGui::DragFloat(label, &degrees, kRotationSpeed, -kRotationLimit, kRotationLimit, "%.1f"))
        return false;
    units = degrees * Quorvel::Math::kDegreesToUnits;
    return true;
}

bool IsFinite(const CameraSnapshot& w) {
    const FloatRotator& r = w.rotation;
    return Quorvel::Math::IsFinite(w.location) && std::isfinite(r.pitch) && std::isfinite(r.yaw) &&
           std::isfinite(r.roll);
}

void Store(WindowContext& ctx, const CameraSnapshot& edited) {
    (*ctx.dollyCam.snapshots)[edited.frame] = edited;
    RebuildBothStrategies(ctx.dollyCam);
}

void EditPosition(WindowContext& ctx, CameraSnapshot w) {
    ImGui::TextDisabled("Position");
    ImGui::PushItemWidth(kEditorWidth);
    bool changed = DragPosition("X##pos", w.location.X);
    ImGui::SameLine();
    changed |= DragPosition("Y##pos", w.location.Y);
    ImGui::SameLine();
    changed |= DragPosition("Z##pos", w.location.Z);
    ImGui::PopItemWidth();
    if (!changed || !AcceptEdit(ctx.cvarManager, IsFinite(w)))
        return;
    // As when dragged in the view: a floor-locked waypoint stops at height 0.
    if (ctx.gizmo.UpdateFloorLock(w.frame, w.location.Z) && w.location.Z < 0.0f)
        w.location.Z = 0.0f;
    Store(ctx, w);
}

void EditRotation(WindowContext& ctx, CameraSnapshot w) {
    ImGui::TextDisabled("Rotation");
    ImGui::PushItemWidth(kEditorWidth);
    bool changed = DragAngle("Pitch##rot", w.rotation.pitch);
    ImGui::SameLine();
    changed |= DragAngle("Yaw##rot", w.rotation.yaw);
    ImGui::SameLine();
    changed |= DragAngle("Roll##rot", w.rotation.roll);
    ImGui::PopItemWidth();
    if (changed && AcceptEdit(ctx.cvarManager, IsFinite(w)))
        Store(ctx, w);
}

void DrawDeselectAndFloor(WindowContext& ctx, const CameraSnapshot& w) {
    if (ImGui::Button("Deselect"))
        ctx.selectedFrame = -1;
    ImGui::SameLine();
    if (ctx.gizmo.UpdateFloorLock(w.frame, w.location.Z))
        ImGui::TextColored(kFloorLocked, "[Floor locked]");
    else
        ImGui::TextColored(kFreeOfFloor, "[Free / underground]");
}

void DrawSelectedWaypoint(WindowContext& ctx) {
    const SnapshotMap& path = *ctx.dollyCam.snapshots;
    if (path.count(ctx.selectedFrame) == 0)
        return;
    const CameraSnapshot w = ctx.dollyCam.GetSnapshot(ctx.selectedFrame);
    ImGui::TextColored(kHeadingRed, "Frame %d | t=%.3fs | FOV=%.1f", w.frame, w.timestamp, w.FOV);
    EditPosition(ctx, w);
    EditRotation(ctx, ctx.dollyCam.GetSnapshot(w.frame));
    DrawDeselectAndFloor(ctx, ctx.dollyCam.GetSnapshot(w.frame));
}

} // namespace

void DrawWaypointEditor(WindowContext& ctx) {
    if (ctx.dollyCam.snapshots->empty()) {
        ImGui::TextColored(kHeadingOrange, "No waypoints.");
        return;
    }
    DrawTimeline(ctx);
    BeginEditRefusals();
    DrawSelectedWaypoint(ctx);
}
