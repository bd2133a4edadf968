// The reached waypoint of a path time: the last in frame order whose timestamp is not after
// it, also when timestamps fall back along the path or are NaN.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "core/ReachedWaypoints.h"

namespace {

// The definition itself, waypoint by waypoint.
int LastReachedByWalking(const SnapshotMap& path, float t) {
    int key = path.begin()->first;
    for (const auto& [frame, waypoint] : path)
        if (!(waypoint.timestamp > t))
            key = frame;
    return key;
}

SnapshotMap PathWithTimes(const std::vector<float>& times) {
    SnapshotMap path;
    for (std::size_t i = 0; i < times.size(); ++i)
        path[10 * static_cast<int>(i)].timestamp = times[i];
    return path;
}

// Random times rise, fall back and are NaN now and then; queries fall before, inside and
// after the path, and one is NaN.
TEST(ReachedWaypoints, AgreesWithTheWalkOnRandomPaths) {
    std::mt19937 random(3);
    std::uniform_real_distribution<float> time(0.0f, 10.0f);
    for (int trial = 0; trial < 200; ++trial) {
        std::vector<float> times(1 + trial % 12);
        for (float& t : times)
            t = random() % 9 == 0 ? std::nanf("") : time(random);
        const SnapshotMap path = PathWithTimes(times);
        ReachedWaypoints reached;
        reached.Build(path);
        ASSERT_TRUE(reached.Covers(path));
        for (int q = 0; q < 50; ++q) {
            const float t = q == 0   ? -std::numeric_limits<float>::infinity()
                            : q == 1 ? std::nanf("")
                                     : time(random) - 1.0f;
            ASSERT_EQ(reached.LastReachedKey(t), LastReachedByWalking(path, t))
                << trial << " " << t;
        }
    }
}

} // namespace
