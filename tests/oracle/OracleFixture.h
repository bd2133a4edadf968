#pragma once
// A loaded plugin in a paused replay's free-fly camera beside an oracle with the same settings
// and path, and the comparisons between the two. Settings go to the plugin through its console
// variables, as a user sets them; a path is installed in both and rebuilt as every edit
// rebuilds (location, then rotation).

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/IGameApplier.h"
#include "tests/oracle/DollyCam.h"
#include "tests/plugin/PluginFixture.h"

namespace Quorvel::Testing {

// The sanitizer build (unoptimised, instrumented) runs these comparisons some fifty times
// slower: there the tests use fewer random paths and compare edge cases with constant speed
// only, which still runs every strategy, the arc-length table and playback.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kSanitized = true;
#else
inline constexpr bool kSanitized = false;
#endif

// Keeps the pose playback writes, unrounded (the plugin's own applier makes whole rotator
// units, which would hide differences in the last bits).
class RecordingApplier final : public IGameApplier {
public:
    void ApplyPOV(float x, float y, float z, float pitch, float yaw, float roll,
                  float fov) override {
        last = CameraPose{x, y, z, pitch, yaw, roll, fov};
        ++writes;
    }
    CameraPose ReadCamera() override { return last; }

    CameraPose last;
    int writes = 0;
};

// One strategy query: replay seconds and frame.
struct Query {
    float time = 0.0f;
    int frame = 0;
};

// Queries over a path: for every segment its first, middle and last frame at its start, end
// and middle moments and at a seeded moment up to half a segment outside it; then the path's
// ends, frames and times beyond them, and times far outside and not finite.
std::vector<Query> QueriesAcross(const SnapshotMap& path, std::uint32_t seed);

// Every replay frame from two before the path to two after it, as a replay plays them.
std::vector<int> FramesAcross(const SnapshotMap& path);

class OracleTest : public PluginTest {
protected:
    void SetUp() override;

    void UseModes(int location, int rotation);
    void UseChaikinDegree(int degree);
    void UseSpeedNormalisation(bool on);
    void UseSplineAccuracy(int accuracy);
    void UseFrameShift(int frames);
    void Install(const SnapshotMap& path);

    // Each comparison stops at its first difference and reports it, with `what` naming the case.
    void ExpectSameStrategies(const std::vector<Query>& queries, const std::string& what);
    void ExpectSamePathCache(const std::string& what);
    void ExpectSameArcLengthTable(const std::string& what);
    // All three, over QueriesAcross the installed path.
    void ExpectSameDerived(const std::string& what, std::uint32_t seed = 1);
    // Playback with the plugin active, frame after frame. Every tickEvery-th frame (0: never)
    // the game clock first runs one tick, so the clock meets both the replay and a clock
    // running ahead of it.
    void ExpectSamePlayback(const std::vector<int>& frames, int tickEvery, const std::string& what);

    Oracle::DollyCam oracle;
    std::shared_ptr<RecordingApplier> recorder;
};

} // namespace Quorvel::Testing
