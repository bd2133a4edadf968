// One frame of playback: the replay moves to the next frame and Apply runs, reading the frame
// and the game clock from the host, evaluating both strategies and writing the camera. The
// straightforward case does the same host reads and camera write around the oracle's step.
// The game clock stands still (the replay is paused and moved by hand), so every frame takes
// the clock's re-synchronising branch, the same in both.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/BenchHost.h"
#include "bench/BenchNames.h"

namespace Quorvel::Bench {
namespace {

struct ApplyCase {
    Settings settings;
    int waypoints = 20;
};

// Frames run from the first waypoint to the last and round again.
class FrameSweep {
public:
    explicit FrameSweep(const SnapshotMap& path)
        : first(path.begin()->first), last(path.rbegin()->first), frame(first) {}
    int Next() {
        const int current = frame;
        frame = frame == last ? first : frame + 1;
        return current;
    }

private:
    int first, last, frame;
};

void ApplyOptimised(benchmark::State& state, const ApplyCase& c) {
    BenchHost bench(c.settings);
    const SnapshotMap path = BenchPath(c.waypoints);
    bench.InstallInPlugin(path);
    bench.Activate();
    Corvane::Host::World& world = bench.World();
    DollyCam& cam = bench.Cam();
    FrameSweep frames(path);
    const long writes = world.CameraWriteCount();
    for (auto _ : state) {
        world.SkipToFrame(frames.Next());
        cam.Apply();
    }
    if (!bench.Healthy() || world.CameraWriteCount() == writes)
        state.SkipWithError(("playback wrote nothing: " + bench.Errors()).c_str());
}

void ApplyStraightforward(benchmark::State& state, const ApplyCase& c) {
    BenchHost bench(c.settings);
    const SnapshotMap path = BenchPath(c.waypoints);
    bench.InstallInOracle(path);
    Corvane::Host::World& world = bench.World();
    GameWrapper& game = *bench.Cam().gameWrapper;
    IGameApplier& applier = *bench.Cam().gameApplier;
    FrameSweep frames(path);
    const long writes = world.CameraWriteCount();
    for (auto _ : state) {
        world.SkipToFrame(frames.Next());
        if (!game.IsInReplay())
            continue;
        const ReplayServerWrapper replay = game.GetGameEventAsReplay();
        // The plugin's clock reads the replay's rate every frame.
        bench.oracle.replayFps = static_cast<float>(replay.GetReplayFPS());
        const std::optional<CameraPose> pose =
            bench.oracle.Step(replay.GetCurrentReplayFrame(), replay.GetSecondsElapsed());
        if (pose)
            applier.ApplyPOV(pose->x, pose->y, pose->z, pose->pitch, pose->yaw, pose->roll,
                             pose->FOV);
    }
    if (world.CameraWriteCount() == writes)
        state.SkipWithError("playback wrote nothing");
}

std::string Name(const ApplyCase& c, const char* implementation) {
    const std::string variant =
        c.settings.lockAndFollow ? "lock_and_follow" : SpeedName(c.settings.speedNormalisation);
    return "Apply/" + ModesName(c.settings.locationMode, c.settings.rotationMode) + "/wp_" +
           std::to_string(c.waypoints) + "/" + variant + "/" + implementation;
}

bool Register() {
    const std::vector<std::pair<int, int>> modes = {{7, 5}, {5, 5}, {0, 0}, {1, 1}, {2, 2},
                                                    {3, 3}, {4, 4}, {6, 6}, {7, 7}};
    for (const auto& [location, rotation] : modes)
        for (int waypoints : {5, 20, 100})
            for (bool speed : {false, true}) {
                const ApplyCase c{{location, rotation, speed, 0, false}, waypoints};
                benchmark::RegisterBenchmark(Name(c, kOptimised).c_str(), ApplyOptimised, c)
                    ->Unit(benchmark::kMicrosecond);
                benchmark::RegisterBenchmark(Name(c, kStraightforward).c_str(),
                                             ApplyStraightforward, c)
                    ->Unit(benchmark::kMicrosecond);
            }
    // Target lock and soft follow come after the pose the oracle computes: the plugin only.
    for (const auto& [location, rotation] : {std::pair{7, 5}, std::pair{5, 5}})
        for (int waypoints : {5, 20, 100}) {
            const ApplyCase c{{location, rotation, false, 0, true}, waypoints};
            benchmark::RegisterBenchmark(Name(c, kOptimised).c_str(), ApplyOptimised, c)
                ->Unit(benchmark::kMicrosecond);
        }
    return true;
}

const bool registered = Register();

} // namespace
} // namespace Quorvel::Bench
