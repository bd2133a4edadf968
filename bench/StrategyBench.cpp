// One Evaluate per strategy, built by the factory as DollyCam builds it, on the 20-waypoint
// path, and the B-spline on 100 waypoints. Queries sweep the path one frame per call.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "bench/BenchHost.h"
#include "bench/BenchNames.h"
#include "core/InterpStrategyFactory.h"
#include "interp/InterpStrategy.h"
#include "tests/oracle/InterpStrategies.h"

namespace Quorvel::Bench {
namespace {

constexpr float kFps = 30.0f;

template <typename Strategy>
void Sweep(benchmark::State& state, Strategy& strategy, const SnapshotMap& path) {
    const int first = path.begin()->first;
    const int last = path.rbegin()->first;
    int frame = first;
    for (auto _ : state) {
        const CameraPose pose = strategy.Evaluate(static_cast<float>(frame) / kFps, frame);
        benchmark::DoNotOptimize(pose);
        frame = frame + 1 >= last ? first : frame + 1;
    }
}

void EvaluateOptimised(benchmark::State& state, int mode, int waypoints) {
    auto path = std::make_shared<SnapshotMap>(BenchPath(waypoints));
    // No console: the B-spline strategy uses its default accuracy.
    const std::shared_ptr<InterpStrategy> strategy = MakeInterpStrategy(mode, path, 0, nullptr);
    Sweep(state, *strategy, *path);
}

void EvaluateStraightforward(benchmark::State& state, int mode, int waypoints) {
    const SnapshotMap path = BenchPath(waypoints);
    const auto strategy = Oracle::MakeInterpStrategy(mode, path, 0, {}); // default accuracy
    Sweep(state, *strategy, path);
}

bool Register() {
    const std::pair<int, int> cases[] = {{0, 20}, {1, 20}, {2, 20}, {4, 20},
                                         {5, 20}, {6, 20}, {7, 20}, {5, 100}};
    for (const auto& [mode, waypoints] : cases) {
        const std::string name = "Strategy/evaluate/mode_" + std::to_string(mode) + "/wp_" +
                                 std::to_string(waypoints) + "/";
        benchmark::RegisterBenchmark((name + kOptimised).c_str(), EvaluateOptimised, mode,
                                     waypoints);
        benchmark::RegisterBenchmark((name + kStraightforward).c_str(), EvaluateStraightforward,
                                     mode, waypoints);
    }
    return true;
}

const bool registered = Register();

} // namespace
} // namespace Quorvel::Bench
