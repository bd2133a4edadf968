#include "core/ReachedWaypoints.h"

#include <algorithm>
#include <cmath>
#include <limits>

void ReachedWaypoints::Build(const SnapshotMap& path) {
    keys.clear();
    earliestFrom.clear();
    keys.reserve(path.size());
    earliestFrom.reserve(path.size());
    for (const auto& [key, waypoint] : path) {
        keys.push_back(key);
        const float t = waypoint.timestamp;
        earliestFrom.push_back(std::isnan(t) ? -std::numeric_limits<float>::infinity() : t);
    }
    for (std::size_t i = earliestFrom.size(); i-- > 1;)
        earliestFrom[i - 1] = std::min(earliestFrom[i - 1], earliestFrom[i]);
}

int ReachedWaypoints::LastReachedKey(float t) const {
    if (std::isnan(t))
        return keys.back();
    // Waypoint i or a later one is reached exactly when earliestFrom[i] <= t.
    const auto after = std::upper_bound(earliestFrom.begin(), earliestFrom.end(), t);
    return after == earliestFrom.begin() ? keys.front() : keys[after - earliestFrom.begin() - 1];
}
