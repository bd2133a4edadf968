#include "core/DollyCam.h"

#include <iterator>
#include <string>

#include "core/InterpStrategyFactory.h"
#include "interp/InterpStrategy.h"
#include "path/PathLimits.h"

DollyCam::DollyCam(std::shared_ptr<GameWrapper> gameWrapper,
                   std::shared_ptr<CVarManagerWrapper> cvarManager,
                   std::shared_ptr<IGameApplier> gameApplier)
    : snapshots(std::make_shared<SnapshotMap>()), gameWrapper(std::move(gameWrapper)),
      cvarManager(std::move(cvarManager)), gameApplier(std::move(gameApplier)) {
    LoadPresetIndex();
}

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

    if (save) {
        if (!PathSpanAllowsFrame(*snapshots, snapshot.frame)) {
            result = SnapshotStoreResult::SpanTooLong;
            return snapshot;
        }
        (*snapshots)[snapshot.frame] = snapshot;
        result = SnapshotStoreResult::Stored;
        UpdateLocationStrategy();
        UpdateRotationStrategy();
    }
    return snapshot;
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
    if (!IsKnownInterpMode(mode))
        cvarManager->log("Unknown interp mode " + std::to_string(mode) + ". Defaulting to linear.");
    return MakeInterpStrategy(mode, snapshots, chaikinDegree, cvarManager);
}

void DollyCam::UpdateLocationStrategy() {
    locationStrategy = CreateInterpStrategy(ReadIntVariable("dolly_interpmode_location"));
    if (speedNormalisation)
        RebuildArcLengthTable();
    RebuildPathCache();
    UpdateSameStrategyMode();
}

void DollyCam::UpdateRotationStrategy() {
    rotationStrategy = CreateInterpStrategy(ReadIntVariable("dolly_interpmode_rotation"));
    // Strategies of the same kind describe the same curve: share one object (and its caches).
    if (locationStrategy && rotationStrategy->GetName() == locationStrategy->GetName())
        rotationStrategy = locationStrategy;
    UpdateSameStrategyMode();
}

void DollyCam::UpdateSameStrategyMode() {
    sameStrategyMode = ReadIntVariable("dolly_interpmode_location") ==
                       ReadIntVariable("dolly_interpmode_rotation");
}

// --- Path cache ------------------------------------------------------------------------------

float DollyCam::ReplayFrameRate() const {
    ReplayServerWrapper replay = gameWrapper->GetGameEventAsReplay();
    const float fps = replay.IsNull() ? 0.0f : static_cast<float>(replay.GetReplayFPS());
    // A replay that reports no rate is played at the game's usual 30 frames a second.
    return fps < 1.0f ? 30.0f : fps;
}

void DollyCam::RebuildPathCache() {
    if (!gameWrapper->IsInReplay())
        return;
    pathCache.clear();
    const std::shared_ptr<InterpStrategy> strategy =
        locationStrategy ? locationStrategy
                         : CreateInterpStrategy(ReadIntVariable("dolly_interpmode_location"));
    if (snapshots->empty())
        return;

    const float defaultRate = 1.0f / ReplayFrameRate(); // seconds per frame
    const int firstFrame = snapshots->begin()->first;
    const int lastFrame = snapshots->rbegin()->first;
    const long long span = static_cast<long long>(lastFrame) - firstFrame + 1; // frames
    // A cache left from a much longer path gives its memory back.
    if (static_cast<long long>(pathCache.capacity()) > 2 * span + 1024)
        PathCache().swap(pathCache);
    if (span <= kMaxPathSpanFrames + 1)
        pathCache.reserve(static_cast<std::size_t>(span));
    const bool lastHasNoSegment = snapshots->size() >= 2; // see SegmentFrame
    // Frames are evaluated a block at a time, which lets the strategy share work among them.
    constexpr std::size_t kBlock = 256;
    int frames[kBlock], segmentFrames[kBlock];
    float times[kBlock];
    CameraPose poses[kBlock];
    std::size_t filled = 0;
    const auto flush = [&] {
        strategy->EvaluateMany(times, segmentFrames, filled, poses);
        for (std::size_t i = 0; i < filled; ++i)
            if (poses[i].FOV > 1.0f)
                pathCache.push_back({frames[i], {poses[i].x, poses[i].y, poses[i].z}});
        filled = 0;
    };
    // Time runs on from the last waypoint passed, at that segment's own seconds per frame.
    int anchorFrame = firstFrame;
    float anchorTime = snapshots->begin()->second.timestamp;
    float rate = defaultRate;
    auto waypoint = snapshots->begin(); // the next waypoint to be passed
    for (long long f = firstFrame; f <= lastFrame; ++f) {
        const int frame = static_cast<int>(f);
        if (waypoint != snapshots->end() && waypoint->first == frame) {
            anchorFrame = frame;
            anchorTime = waypoint->second.timestamp;
            rate = defaultRate;
            const auto next = std::next(waypoint);
            if (next != snapshots->end() && next->second.frame - frame > 0)
                rate = (next->second.timestamp - waypoint->second.timestamp) /
                       static_cast<float>(next->second.frame - frame);
            waypoint = next;
        }
        frames[filled] = frame;
        times[filled] = anchorTime + static_cast<float>(frame - anchorFrame) * rate;
        segmentFrames[filled] = lastHasNoSegment && frame == lastFrame ? frame - 1 : frame;
        if (++filled == kBlock)
            flush();
    }
    flush();
}
