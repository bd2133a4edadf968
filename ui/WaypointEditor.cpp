// The "Snapshots" section's lower half: the timeline strip, then the selected waypoint's
// position and rotation editors with its floor-lock status.

#include <imgui.h>

#include <cmath>

#include "math/Angles.h"
#include "math/VectorMath.h"
#include "path/PathLimits.h"
#include "ui/FiniteEdit.h"
#include "ui/PanelLook.h"
#include "ui/Panels.h"
#include "ui/Timeline.h"

namespace {

const ImVec4 kFloorLocked(0.4f, 0.9f, 0.4f, 1.0f);
const ImVec4 kFreeOfFloor(0.9f, 0.7f, 0.3f, 1.0f);

constexpr float kEditorWidth = 110.0f;   // pixels
constexpr float kPositionSpeed = 5.0f;   // world units per pixel dragged
constexpr float kRotationSpeed = 0.5f;   // degrees per pixel dragged
constexpr float kRotationLimit = 180.0f; // degrees

bool DragPosition(const char* label, float& value) {
    return ImGui::DragFloat(label, &value, kPositionSpeed, -kWorldLimit, kWorldLimit, "%.0f");
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

// Three drags on one line under a heading, on fields[k], which point into `w`; true when one
// changed. A change that leaves `w` not finite (a typed angle may be finite in degrees only),
// or a typed position outside the world, is refused: its field keeps its value.
bool DragFields(WindowContext& ctx, const char* heading, const char* const labels[3],
                float* const fields[3], bool (*drag)(const char*, float&),
                const CameraSnapshot& w) {
    ImGui::TextDisabled("%s", heading);
    ImGui::PushItemWidth(kEditorWidth);
    bool changed = false;
    for (int k = 0; k < 3; ++k) {
        if (k > 0)
            ImGui::SameLine();
        const WidgetEdit guard(labels[k]);
        const float before = *fields[k];
        const bool edited = drag(labels[k], *fields[k]);
        const bool finite = IsFinite(w);
        const char* refusal = finite ? kOutsideWorldEditMessage : kNotFiniteEditMessage;
        if (AcceptEdit(guard.Check(edited, finite && InWorld(w.location)), ctx.cvarManager,
                       refusal))
            changed = true;
        else
            *fields[k] = before;
    }
    ImGui::PopItemWidth();
    return changed;
}

void Store(WindowContext& ctx, const char* stepName, const CameraSnapshot& edited) {
    ctx.history.Name(stepName);
    (*ctx.dollyCam.snapshots)[edited.frame] = edited;
    RebuildBothStrategies(ctx.dollyCam);
}

void EditPosition(WindowContext& ctx, CameraSnapshot w) {
    static const char* const labels[] = {"X##pos", "Y##pos", "Z##pos"};
    float* const fields[] = {&w.location.X, &w.location.Y, &w.location.Z};
    if (!DragFields(ctx, "Position", labels, fields, DragPosition, w))
        return;
    // As when dragged in the view: a floor-locked waypoint stops at height 0.
    if (ctx.gizmo.UpdateFloorLock(w.frame, w.location.Z) && w.location.Z < 0.0f)
        w.location.Z = 0.0f;
    Store(ctx, "Waypoint moved", w);
}

void EditRotation(WindowContext& ctx, CameraSnapshot w) {
    static const char* const labels[] = {"Pitch##rot", "Yaw##rot", "Roll##rot"};
    float* const fields[] = {&w.rotation.pitch, &w.rotation.yaw, &w.rotation.roll};
    if (DragFields(ctx, "Rotation", labels, fields, DragAngle, w))
        Store(ctx, "Waypoint turned", w);
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
        DrawNoWaypoints();
        return;
    }
    DrawTimeline(ctx);
    DrawSelectedWaypoint(ctx);
}
