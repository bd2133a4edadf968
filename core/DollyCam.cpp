#include "core/DollyCam.h"

#include <iterator>
#include <string>

#include "core/InterpStrategyFactory.h"
#include "interp/InterpStrategy.h"
#include "interp/SplineMomentMemo.h"
#include "path/PathLimits.h"

DollyCam::DollyCam(std::shared_ptr<GameWrapper> gameWrapper,
                   std::shared_ptr<CVarManagerWrapper> cvarManager,
                   std::shared_ptr<IGameApplier> gameApplier)
    : snapshots(std::make_shared<SnapshotMap>()), gameWrapper(std::move(gameWrapper)),
      cvarManager(std::move(cvarManager)), gameApplier(std::move(gameApplier)),
      splineMoments(std::make_shared<SplineMomentMemo>()) {
    LoadPresetIndex();
}

namespace {

void ReportUnknownMode(CVarManagerWrapper& console, int mode) {
    if (!IsKnownInterpMode(mode))
        console.log("Unknown interp mode " + std::to_string(mode) + ". Defaulting to linear.");
}

} // namespace

// --- Snapshots -------------------------------------------------------------------------------

CameraSnapshot DollyCam::TakeSnapshot(bool save) {
    SnapshotStoreResult ignored;
    return TakeSnapshot(save, ignored);
}

CameraSnapshot DollyCam::TakeSnapshot(bool save, SnapshotStoreResult& result) {
    CameraSnapshot snapshot;
    result = SnapshotStoreResult::NoReplay;
    if (!gameWrapper->IsInReplay())
        return snapshot;
    ReplayServerWrapper replay = gameWrapper->GetGameEventAsReplay();
    if (replay.IsNull())
        return snapshot;

    CameraWrapper camera = gameWrapper->GetCamera();
    snapshot.timestamp = replay.GetReplayTimeElapsed();
    snapshot.FOV = camera.GetFOV();
    snapshot.location = camera.GetLocation();
    const Rotator rotation = camera.GetRotation();
    snapshot.rotation = {static_cast<float>(rotation.Pitch), static_cast<float>(rotation.Yaw),
                         static_cast<float>(rotation.Roll)};
    snapshot.frame = replay.GetCurrentReplayFrame();
    result = SnapshotStoreResult::Captured;

    if (save)
        result = StoreSnapshot(snapshot);
    return snapshot;
}

SnapshotStoreResult DollyCam::StoreSnapshot(const CameraSnapshot& snapshot) {
    if (!InWorld(snapshot.location))
        return SnapshotStoreResult::OutsideWorld;
    if (!PathSpanAllowsFrame(*snapshots, snapshot.frame))
        return SnapshotStoreResult::SpanTooLong;
    (*snapshots)[snapshot.frame] = snapshot;
    UpdateLocationStrategy();
    UpdateRotationStrategy();
    return SnapshotStoreResult::Stored;
}

CameraSnapshot DollyCam::GetSnapshot(int frame) {
    const auto found = snapshots->find(frame);
    return found == snapshots->end() ? CameraSnapshot() : found->second;
}

void DollyCam::DeleteSnapshot(int index) {
    if (index >= 1 && static_cast<size_t>(index) <= snapshots->size()) {
        const auto entry = std::next(snapshots->begin(), index - 1);
        cvarManager->log("Deleted snapshot #" + std::to_string(index) + " frame " +
                         std::to_string(entry->second.frame));
        snapshots->erase(entry);
    }
    UpdateLocationStrategy();
    UpdateRotationStrategy();
}

// --- Activation ------------------------------------------------------------------------------

void DollyCam::Activate() {
    if (isActive)
        return;
    isActive = true;
    softFollowPrimed = false;
    locationStrategy = CreateInterpStrategy(ReadIntVariable("dolly_interpmode_location"));
    if (speedNormalisation)
        RebuildArcLengthTable();
    cvarManager->log("Dollycam activated");
}

void DollyCam::Deactivate() {
    if (!isActive)
        return;
    CameraWrapper camera = gameWrapper->GetCamera();
    if (!camera.GetCameraAsActor().IsNull())
        camera.SetLockedFOV(false);
    isActive = false;
    cvarManager->log("Dollycam deactivated");
}

// --- Strategies ------------------------------------------------------------------------------

int DollyCam::ReadIntVariable(const std::string& name) const {
    return cvarManager->getCvar(name).getIntValue();
}

std::shared_ptr<InterpStrategy> DollyCam::CreateInterpStrategy(int mode) {
    const int chaikinDegree = ReadIntVariable("dolly_chaikin_degree");
    ReportUnknownMode(*cvarManager, mode);
    return MakeInterpStrategy(mode, snapshots, chaikinDegree, cvarManager, splineAccuracy,
                              splineMoments);
}

void DollyCam::UpdateLocationStrategy() {
    locationStrategy = CreateInterpStrategy(ReadIntVariable("dolly_interpmode_location"));
    if (speedNormalisation)
        RebuildArcLengthTable();
    RebuildPathCache();
    UpdateSameStrategyMode();
}

void DollyCam::UpdateRotationStrategy() {
    const int mode = ReadIntVariable("dolly_interpmode_rotation");
    // Strategies of the same kind describe the same curve: share one object (and its caches),
    // without building another to throw away.
    if (locationStrategy && locationStrategy->GetName() == InterpStrategyName(mode)) {
        ReportUnknownMode(*cvarManager, mode);
        rotationStrategy = locationStrategy;
    } else {
        rotationStrategy = CreateInterpStrategy(mode);
    }
    UpdateSameStrategyMode();
}

void DollyCam::UpdateSameStrategyMode() {
    sameStrategyMode = ReadIntVariable("dolly_interpmode_location") ==
                       ReadIntVariable("dolly_interpmode_rotation");
}

float DollyCam::ReplayFrameRate() const {
    ReplayServerWrapper replay = gameWrapper->GetGameEventAsReplay();
    const float fps = replay.IsNull() ? 0.0f : static_cast<float>(replay.GetReplayFPS());
    // A replay that reports no rate is played at the game's usual 30 frames a second.
    return fps < 1.0f ? 30.0f : fps;
}
