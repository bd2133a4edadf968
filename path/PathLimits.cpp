#include "path/PathLimits.h"

#include <algorithm>

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
