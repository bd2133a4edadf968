// Seeded random paths of every size class: the plugin's strategies, path cache, arc-length
// table and playback must equal the oracle's bit for bit, for each mode pair.

#include <iterator>
#include <string>

#include "tests/oracle/ModePairs.h"
#include "tests/oracle/OracleFixture.h"
#include "tests/support/RandomPath.h"

namespace Quorvel::Testing {
namespace {

constexpr int kPaths = kSanitized ? 40 : 200;
// One path in this many is longer than the 21 waypoints the N-Bezier curve computes exactly.
constexpr int kLongPathEvery = 20;
// Playback is compared on one path in this many (it runs every frame of the path). Odd, so
// that it meets constant speed on every other such path.
constexpr int kPlaybackEvery = 3;
// Edits after the first build are compared on one path in this many.
constexpr int kEditEvery = 4;

class RandomPathsTest : public OracleTest, public ::testing::WithParamInterface<ModePair> {
protected:
    // Settings change on an empty path, so their handlers do not rebuild the previous one.
    void Configure(int chaikinDegree, bool speedNormalisation) {
        if (chaikinDegree == chaikin && speedNormalisation == normalised)
            return;
        Install(SnapshotMap{});
        UseChaikinDegree(chaikinDegree);
        UseSpeedNormalisation(speedNormalisation);
        chaikin = chaikinDegree;
        normalised = speedNormalisation;
    }

    int chaikin = 0;
    bool normalised = false;
};

RandomPathShape ShapeFor(int seed) {
    RandomPathShape shape;
    shape.waypoints = seed % kLongPathEvery == 7 ? 22 + seed % 9 : 1 + seed % 8;
    shape.firstFrame = 10 + (seed * 379) % 5000;
    shape.customHandleEvery = 2 + seed % 4;
    return shape;
}

TEST_P(RandomPathsTest, EqualsTheOracle) {
    UseModes(GetParam().location, GetParam().rotation);
    for (int seed = 0; seed < kPaths; ++seed) {
        // Chaikin on one path in five, constant speed on every other path.
        Configure(seed % 5 == 4 ? 1 + seed % 3 : 0, seed % 2 == 1);
        const SnapshotMap path = RandomPath(static_cast<std::uint32_t>(seed), ShapeFor(seed));
        Install(path);
        const std::string what = "seed " + std::to_string(seed);
        ExpectSameDerived(what, static_cast<std::uint32_t>(seed));
        if (seed % kPlaybackEvery == 0)
            ExpectSamePlayback(FramesAcross(path), 3, what);
        if (seed % kEditEvery == 1 && path.size() >= 3) {
            // Rebuilds over the previous timing: an edit that keeps every timestamp (as drags
            // do), then one that re-times an inner waypoint and keeps the ends.
            SnapshotMap edited = path;
            CameraSnapshot& inner = std::next(edited.begin(), 1)->second;
            inner.location.X += 37.5f;
            inner.rotation.yaw += 1000.0f;
            Install(edited);
            ExpectSameDerived(what + ", a waypoint moved", static_cast<std::uint32_t>(seed));
            inner.timestamp += 0.01f;
            Install(edited);
            ExpectSameDerived(what + ", a waypoint re-timed", static_cast<std::uint32_t>(seed));
        }
        if (HasFailure())
            return; // one seed's report is enough to reproduce it
    }
}

INSTANTIATE_TEST_SUITE_P(ModePairs, RandomPathsTest, ::testing::ValuesIn(ModePairs()),
                         [](const auto& info) { return info.param.Name(); });

} // namespace
} // namespace Quorvel::Testing
