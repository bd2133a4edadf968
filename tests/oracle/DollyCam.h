#pragma once
// The parts of the path engine that derive from the path, as they were before optimisation:
// the two strategies, the path cache the overlay draws, the arc-length table of constant-speed
// playback, and the pose playback computes for a replay frame before the target lock and the
// soft follow. Settings the plugin reads from console variables are plain fields here, and
// the replay is always there (the plugin skips the path cache outside one).

#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "path/CameraPose.h"
#include "path/CameraSnapshot.h"
#include "tests/oracle/InterpStrategies.h"

namespace Oracle {

// The playback clock's state (one per oracle, where the plugin has one per process).
struct PlaybackClock {
    bool armed = true;    // may restart when the first waypoint's frame comes again
    int lastFrame = -1;   // shifted frame seen by the previous step
    float start = 0.0f;   // game-clock seconds matching the first waypoint's time
    bool holding = false; // waiting one frame period past lastFrame's time
};

class DollyCam {
public:
    // --- Settings (console variables in the plugin) -----------------------------------------
    int locationMode = 5; // dolly_interpmode_location
    int rotationMode = 5; // dolly_interpmode_rotation
    int chaikinDegree = 0;
    AccuracySource splineAccuracy; // read at every B-spline evaluation; empty: the default
    float replayFps = 30.0f;       // the replay's reported rate; below 1 counts as 30
    bool speedNormalisation = false;
    int frameShift = 0; // replay frames; a positive shift evaluates an earlier frame

    // --- Rebuilds after an edit: location first, then rotation --------------------------------
    void UpdateLocationStrategy(); // also the arc-length table (when on) and the path cache
    void UpdateRotationStrategy();
    void RebuildPathCache();
    void RebuildArcLengthTable();

    // --- Playback -------------------------------------------------------------------------------
    // The pose one playback step gives for a replay frame at game-clock seconds `now`, before
    // target lock and soft follow; nothing where the plugin leaves the camera alone. Advances
    // the clock exactly as the plugin's does.
    std::optional<CameraPose> Step(int replayFrame, float now);
    // The pieces of a step.
    float AdvanceClock(int frame, float frameTime, float now);
    float RetimeForConstantSpeed(float t) const;
    int ArcLengthSampleFrame(float t) const;
    int SegmentFrame(int frame) const;
    float ReplayFrameRate() const { return replayFps < 1.0f ? 30.0f : replayFps; }

    // --- State ---------------------------------------------------------------------------------
    SnapshotMap snapshots;
    std::shared_ptr<InterpStrategy> locationStrategy;
    std::shared_ptr<InterpStrategy> rotationStrategy;
    SnapshotMap pathCache; // one sample per frame; the overlay reads frame and location
    bool sameStrategyMode = false;
    std::vector<std::pair<float, float>> arcLengthTable; // (s, t), 2001 entries when built
    PlaybackClock clock;
};

} // namespace Oracle
