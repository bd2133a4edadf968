#include "tools/SnapshotCommands.h"

#include <algorithm>

#include "path/PathLimits.h"
#include "tools/ArgumentParsing.h"
#include "tools/SnapshotPrinting.h"

namespace {

using Arguments = std::vector<std::string>;

// --- The live camera -------------------------------------------------------------------------

void SetCameraLocation(const CommandContext& context, const ArgumentReader& reader) {
    Vector location;
    if (reader.Require(4, "Usage: x y z") && reader.ReadCoordinate(1, location.X) &&
        reader.ReadCoordinate(2, location.Y) && reader.ReadCoordinate(3, location.Z))
        context.gameWrapper->GetCamera().SetLocation(location);
}

// Raw rotator units (65536 a turn), not degrees.
void SetCameraRotation(const CommandContext& context, const ArgumentReader& reader) {
    Rotator rotation;
    if (reader.Require(4, "Usage: p y r") && reader.ReadWholeUnits(1, rotation.Pitch) &&
        reader.ReadWholeUnits(2, rotation.Yaw) && reader.ReadWholeUnits(3, rotation.Roll))
        context.gameWrapper->GetCamera().SetRotation(rotation);
}

void SetCameraFov(const CommandContext& context, const ArgumentReader& reader) {
    float fov = 0.0f;
    if (reader.Require(2, "Usage: fov") && reader.ReadFloat(1, fov))
        context.gameWrapper->GetCamera().SetFOV(fov);
}

void JumpToFrame(const CommandContext& context, const ArgumentReader& reader) {
    int frame = 0;
    if (!reader.Require(2, "Usage: frame") || !reader.ReadInt(1, frame))
        return;
    ReplayServerWrapper replay = context.gameWrapper->GetGameEventAsReplay();
    if (!replay.IsNull())
        replay.SkipToFrame(frame);
}

// --- Snapshots -------------------------------------------------------------------------------

// Says why a snapshot was not stored, when the path refused it; true if it did.
bool ReportRefusal(CVarManagerWrapper& console, SnapshotStoreResult result) {
    if (result == SnapshotStoreResult::SpanTooLong)
        console.log(kPathSpanMessage);
    else if (result == SnapshotStoreResult::OutsideWorld)
        console.log(kCameraOutsideWorldMessage);
    else
        return false;
    return true;
}

void TakeAndReport(const CommandContext& context) {
    SnapshotStoreResult result;
    const CameraSnapshot snapshot = context.dollyCam->TakeSnapshot(true, result);
    CVarManagerWrapper& console = *context.cvarManager;
    if (ReportRefusal(console, result))
        return;
    if (result != SnapshotStoreResult::Stored || snapshot.frame < 0)
        console.log("Failed to create snapshot");
    else
        console.log("Saved snapshot #" + std::to_string(snapshot.frame));
}

void ListSnapshots(const CommandContext& context) {
    // The keys first: printing goes through copies, never through the live map.
    const SnapshotMap& path = *context.dollyCam->snapshots;
    std::vector<int> frames(path.size());
    std::transform(path.begin(), path.end(), frames.begin(),
                   [](const auto& entry) { return entry.first; });
    for (const int frame : frames)
        PrintSnapshot(*context.cvarManager, context.dollyCam->GetSnapshot(frame));
    context.cvarManager->log("Total: " + std::to_string(frames.size()));
}

void ShowSnapshotInfo(const CommandContext& context, const ArgumentReader& reader) {
    int frame = 0;
    if (!reader.Require(2, "Usage: id") || !reader.ReadInt(1, frame))
        return;
    if (context.dollyCam->snapshots->count(frame) == 0)
        context.cvarManager->log("Snapshot not found");
    else
        PrintSnapshot(*context.cvarManager, context.dollyCam->GetSnapshot(frame));
}

// Replaces (or creates) the waypoint at a frame with the live camera, shape parameters reset.
void OverrideSnapshot(const CommandContext& context, const ArgumentReader& reader) {
    int frame = 0;
    if (!reader.Require(2, "Usage: id") || !reader.ReadInt(1, frame))
        return;
    DollyCam& dollyCam = *context.dollyCam;
    SnapshotStoreResult result;
    CameraSnapshot snapshot = dollyCam.TakeSnapshot(false, result);
    if (result == SnapshotStoreResult::NoReplay) {
        // Outside a replay there is no camera state worth keeping: keep the waypoint there.
        context.cvarManager->log("Failed to create snapshot");
        return;
    }
    snapshot.frame = frame;
    ReportRefusal(*context.cvarManager, dollyCam.StoreSnapshot(snapshot));
}

void DeleteSnapshotAt(const CommandContext& context, const ArgumentReader& reader) {
    int index = 0;
    if (reader.Require(2, "Usage: index") && reader.ReadInt(1, index))
        context.dollyCam->DeleteSnapshot(index);
}

bool RequireFlycam(const CommandContext& context) {
    if (context.isInFlycam())
        return true;
    context.cvarManager->log("Not in flycam");
    return false;
}

} // namespace

void RunCameraCommand(const CommandContext& context, const Arguments& arguments) {
    const std::string command = arguments.at(0);
    CameraWrapper camera = context.gameWrapper->GetCamera();
    if (command == "dolly_cam_show" && !camera.IsNull()) {
        PrintSnapshot(*context.cvarManager, context.dollyCam->TakeSnapshot(false));
        return;
    }
    if (command == "dolly_cam_clone" && !camera.IsNull()) {
        SnapshotStoreResult result;
        context.dollyCam->TakeSnapshot(true, result);
        ReportRefusal(*context.cvarManager, result);
        return;
    }
    if (!RequireFlycam(context))
        return;
    const ArgumentReader reader(*context.cvarManager, arguments);
    if (command == "dolly_cam_set_location")
        SetCameraLocation(context, reader);
    else if (command == "dolly_cam_set_rotation")
        SetCameraRotation(context, reader);
    else if (command == "dolly_cam_set_fov")
        SetCameraFov(context, reader);
    else if (command == "dolly_cam_set_frame")
        JumpToFrame(context, reader);
}

// One line: "Frame 120 of 9000, 30 fps, 4.00 s". The rate is the one the replay reports, 0
// included; the time is the replay's own seconds at the frame shown.
void RunReplayInfoCommand(const CommandContext& context, const Arguments&) {
    ReplayServerWrapper replay = context.gameWrapper->IsInReplay()
                                     ? context.gameWrapper->GetGameEventAsReplay()
                                     : ReplayServerWrapper();
    if (replay.IsNull()) {
        context.cvarManager->log("Not in replay");
        return;
    }
    context.cvarManager->log("Frame " + std::to_string(replay.GetCurrentReplayFrame()) + " of " +
                             std::to_string(replay.GetReplayFrameCount()) + ", " +
                             std::to_string(replay.GetReplayFPS()) + " fps, " +
                             FormatFixed(replay.GetReplayTimeElapsed(), 2) + " s");
}

void RunDollyCommand(const CommandContext& context, const Arguments& arguments) {
    const std::string command = arguments.at(0);
    if (!RequireFlycam(context))
        return;
    if (command == "dolly_snapshot_take")
        TakeAndReport(context);
    else if (command == "dolly_activate")
        context.dollyCam->Activate();
    else if (command == "dolly_deactivate")
        context.dollyCam->Deactivate();
}

void RunSnapshotCommand(const CommandContext& context, const Arguments& arguments) {
    const std::string command = arguments.at(0);
    if (!RequireFlycam(context))
        return;
    const ArgumentReader reader(*context.cvarManager, arguments);
    if (command == "dolly_snapshot_list")
        ListSnapshots(context);
    else if (command == "dolly_snapshot_info")
        ShowSnapshotInfo(context, reader);
    else if (command == "dolly_snapshot_override")
        OverrideSnapshot(context, reader);
    else if (command == "dolly_snapshot_delete")
        DeleteSnapshotAt(context, reader);
}

void RunSnapshotSelectCommand(const CommandContext& context, const Arguments& arguments,
                              int& selectedFrame) {
    if (arguments.at(0) != "dolly_snapshot_select")
        return;
    if (arguments.size() < 2) {
        selectedFrame = -1;
        context.cvarManager->log("Selection cleared");
        return;
    }
    int frame = 0;
    if (!ArgumentReader(*context.cvarManager, arguments).ReadInt(1, frame))
        return;
    if (context.dollyCam->snapshots->count(frame) == 0) {
        context.cvarManager->log("Frame not found");
        return;
    }
    selectedFrame = frame;
    context.cvarManager->log("Selected frame " + std::to_string(frame));
}

void RunBezierWeightCommand(const CommandContext& context, const Arguments& arguments) {
    if (arguments.at(0) != "dolly_bezier_weight")
        return;
    const ArgumentReader reader(*context.cvarManager, arguments);
    int frame = 0;
    if (!reader.Require(2, "Usage: id [weight]") || !reader.ReadInt(1, frame))
        return;
    DollyCam& dollyCam = *context.dollyCam;
    if (dollyCam.snapshots->count(frame) == 0) {
        context.cvarManager->log("Frame not found");
        return;
    }
    CameraSnapshot snapshot = dollyCam.GetSnapshot(frame);
    if (arguments.size() == 2) {
        context.cvarManager->log("Weight: " + std::to_string(snapshot.weight));
        return;
    }
    if (!reader.ReadFloat(2, snapshot.weight))
        return;
    (*dollyCam.snapshots)[frame] = snapshot; // under its key, even if its frame field differs
    dollyCam.UpdateLocationStrategy();
    dollyCam.UpdateRotationStrategy();
}
