// Every output bit of the engine on seeded random paths, folded into one digest: strategy poses
// at random (time, frame) queries, the path cache, the arc-length table and the poses playback
// writes, for every pair of location and rotation modes, with and without subdivision and
// constant-speed re-timing. The expected digest was recorded from the plain implementation
// before any of it was made faster; a change of one bit anywhere changes the digest.

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "interp/InterpStrategy.h"
#include "tests/core/EngineFixture.h"

namespace Quorvel::Testing {
namespace {

// Uniform numbers from the standard engine's fixed output sequence, so the paths are the same
// with every standard library.
class Random {
public:
    explicit Random(std::uint32_t seed) : engine(seed) {}
    float Unit() { return static_cast<float>(engine() >> 8) / 16777216.0f; } // [0, 1)
    float Between(float low, float high) { return low + (high - low) * Unit(); }
    int Below(int n) { return static_cast<int>(engine() % static_cast<std::uint32_t>(n)); }
    bool Chance(int percent) { return Below(100) < percent; }

private:
    std::mt19937 engine;
};

struct PathShape {
    int waypoints;
    int firstFrame;
    int maxGap;    // frames between neighbours, 1 to maxGap
    bool oddities; // equal times, frame fields off their keys, a zero FOV, huge values
};

SnapshotMap MakePath(Random& random, const PathShape& shape) {
    SnapshotMap path;
    int frame = shape.firstFrame;
    float time = static_cast<float>(frame) / 30.0f;
    for (int i = 0; i < shape.waypoints; ++i) {
        CameraSnapshot w;
        w.frame = frame;
        w.timestamp = time;
        w.FOV = random.Between(60.0f, 110.0f);
        w.location = {random.Between(-5000, 5000), random.Between(-5000, 5000),
                      random.Between(0, 2000)};
        w.rotation = {random.Between(-16000, 16000), random.Between(-40000, 40000),
                      random.Chance(30) ? random.Between(-3000, 3000) : 0.0f};
        w.weight = random.Between(0.5f, 2.0f);
        w.v3_kb_tension = random.Between(-1, 1);
        w.v3_kb_bias = random.Between(-1, 1);
        w.v3_kb_continuity = random.Between(-1, 1);
        w.v3_bz_has_custom = random.Chance(50);
        w.v3_bz_ctrl_out = {random.Between(-300, 300), random.Between(-300, 300),
                            random.Between(-300, 300)};
        w.v3_bz_ctrl_in = {random.Between(-300, 300), random.Between(-300, 300),
                           random.Between(-300, 300)};
        if (shape.oddities) {
            if (random.Chance(10))
                w.frame += random.Below(5) - 2; // a field that disagrees with its key
            if (random.Chance(5))
                w.FOV = 0.5f;
            if (random.Chance(3))
                w.location.X = 3e38f;
        }
        path[frame] = w;
        const int gap = 1 + random.Below(shape.maxGap);
        frame += gap;
        const bool sameMoment = shape.oddities && random.Chance(10);
        time += sameMoment ? 0.0f : static_cast<float>(gap) / 30.0f * random.Between(0.5f, 1.5f);
    }
    return path;
}

const PathShape kShapes[] = {
    {1, 40, 30, false},  {2, 0, 30, false},  {3, 10, 45, false},       {4, 0, 30, false},
    {5, 100, 60, false}, {7, 3, 2, false},   {12, 0, 40, true},        {20, 500, 30, false},
    {20, 0, 30, true},   {40, 0, 12, false}, {6, 20000000, 40, false}, {9, 0, 25, true},
};

class OutputDigestTest : public EngineTest {
protected:
    void AddStrategyQueries(Random& random, int first, int last) {
        for (int q = 0; q < 40; ++q) {
            const int frame = first - 3 + random.Below(last - first + 7);
            const float time = static_cast<float>(frame) / 30.0f + random.Between(-0.2f, 0.2f);
            digest.Add(engine->locationStrategy->Evaluate(time, frame));
            digest.Add(engine->rotationStrategy->Evaluate(time, frame));
        }
    }

    void AddCacheAndTable() {
        digest.Add(static_cast<int>(engine->pathCache.size()));
        for (const PathCacheSample& sample : engine->pathCache) {
            digest.Add(sample.frame);
            digest.Add(sample.location.X);
            digest.Add(sample.location.Y);
            digest.Add(sample.location.Z);
        }
        digest.Add(static_cast<int>(engine->arcLengthTable.size()));
        for (const auto& [s, t] : engine->arcLengthTable) {
            digest.Add(s);
            digest.Add(t);
        }
    }

    // Frames jumped to one by one (the clock re-synchronises), then a stretch played.
    void AddPlayback(int first, int last) {
        ResetPlaybackClock();
        const int step = (last - first) / 60 + 1;
        for (int frame = first - 1; frame <= last + 1; frame += step) {
            host.SetFrame(frame);
            engine->Apply();
            digest.Add(static_cast<int>(recorder->poses.size()));
            digest.Add(recorder->Last());
        }
        host.SetFrame(first);
        host.Play();
        for (int tick = 0; tick < 12; ++tick) {
            host.GetWorld().Tick();
            engine->Apply();
            digest.Add(recorder->Last());
        }
        host.Pause();
    }

    Digest digest;
};

TEST_F(OutputDigestTest, EveryModePairOnSeededPathsGivesTheRecordedBits) {
    Random random(20240611u);
    for (const PathShape& shape : kShapes) {
        *engine->snapshots = MakePath(random, shape);
        const int first = engine->snapshots->begin()->first;
        const int last = engine->snapshots->rbegin()->first;
        host.Run(random.Chance(50) ? "dolly_spline_acc 7500" : "dolly_spline_acc 300");
        for (int chaikin : {0, 3}) {
            host.Run("dolly_chaikin_degree " + std::to_string(chaikin));
            for (bool speed : {false, true}) {
                engine->speedNormalisation = speed;
                for (int location = 0; location <= 7; ++location) {
                    host.Run("dolly_interpmode_location " + std::to_string(location));
                    for (int rotation = 0; rotation <= 7; ++rotation) {
                        host.Run("dolly_interpmode_rotation " + std::to_string(rotation));
                        engine->UpdateLocationStrategy();
                        engine->UpdateRotationStrategy();
                        AddCacheAndTable();
                        AddStrategyQueries(random, first, last);
                        AddPlayback(first, last);
                    }
                }
            }
        }
    }
    std::printf("output digest %016llx, %d poses\n",
                static_cast<unsigned long long>(digest.Value()), int(recorder->poses.size()));
    EXPECT_EQ(digest.Value(), 0x0df5b48591f0845dull);
}

} // namespace
} // namespace Quorvel::Testing
