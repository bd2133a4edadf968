// Drawing the timeline strip and following a dot's drag, in canvas pixels.

#include "ui/Timeline.h"

#include <imgui.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>

#include "ui/PanelLook.h"
#include "ui/TimelineTrack.h"

namespace {

// Strip geometry, pixels from the strip's top-left corner.
constexpr float kStripHeight = 80.0f;
constexpr float kTrackInset = 20.0f;  // from each side
constexpr float kTrackY = 48.0f;      // the track line's height
constexpr float kHeightTaken = 84.0f; // the strip and a gap below it
constexpr float kDotRadius = 6.0f;
constexpr float kSelectedDotRadius = 8.0f;
constexpr float kHoverReach = 5.0f;         // beyond a dot's radius
constexpr float kMinDragDistanceSqr = 4.0f; // 2 pixels, squared, before a press becomes a drag

const ImU32 kBackground = IM_COL32(20, 20, 30, 220);
const ImU32 kTrackLine = IM_COL32(80, 80, 100, 200);
const ImU32 kDraggedDot = IM_COL32(255, 255, 80, 255); // wins over the other dot colours
const ImU32 kDotNumber = IM_COL32(220, 220, 220, 220);
const ImU32 kHoverRing = IM_COL32(255, 255, 255, 120);

// What a frame of the strip works with.
struct Strip {
    WindowContext& ctx;
    const TimelineTrack track;
    const float lineY; // the track line, canvas pixels
    const bool hovered;
};

// Follows the mouse while the button is held; writes the target on release.
void UpdateDrag(WindowContext& ctx, const TimelineTrack& track) {
    TimelineDrag& drag = ctx.panels.timeline;
    const ImGuiIO& io = ImGui::GetIO();
    if (io.MouseDown[0]) {
        if (io.MouseDragMaxDistanceSqr[0] < kMinDragDistanceSqr)
            return;
        const auto target = DragTarget(*ctx.dollyCam.snapshots, drag.dragFrame,
                                       track.TimeAt(io.MousePos.x), ctx.dollyCam.ReplayFrameRate());
        if (!target)
            return;
        drag.targetFrame = target->frame;
        drag.targetTime = target->time;
        drag.dragTime = target->drawnTime;
        return;
    }
    SnapshotMap& path = *ctx.dollyCam.snapshots;
    const auto dragged = path.find(drag.dragFrame);
    // Another waypoint may have been put on the target frame since the target was chosen.
    const bool targetFree = drag.targetFrame == drag.dragFrame || path.count(drag.targetFrame) == 0;
    if (drag.targetFrame >= 0 && dragged != path.end() && targetFree) {
        ctx.history.Name("Waypoint re-timed");
        CameraSnapshot moved = dragged->second;
        path.erase(dragged);
        moved.frame = drag.targetFrame;
        moved.timestamp = drag.targetTime;
        path[moved.frame] = moved;
        RebuildBothStrategies(ctx.dollyCam);
        // The selection stays on the waypoint the user is re-timing.
        if (ctx.selectedFrame == drag.dragFrame)
            ctx.selectedFrame = moved.frame;
    }
    drag.Reset();
}

ImU32 DotColour(const Strip& strip, const CameraSnapshot& w, bool endDot) {
    if (w.frame == strip.ctx.panels.timeline.dragFrame)
        return kDraggedDot;
    return WaypointDotColour(endDot, w.frame == strip.ctx.selectedFrame);
}

// A press over the dot selects its waypoint and, unless it is an end dot, starts a drag.
void PickDot(const Strip& strip, const CameraSnapshot& w, bool endDot) {
    const ImGuiIO& io = ImGui::GetIO();
    if (!io.MouseDown[0] || io.MouseDownDuration[0] != 0.0f)
        return;
    strip.ctx.selectedFrame = w.frame;
    if (endDot)
        return;
    TimelineDrag& drag = strip.ctx.panels.timeline;
    drag.dragFrame = drag.targetFrame = w.frame;
    drag.targetTime = drag.dragTime = w.timestamp;
}

void DrawDot(const Strip& strip, const CameraSnapshot& w, int number, bool endDot) {
    const TimelineDrag& drag = strip.ctx.panels.timeline;
    const float time = w.frame == drag.dragFrame ? drag.dragTime : w.timestamp;
    const ImVec2 centre(strip.track.XAt(time), strip.lineY);
    const float radius = w.frame == strip.ctx.selectedFrame ? kSelectedDotRadius : kDotRadius;
    ImDrawList* draw = ImGui::GetWindowDrawList();
    draw->AddCircleFilled(centre, radius, DotColour(strip, w, endDot), 12);
    draw->AddCircle(centre, radius - 0.5f, kDotOutline, 12, 1.5f);
    char text[16];
    std::snprintf(text, sizeof text, "%d", number);
    draw->AddText(ImVec2(centre.x - 4.0f, strip.lineY - radius - 14.0f), kDotNumber, text);

    const ImVec2 mouse = ImGui::GetIO().MousePos;
    const float dx = mouse.x - centre.x;
    const float dy = mouse.y - centre.y;
    if (!strip.hovered || std::sqrt(dx * dx + dy * dy) >= radius + kHoverReach)
        return;
    draw->AddCircle(centre, radius + 2.5f, kHoverRing, 12, 1.0f);
    PickDot(strip, w, endDot);
}

void DrawDots(const Strip& strip) {
    // A press changes only the selection and the drag state, never the path, so the dots
    // already drawn this frame keep their look until the next one.
    const SnapshotMap& path = *strip.ctx.dollyCam.snapshots;
    int number = 1;
    for (auto it = path.begin(); it != path.end(); ++it, ++number) {
        const bool endDot = it == path.begin() || std::next(it) == path.end();
        DrawDot(strip, it->second, number, endDot);
    }
}

} // namespace

void DrawTimeline(WindowContext& ctx) {
    const ImVec2 origin = ImGui::GetCursorScreenPos();
    const float width = std::max(1.0f, ImGui::GetContentRegionAvail().x);
    const TimelineTrack track = MakeTimelineTrack(*ctx.dollyCam.snapshots, origin.x + kTrackInset,
                                                  width - 2.0f * kTrackInset);
    const float lineY = origin.y + kTrackY;
    ImDrawList* draw = ImGui::GetWindowDrawList();
    draw->AddRectFilled(origin, ImVec2(origin.x + width, origin.y + kStripHeight), kBackground);
    draw->AddLine(ImVec2(track.left, lineY), ImVec2(track.left + track.width, lineY), kTrackLine,
                  1.5f);
    ImGui::InvisibleButton("##tlc", ImVec2(width, kStripHeight));
    const bool hovered = ImGui::IsItemHovered();

    if (ctx.panels.timeline.Active())
        UpdateDrag(ctx, track);
    DrawDots(Strip{ctx, track, lineY, hovered});
    const TimelineDrag& drag = ctx.panels.timeline;
    if (drag.Active() && drag.targetTime >= 0.0f)
        ImGui::SetTooltip("t = %.2f s", drag.targetTime);
    ImGui::SetCursorScreenPos(ImVec2(origin.x, origin.y + kHeightTaken));
}
