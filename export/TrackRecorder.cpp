#include "export/TrackRecorder.h"

TrackRecorder::TrackRecorder(std::shared_ptr<IGameApplier> camera,
                             std::shared_ptr<GameWrapper> gameWrapper)
    : camera(std::move(camera)), gameWrapper(std::move(gameWrapper)) {}

void TrackRecorder::ApplyPOV(float x, float y, float z, float pitch, float yaw, float roll,
                             float fov) {
    camera->ApplyPOV(x, y, z, pitch, yaw, roll, fov);
    if (!recording || !gameWrapper->IsInReplay())
        return;
    ReplayServerWrapper replay = gameWrapper->GetGameEventAsReplay();
    if (replay.IsNull())
        return;
    const int frame = replay.GetCurrentReplayFrame();
    const float now = replay.GetSecondsElapsed();
    if (visiting && frame == visitFrame && now != visitClock)
        return; // the replay still shows the frame a game frame recorded already
    if (!visiting || frame != visitFrame) {
        visiting = true;
        visitFrame = frame;
        visitClock = now;
    }
    const CameraPose held = camera->ReadCamera();
    TrackSample sample;
    sample.frame = frame;
    sample.seconds = replay.GetReplayTimeElapsed();
    sample.x = held.x;
    sample.y = held.y;
    sample.z = held.z;
    sample.pitch = held.pitch;
    sample.yaw = held.yaw;
    sample.roll = held.roll;
    sample.fov = held.FOV;
    frames[sample.frame] = sample;
}

CameraPose TrackRecorder::ReadCamera() {
    return camera->ReadCamera();
}

void TrackRecorder::Start(const std::filesystem::path& target) {
    frames.clear();
    visiting = false;
    file = target;
    recording = true;
}

CameraTrack TrackRecorder::Track(double aspect) const {
    CameraTrack track;
    track.aspect = aspect;
    track.samples.reserve(frames.size());
    for (const auto& entry : frames)
        track.samples.push_back(entry.second);
    return track;
}

void TrackRecorder::Discard() {
    frames.clear();
    file.clear();
    recording = false;
}
