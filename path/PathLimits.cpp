#include "path/PathLimits.h"

#include <algorithm>
#include <cmath>

bool PathSpanAllowed(const SnapshotMap& path) {
    if (path.empty())
        return true;
    const long long span =
        static_cast<long long>(path.rbegin()->first) - static_cast<long long>(path.begin()->first);
    return span <= kMaxPathSpanFrames;
}

bool PathSpanAllowsFrame(const SnapshotMap& path, int extraFrame) {
    if (path.empty())
        return true;
    const long long first = std::min<long long>(path.begin()->first, extraFrame);
    const long long last = std::max<long long>(path.rbegin()->first, extraFrame);
    return last - first <= kMaxPathSpanFrames;
}

namespace {

bool Within(float value) {
    return std::fabs(value) <= kWorldLimit;
}

} // namespace

bool InWorld(const Vector& v) {
    return Within(v.X) && Within(v.Y) && Within(v.Z);
}

bool PathInWorld(const SnapshotMap& path, int* frame) {
    for (const auto& [key, waypoint] : path) {
        if (!InWorld(waypoint.location)) {
            if (frame != nullptr)
                *frame = key;
            return false;
        }
    }
    return true;
}
