// Undo and redo, and where the path's changes become steps (core/PathHistory.h):
//   a console command is one step, named after the command;
//   a frame of the settings window ends a step unless one of its widgets is held;
//   a gizmo drag is one step from press to release.
// A command ends the step under way before it runs, and its own after, so a command typed in
// the middle of a drag is a step of its own between two parts of the drag. Undo and redo go
// through the same wrapper: both ends find nothing new.

#include <imgui.h>

#include "plugin/DollyCamPlugin.h"
#include "ui/LiveTransforms.h"

namespace {

struct CommandStep {
    const char* command;
    const char* step;
};

// Commands that may change the path, and what their step is called.
constexpr CommandStep kCommandSteps[] = {
    {"dolly_snapshot_take", "Snapshot taken"},
    {"dolly_cam_clone", "Camera cloned"},
    {"dolly_snapshot_override", "Snapshot overridden"},
    {"dolly_snapshot_delete", "Snapshot deleted"},
    {"dolly_bezier_weight", "Weight set"},
    {"dolly_path_clear", "Path cleared"},
    {"dolly_path_load", "Path loaded"},
    {"dolly_path_mirror", "Path mirrored"},
    {"dolly_path_offset", "Path offset"},
    {"dolly_path_scale", "Path scaled"},
    {"dolly_path_rotate", "Path rotated"},
    {"dolly_path_reverse", "Path reversed"},
    {"dolly_path_smooth", "Path smoothed"},
    {"dolly_preset_load", "Preset loaded"},
};

const char* CommandStepName(const std::string& command) {
    for (const CommandStep& entry : kCommandSteps)
        if (command == entry.command)
            return entry.step;
    return "";
}

// The gizmo is mid-drag only while the left button is held: a release it has not seen yet
// (its drawable runs after the window) already ends the drag.
bool GizmoDragHeld(const HandleGizmo& gizmo) {
    const bool dragging = gizmo.draggedWaypointFrame >= 0 || gizmo.draggedHandleFrame >= 0;
    return dragging && ImGui::GetCurrentContext() != nullptr && ImGui::GetIO().MouseDown[0];
}

} // namespace

void DollyCamPlugin::RunCommandAsStep(
    const std::vector<std::string>& params,
    void (DollyCamPlugin::*member)(const std::vector<std::string>&)) {
    history.Checkpoint(*dollyCam->snapshots, selectedFrame);
    if (!params.empty())
        history.Name(CommandStepName(params.front()));
    (this->*member)(params);
    history.Checkpoint(*dollyCam->snapshots, selectedFrame);
}

void DollyCamPlugin::onHistoryCommand(const std::vector<std::string>& params) {
    if (params.empty())
        return;
    StepHistory(params.front() == "dolly_redo" ? HistoryStep::Redo : HistoryStep::Undo);
}

void DollyCamPlugin::StepHistory(HistoryStep step) {
    const bool redo = step == HistoryStep::Redo;
    const SnapshotMap& path = *dollyCam->snapshots;
    const auto name = redo ? history.Redo(path, selectedFrame) : history.Undo(path, selectedFrame);
    if (!name) {
        cvarManager->log(redo ? "Nothing to redo" : "Nothing to undo");
        return;
    }
    // The map object stays: the strategies and the overlay hold the same shared pointer.
    *dollyCam->snapshots = history.Current().path;
    selectedFrame = history.Current().selectedFrame;
    dollyCam->UpdateLocationStrategy();
    dollyCam->UpdateRotationStrategy();
    // An undo is a change made elsewhere: the live transforms are committed, so the controls
    // describe the path as it now is. A timeline drag under way would land on another path.
    CommitIfChangedElsewhere(pathTools, *dollyCam->snapshots);
    panels.timeline.Reset();
    cvarManager->log((redo ? "Redid: " : "Undid: ") + *name);
}

void DollyCamPlugin::CheckpointHistoryUnlessHeld() {
    if (windowGestureHeld || GizmoDragHeld(gizmo))
        return;
    history.Checkpoint(*dollyCam->snapshots, selectedFrame);
}
