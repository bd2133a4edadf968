// The snapshots panel's timing region: the selected waypoint a few frames earlier or later,
// the whole path by a few frames or by a typed amount, or the path started at the frame the
// replay shows. Everything here is in replay frames.

#include <imgui.h>

#include <string>

#include "ui/FrameMoves.h"
#include "ui/PanelLook.h"
#include "ui/SnapshotsRegions.h"

namespace {

constexpr int kNudges = 6;
constexpr int kNudgeDeltas[kNudges] = {-15, -10, -5, 5, 10, 15};
// Padded so the six buttons line up.
constexpr const char* kNudgeTexts[kNudges] = {"-15", "-10", " -5", " +5", "+10", "+15"};
constexpr float kNudgeWidth = 33.0f;       // pixels
constexpr float kShiftAmountWidth = 80.0f; // pixels

// Six buttons on one line, identified by `suffix` and their position; the pressed one's
// delta, or 0.
int NudgeButtons(const char* suffix) {
    int pressed = 0;
    for (int i = 0; i < kNudges; ++i) {
        if (i > 0)
            ImGui::SameLine();
        const std::string label = kNudgeTexts[i] + std::string(suffix) + std::to_string(i);
        if (ImGui::Button(label.c_str(), ImVec2(kNudgeWidth, 0)))
            pressed = kNudgeDeltas[i];
    }
    ImGui::NewLine();
    return pressed;
}

void NudgeSelected(WindowContext& ctx) {
    ImGui::TextColored(kHeadingRed, "F[%d]", ctx.selectedFrame);
    const int delta = NudgeButtons("##fadj");
    if (delta == 0)
        return;
    ctx.history.Name("Waypoint re-timed");
    // The move rebuilds the strategies itself; a refused move leaves the selection as it was.
    ctx.selectedFrame = MoveWaypointFrame(ctx.dollyCam, ctx.selectedFrame, delta);
}

void NudgeAll(WindowContext& ctx) {
    ImGui::TextColored(kHeadingOrange, "F[All]");
    const int delta = NudgeButtons("##aadj");
    if (delta == 0)
        return;
    ctx.history.Name("Path shifted");
    ShiftAllFrames(ctx.dollyCam, delta, ctx.selectedFrame);
}

// The first waypoint goes to the frame the replay shows now; outside a replay nothing moves.
void StartPathAtCurrentFrame(WindowContext& ctx) {
    const SnapshotMap& path = *ctx.dollyCam.snapshots;
    if (!ctx.gameWrapper.IsInReplay() || path.empty())
        return;
    ReplayServerWrapper replay = ctx.gameWrapper.GetGameEventAsReplay();
    if (replay.IsNull())
        return;
    const long long delta =
        static_cast<long long>(replay.GetCurrentReplayFrame()) - path.begin()->first;
    ctx.history.Name("Path shifted");
    ShiftAllFrames(ctx.dollyCam, delta, ctx.selectedFrame);
}

void MovePath(WindowContext& ctx) {
    ImGui::TextColored(kHeadingRed, "Move path");
    ImGui::PushItemWidth(kShiftAmountWidth);
    ImGui::InputInt("##frameshiftamt", &ctx.panels.shiftAmount);
    ImGui::PopItemWidth();
    ImGui::SameLine();
    if (ImGui::Button("Shift All##bigshift")) {
        ctx.history.Name("Path shifted");
        ShiftAllFrames(ctx.dollyCam, ctx.panels.shiftAmount, ctx.selectedFrame);
    }
    if (ImGui::Button("Start path at current frame"))
        StartPathAtCurrentFrame(ctx);
}

} // namespace

void DrawTimingPanel(WindowContext& ctx) {
    ImGui::PushStyleVar(ImGuiStyleVar_ItemSpacing, ImVec2(4, 4));
    if (SelectedWaypoint(ctx) == nullptr) {
        ImGui::TextDisabled("Select a waypoint");
    } else {
        NudgeSelected(ctx);
        NudgeAll(ctx);
        MovePath(ctx);
    }
    ImGui::PopStyleVar();
}
