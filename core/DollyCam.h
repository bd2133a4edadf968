#pragma once
// The camera-path engine: the path, the two strategies built over it, playback, and the
// whole-path operations. Its operations are defined by subject:
//   core/DollyCam.cpp          snapshots, activation, strategy rebuilds
//   core/DollyCamPathCache.cpp RebuildPathCache
//   core/DollyCamPlayback.cpp  Apply and the arc-length table
//   storage/PathFile.cpp       SavePath, LoadPath
//   storage/PresetLibrary.cpp  the preset library
//   tools/DollyCamTransforms.cpp  mirror, offset, scale, rotate, reverse, smooth
//   overlay/PathOverlay.cpp    RenderPath
//
// Every change to `snapshots` must be followed by UpdateLocationStrategy() and then
// UpdateRotationStrategy(): strategies hold their own copy of the path.

#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/IGameApplier.h"
#include "core/PathCache.h"
#include "core/PresetEntry.h"
#include "core/ReachedWaypoints.h"
#include "corvane/wrappers/CVarManagerWrapper.h"
#include "corvane/wrappers/CanvasWrapper.h"
#include "corvane/wrappers/GameWrapper.h"
#include "path/CameraPose.h"
#include "path/CameraSnapshot.h"

class InterpStrategy;
class SplineMomentMemo;

// What became of a snapshot taken from the live camera.
enum class SnapshotStoreResult {
    NoReplay,     // not in a replay: nothing was captured
    Captured,     // captured, not stored (save was false)
    SpanTooLong,  // not stored: the path would span too many frames
    OutsideWorld, // not stored: the camera is outside the world (kWorldLimit)
    Stored,
};

class DollyCam {
public:
    DollyCam(std::shared_ptr<GameWrapper> gameWrapper,
             std::shared_ptr<CVarManagerWrapper> cvarManager,
             std::shared_ptr<IGameApplier> gameApplier);

    // --- Snapshots and activation ---------------------------------------------------------
    // Builds a snapshot from the live replay camera; stores it (and rebuilds) when save is
    // true. Outside a replay it returns the default snapshot and stores nothing.
    CameraSnapshot TakeSnapshot(bool save);
    CameraSnapshot TakeSnapshot(bool save, SnapshotStoreResult& result);
    // Puts the snapshot in the path at its frame (replacing one there) and rebuilds: Stored,
    // or OutsideWorld / SpanTooLong with the path unchanged.
    SnapshotStoreResult StoreSnapshot(const CameraSnapshot& snapshot);
    // A copy of the waypoint keyed by frame, or the default snapshot.
    CameraSnapshot GetSnapshot(int frame);
    // Removes the index-th waypoint in frame order, counting from 1.
    void DeleteSnapshot(int index);
    void Activate();
    void Deactivate();

    // --- Strategies -------------------------------------------------------------------------
    std::shared_ptr<InterpStrategy> CreateInterpStrategy(int mode);
    void UpdateLocationStrategy();
    void UpdateRotationStrategy();
    void UpdateSameStrategyMode();
    // Samples the current location strategy (one is built when there is none) at every frame.
    void RebuildPathCache();

    // --- Playback ----------------------------------------------------------------------------
    void Apply();
    void RebuildArcLengthTable();
    // The replay time, in seconds, of a path frame, read off the waypoints around it.
    float PathFrameTime(int frame) const;
    // The path's own pose at path time t (seconds) and path frame, as playback evaluates it:
    // re-timed for constant speed when that is on, location and rotation from their
    // strategies; no target lock or soft follow. False when the path gives no finite pose.
    bool EvaluatePath(float t, int frame, CameraPose& pose) const;

    // --- Path files --------------------------------------------------------------------------
    void SavePath(const std::string& directory, const std::string& filename);
    void LoadPath(const std::string& directory, const std::string& filename);

    // --- Preset library ----------------------------------------------------------------------
    std::filesystem::path GetPresetDirectory();
    void LoadPresetIndex();
    void SavePresetIndex();
    bool SavePreset(const std::string& name, const std::vector<std::string>& tags);
    bool LoadPreset(const std::string& name);
    bool DeletePreset(const std::string& name);
    std::vector<PresetEntry> ListPresets();

    // --- Whole-path transforms ----------------------------------------------------------------
    void MirrorPath(int axis, bool mirrorRotation);
    void OffsetPath(float x, float y, float z);
    void ScalePath(float factor);
    void RotatePath(float rx, float ry, float rz); // degrees
    void ReversePath();
    void SmoothPath();

    // --- Overlay -------------------------------------------------------------------------------
    // Draws the sampled path and the numbered waypoint markers on the frame's canvas; draws
    // nothing while showPath is off, with fewer than two samples, or outside a replay.
    void RenderPath(CanvasWrapper canvas);

    // --- Helpers ------------------------------------------------------------------------------
    int ReadIntVariable(const std::string& name) const;
    // The replay's frames per second; 30 when there is no replay or it reports less than 1.
    float ReplayFrameRate() const;
    // Playback steps (core/DollyCamPlayback.cpp).
    bool ReadPlaybackFrame(int& frame, ServerWrapper& clockSource) const;
    float AdvanceClock(int frame, float frameTime, float now);
    float RetimeForConstantSpeed(float t) const;
    void ApplyTargetLock(CameraPose& pose) const;
    void ApplySoftFollow(CameraPose& pose, float now);
    int ArcLengthSampleFrame(float t) const;
    // The frame the strategies are asked at for a path frame. The last waypoint's own key has
    // no segment in the segment-based strategies, so it is asked at the frame before it, which
    // lies in the last segment however finely a strategy subdivides the path; there the
    // strategies reach the last waypoint at its timestamp.
    int SegmentFrame(int frame) const;

    // --- State -------------------------------------------------------------------------------
    std::shared_ptr<SnapshotMap> snapshots;
    std::shared_ptr<GameWrapper> gameWrapper;
    std::shared_ptr<CVarManagerWrapper> cvarManager;
    std::shared_ptr<IGameApplier> gameApplier;
    std::shared_ptr<InterpStrategy> locationStrategy;
    std::shared_ptr<InterpStrategy> rotationStrategy;
    // One sample of the location strategy per replay frame, for the overlay. Kept as it was
    // outside a replay.
    PathCache pathCache;
    // The location and rotation interp modes are equal (0 and 3 are not).
    bool sameStrategyMode = false;
    bool isActive = false;
    bool showPath = false;
    bool showFrameNumbers = false;
    int lockTarget = 0; // 0 none, 1 ball, 2 car
    int lockCarIndex = 0;
    bool softFollow = false;
    float softFollowTension = 5.0f;
    Vector softFollowPosition;
    bool softFollowPrimed = false;
    int frameShift = 0; // replay frames; a positive shift evaluates an earlier frame
    bool speedNormalisation = false;
    // (s, t): normalised arc length from the first waypoint, and the path time in seconds at
    // which it is reached. 2001 entries when built, empty otherwise.
    std::vector<std::pair<float, float>> arcLengthTable;
    // Built with the table, for ArcLengthSampleFrame.
    ReachedWaypoints reachedWaypoints;
    // The B-spline accuracy variable's value where the plugin mirrors it (VariableHandlers.cpp);
    // without it the strategies read the variable themselves.
    std::shared_ptr<int> splineAccuracy;
    // Where the B-spline strategy's samples fell, kept across rebuilds that leave the timing.
    std::shared_ptr<SplineMomentMemo> splineMoments;
    std::vector<PresetEntry> presetIndex;
};
