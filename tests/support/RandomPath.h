#pragma once
// Seeded camera paths for the oracle tests and the benchmarks, as a user records them in a
// replay: waypoints 1 to 3 s apart at 30 fps, timestamps frame / fps, a camera that drifts
// smoothly through the arena while it keeps turning (so yaw crosses the +-32768 seam), a few
// custom Bezier handles, and some waypoints with their own Kochanek-Bartels shape and
// N-Bezier weight. The same seed and shape give the same path on every platform.

#include <cstdint>

#include "path/CameraSnapshot.h"

namespace Quorvel::Testing {

struct RandomPathShape {
    int waypoints = 20;
    // 0: every gap is 1 to 3 s. Otherwise the gaps keep their random proportions and are
    // scaled so the last waypoint lies exactly this many frames after the first.
    int spanFrames = 0;
    int firstFrame = 0;
    int fps = 30;
    // About one waypoint in this many gets custom handles; 0 gives none.
    int customHandleEvery = 5;
};

SnapshotMap RandomPath(std::uint32_t seed, const RandomPathShape& shape = {});

} // namespace Quorvel::Testing
