#pragma once
// Which waypoint a path time has reached, as constant-speed playback asks it: the last
// waypoint in frame order whose timestamp is not after the time. Timestamps need not rise with
// the frames, so the answer is found over the latest timestamp still ahead of each waypoint.

#include <vector>

#include "path/CameraSnapshot.h"

class ReachedWaypoints {
public:
    void Build(const SnapshotMap& path);
    // Built from a path of this many waypoints (a cheap check that it is still the path's).
    bool Covers(const SnapshotMap& path) const { return keys.size() == path.size(); }
    // The key of the last waypoint in key order whose timestamp is not above t (a NaN
    // timestamp, or a NaN t, counts as reached); the first key when none is. Needs a path.
    int LastReachedKey(float t) const;

private:
    std::vector<int> keys;
    // earliestFrom[i]: the least timestamp of waypoints i and after, a NaN one counting as
    // -infinity. It never falls from one waypoint to the next.
    std::vector<float> earliestFrom;
};
