#pragma once
// A strategy's private copy of the path: the waypoints in frame order, in two parallel arrays
// so a segment is found by binary search over plain ints. Never changed once made; a strategy
// and its fallback share one copy when they see the path alike.

#include <cstddef>
#include <memory>
#include <vector>

#include "path/CameraSnapshot.h"

struct PathPoints {
    std::vector<int> keys;                 // the path's keys (frames), ascending
    std::vector<CameraSnapshot> waypoints; // waypoints[i] is keyed by keys[i]

    std::size_t Size() const { return keys.size(); }
};

// *path (an empty path when null), subdivided chaikinDegree times (SubdivideChaikin).
std::shared_ptr<const PathPoints> MakePathPoints(const std::shared_ptr<SnapshotMap>& path,
                                                 int chaikinDegree);
