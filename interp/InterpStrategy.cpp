#include "interp/InterpStrategy.h"

#include <algorithm>
#include <utility>

InterpStrategy::InterpStrategy(const std::shared_ptr<SnapshotMap>& path, int chaikinDegree)
    : points(MakePathPoints(path, chaikinDegree)) {}

InterpStrategy::InterpStrategy(std::shared_ptr<const PathPoints> points)
    : points(std::move(points)) {}

void InterpStrategy::EvaluateLocations(const float* times, const int* frames, std::size_t count,
                                       CameraPose* poses) {
    for (std::size_t i = 0; i < count; ++i)
        poses[i] = Evaluate(times[i], frames[i]);
}

std::size_t InterpStrategy::UpperBound(int frame) const {
    const std::vector<int>& keys = points->keys;
    const std::size_t n = keys.size();
    // The previous answer, or the one after it: keys[u - 1] <= frame < keys[u].
    for (std::size_t u = lastUpperBound; u <= lastUpperBound + 1 && u <= n; ++u)
        if ((u == 0 || keys[u - 1] <= frame) && (u == n || frame < keys[u])) {
            lastUpperBound = u;
            return u;
        }
    lastUpperBound =
        static_cast<std::size_t>(std::upper_bound(keys.begin(), keys.end(), frame) - keys.begin());
    return lastUpperBound;
}

bool InterpStrategy::FindSegment(int frame, std::size_t& a) const {
    const std::size_t b = UpperBound(frame);
    if (b == 0 || b == Size())
        return false;
    a = b - 1;
    return true;
}
