#pragma once
// Names the game uses for its script functions and camera states.

namespace Corvane::Host {

inline constexpr const char* kReplayInitGameEvent = "Function TAGame.GameInfo_Replay_TA.InitGame";
inline constexpr const char* kReplayHudDestroyedEvent =
    "Function TAGame.GFxHUD_Replay_TA.Destroyed";
inline constexpr const char* kReplayUpdatePovEvent =
    "Function TAGame.CameraState_Replay_TA.UpdatePOV";

// The replay's free-fly camera.
inline constexpr const char* kFlyCameraState = "CameraState_ReplayFly_TA";
// Where the camera is on entering a replay, and in a live game.
inline constexpr const char* kReplayCameraState = "CameraState_ReplayDirector_TA";
inline constexpr const char* kGameCameraState = "CameraState_Car_TA";

} // namespace Corvane::Host
