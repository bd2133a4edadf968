#pragma once
// Records what playback writes to the game camera. It stands between playback and the real
// camera: every pose is passed on unchanged, and while recording in a replay the camera as the
// game then holds it (whole rotator units) is kept with the replay frame and replay time.
// Whatever shaped the pose (target lock, soft follow, frame shift) is in it.
//
// Each replay frame keeps the camera as the first game frame that showed it ended: playback
// may write twice in one game frame (the last write is what was seen), a paused replay (or
// one slower than the game) shows a frame for many game frames (the flight is kept at the
// replay's own pace), and playing a stretch of the replay again records it again over the
// earlier take. Samples come out in frame order.

#include <filesystem>
#include <map>
#include <memory>

#include "core/IGameApplier.h"
#include "corvane/wrappers/GameWrapper.h"
#include "export/CameraTrack.h"

class TrackRecorder final : public IGameApplier {
public:
    TrackRecorder(std::shared_ptr<IGameApplier> camera, std::shared_ptr<GameWrapper> gameWrapper);

    void ApplyPOV(float x, float y, float z, float pitch, float yaw, float roll,
                  float fov) override;
    CameraPose ReadCamera() override;

    bool IsRecording() const { return recording; }
    // The file the recording goes to; empty when not recording.
    const std::filesystem::path& File() const { return file; }
    std::size_t FrameCount() const { return frames.size(); }
    // Starts an empty recording that will go to file.
    void Start(const std::filesystem::path& target);
    // The frames recorded so far, in frame order.
    CameraTrack Track(double aspect) const;
    // Ends the recording and forgets its frames.
    void Discard();

private:
    std::shared_ptr<IGameApplier> camera;
    std::shared_ptr<GameWrapper> gameWrapper;
    bool recording = false;
    std::filesystem::path file;
    std::map<int, TrackSample> frames;
    // The replay frame of the last write, and the game clock of the first game frame of that
    // stay on it: later writes at that clock replace its sample, later game frames do not.
    bool visiting = false;
    int visitFrame = 0;
    float visitClock = 0.0f;
};
