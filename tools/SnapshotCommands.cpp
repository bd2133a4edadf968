#include "tools/SnapshotCommands.h"

#include <cmath>
#include <limits>

#include "core/PathLimits.h"
#include "tools/ArgumentParsing.h"
#include "tools/SnapshotPrinting.h"

namespace {

// A float argument that must also fit an int once truncated (rotator units).
bool ReadWholeUnits(const ArgumentReader& reader, CVarManagerWrapper& console,
                    const std::vector<std::string>& arguments, size_t index, int& value) {
    float units = 0.0f;
    if (!reader.ReadFloat(index, units))
        return false;
    const double whole = std::trunc(static_cast<double>(units));
    if (whole < std::numeric_limits<int>::min() || whole > std::numeric_limits<int>::max()) {
        console.log(arguments.front() + ": not a valid number: " + arguments[index]);
        return false;
    }
    value = static_cast<int>(whole);
    return true;
}

void SetCameraLocation(const CommandContext& context, const std::vector<std::string>& arguments) {
    CVarManagerWrapper& console = *context.cvarManager;
    if (arguments.size() < 4) {
        console.log("Usage: x y z");
        return;
    }
    const ArgumentReader reader(console, arguments);
    Vector location;
    if (!reader.ReadFloat(1, location.X) || !reader.ReadFloat(2, location.Y) ||
        !reader.ReadFloat(3, location.Z))
        return;
    context.gameWrapper->GetCamera().SetLocation(location);
}

void SetCameraRotation(const CommandContext& context, const std::vector<std::string>& arguments) {
    CVarManagerWrapper& console = *context.cvarManager;
    if (arguments.size() < 4) {
        console.log("Usage: p y r");
        return;
    }
    // Raw rotator units (65536 a turn), not degrees.
    const ArgumentReader reader(console, arguments);
    Rotator rotation;
    if (!ReadWholeUnits(reader, console, arguments, 1, rotation.Pitch) ||
        !ReadWholeUnits(reader, console, arguments, 2, rotation.Yaw) ||
        !ReadWholeUnits(reader, console, arguments, 3, rotation.Roll))
        return;
    context.gameWrapper->GetCamera().SetRotation(rotation);
}

void SetCameraFov(const CommandContext& context, const std::vector<std::string>& arguments) {
    CVarManagerWrapper& console = *context.cvarManager;
    if (arguments.size() < 2) {
        console.log("Usage: fov");
        return;
    }
    float fov = 0.0f;
    if (!ArgumentReader(console, arguments).ReadFloat(1, fov))
        return;
    context.gameWrapper->GetCamera().SetFOV(fov);
}

void JumpToFrame(const CommandContext& context, const std::vector<std::string>& arguments) {
    CVarManagerWrapper& console = *context.cvarManager;
    if (arguments.size() < 2) {
        console.log("Usage: frame");
        return;
    }
    int frame = 0;
    if (!ArgumentReader(console, arguments).ReadInt(1, frame))
        return;
    ReplayServerWrapper replay = context.gameWrapper->GetGameEventAsReplay();
    if (!replay.IsNull())
        replay.SkipToFrame(frame);
}

void TakeAndReport(const CommandContext& context) {
    SnapshotStoreResult result;
    const CameraSnapshot snapshot = context.dollyCam->TakeSnapshot(true, result);
    CVarManagerWrapper& console = *context.cvarManager;
    if (result == SnapshotStoreResult::SpanTooLong)
        console.log(kPathSpanMessage);
    else if (result != SnapshotStoreResult::Stored || snapshot.frame < 0)
        console.log("Failed to create snapshot");
    else
        console.log("Saved snapshot #" + std::to_string(snapshot.frame));
}

void ListSnapshots(const CommandContext& context) {
    std::vector<int> frames;
    for (const auto& entry : *context.dollyCam->snapshots)
        frames.push_back(entry.first);
    for (const int frame : frames)
        PrintSnapshot(*context.cvarManager, context.dollyCam->GetSnapshot(frame));
    context.cvarManager->log("Total: " + std::to_string(frames.size()));
}

void ShowSnapshotInfo(const CommandContext& context, const std::vector<std::string>& arguments) {
    CVarManagerWrapper& console = *context.cvarManager;
    if (arguments.size() < 2) {
        console.log("Usage: id");
        return;
    }
    int frame = 0;
    if (!ArgumentReader(console, arguments).ReadInt(1, frame))
        return;
    if (context.dollyCam->snapshots->count(frame) == 0) {
        console.log("Snapshot not found");
        return;
    }
    PrintSnapshot(console, context.dollyCam->GetSnapshot(frame));
}

// Replaces (or creates) the waypoint at a frame with the live camera, shape parameters reset.
void OverrideSnapshot(const CommandContext& context, const std::vector<std::string>& arguments) {
    CVarManagerWrapper& console = *context.cvarManager;
    if (arguments.size() < 2) {
        console.log("Usage: id");
        return;
    }
    int frame = 0;
    if (!ArgumentReader(console, arguments).ReadInt(1, frame))
        return;
    DollyCam& dollyCam = *context.dollyCam;
    SnapshotStoreResult result;
    CameraSnapshot snapshot = dollyCam.TakeSnapshot(false, result);
    if (result == SnapshotStoreResult::NoReplay) {
        // Outside a replay there is no camera state worth keeping: keep the waypoint there.
        console.log("Failed to create snapshot");
        return;
    }
    if (!PathSpanAllowsFrame(*dollyCam.snapshots, frame)) {
        console.log(kPathSpanMessage);
        return;
    }
    snapshot.frame = frame;
    (*dollyCam.snapshots)[frame] = snapshot;
    dollyCam.UpdateLocationStrategy();
    dollyCam.UpdateRotationStrategy();
}

void DeleteSnapshotAt(const CommandContext& context, const std::vector<std::string>& arguments) {
    CVarManagerWrapper& console = *context.cvarManager;
    if (arguments.size() < 2) {
        console.log("Usage: index");
        return;
    }
    int index = 0;
    if (!ArgumentReader(console, arguments).ReadInt(1, index))
        return;
    context.dollyCam->DeleteSnapshot(index);
}

bool RequireFlycam(const CommandContext& context) {
    if (context.isInFlycam())
        return true;
    context.cvarManager->log("Not in flycam");
    return false;
}

} // namespace

void RunCameraCommand(const CommandContext& context, const std::vector<std::string>& arguments) {
    const std::string command = arguments.at(0);
    CameraWrapper camera = context.gameWrapper->GetCamera();
    if (command == "dolly_cam_show" && !camera.IsNull()) {
        PrintSnapshot(*context.cvarManager, context.dollyCam->TakeSnapshot(false));
        return;
    }
    if (command == "dolly_cam_clone" && !camera.IsNull()) {
        SnapshotStoreResult result;
        context.dollyCam->TakeSnapshot(true, result);
        if (result == SnapshotStoreResult::SpanTooLong)
            context.cvarManager->log(kPathSpanMessage);
        return;
    }
    if (!RequireFlycam(context))
        return;
    if (command == "dolly_cam_set_location")
        SetCameraLocation(context, arguments);
    else if (command == "dolly_cam_set_rotation")
        SetCameraRotation(context, arguments);
    else if (command == "dolly_cam_set_fov")
        SetCameraFov(context, arguments);
    else if (command == "dolly_cam_set_frame")
        JumpToFrame(context, arguments);
}

void RunReplayInfoCommand(const CommandContext& context, const std::vector<std::string>&) {
    if (!context.gameWrapper->IsInReplay())
        context.cvarManager->log("Not in replay");
}

void RunDollyCommand(const CommandContext& context, const std::vector<std::string>& arguments) {
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

void RunSnapshotCommand(const CommandContext& context, const std::vector<std::string>& arguments) {
    const std::string command = arguments.at(0);
    if (!RequireFlycam(context))
        return;
    if (command == "dolly_snapshot_list")
        ListSnapshots(context);
    else if (command == "dolly_snapshot_info")
        ShowSnapshotInfo(context, arguments);
    else if (command == "dolly_snapshot_override")
        OverrideSnapshot(context, arguments);
    else if (command == "dolly_snapshot_delete")
        DeleteSnapshotAt(context, arguments);
}

void RunBezierWeightCommand(const CommandContext& context,
                            const std::vector<std::string>& arguments) {
    if (arguments.at(0) != "dolly_bezier_weight")
        return;
    CVarManagerWrapper& console = *context.cvarManager;
    if (arguments.size() < 2) {
        console.log("Usage: id [weight]");
        return;
    }
    const ArgumentReader reader(console, arguments);
    int frame = 0;
    if (!reader.ReadInt(1, frame))
        return;
    DollyCam& dollyCam = *context.dollyCam;
    if (dollyCam.snapshots->count(frame) == 0) {
        console.log("Frame not found");
        return;
    }
    if (arguments.size() == 2) {
        console.log("Weight: " + std::to_string(dollyCam.GetSnapshot(frame).weight));
        return;
    }
    float weight = 0.0f;
    if (!reader.ReadFloat(2, weight))
        return;
    CameraSnapshot snapshot = dollyCam.GetSnapshot(frame);
    snapshot.weight = weight;
    (*dollyCam.snapshots)[frame] = snapshot; // under its key, even if its frame field differs
    dollyCam.UpdateLocationStrategy();
    dollyCam.UpdateRotationStrategy();
}
