// One Evaluate per strategy on a 20-waypoint path, and the B-spline strategy on 100 waypoints,
// whose every evaluation rebuilds three splines.

#include <benchmark/benchmark.h>

#include <functional>
#include <memory>

#include "interp/CatmullRomInterpStrategy.h"
#include "interp/CosineInterpStrategy.h"
#include "interp/CubicHermiteInterpStrategy.h"
#include "interp/KochanekBartelsInterpStrategy.h"
#include "interp/LinearInterpStrategy.h"
#include "interp/NBezierInterpStrategy.h"
#include "interp/SplineInterpStrategy.h"

namespace {

// n waypoints 30 frames (1 s) apart on a winding line.
std::shared_ptr<SnapshotMap> Path(int n) {
    auto path = std::make_shared<SnapshotMap>();
    for (int i = 0; i < n; ++i) {
        const auto f = static_cast<float>(i);
        CameraSnapshot w;
        w.frame = 30 * i;
        w.timestamp = f;
        w.location = {100.0f * f, 50.0f * static_cast<float>(i % 3), 300.0f};
        w.rotation = {-500.0f, 1000.0f * f, 0.0f};
        w.FOV = 80.0f + static_cast<float>(i % 4);
        (*path)[w.frame] = w;
    }
    return path;
}

using Make = std::function<std::shared_ptr<InterpStrategy>(std::shared_ptr<SnapshotMap>)>;

// Queries sweep the middle of the path, one frame per call.
void EvaluateOnce(benchmark::State& state, const Make& make, int waypoints) {
    auto strategy = make(Path(waypoints));
    const int frames = 30 * (waypoints - 1);
    int frame = 0;
    for (auto _ : state) {
        const CameraPose pose = strategy->Evaluate(static_cast<float>(frame) / 30.0f, frame);
        benchmark::DoNotOptimize(pose);
        frame = (frame + 7) % frames;
    }
}

const Make kLinear = [](auto p) {
    return std::make_shared<LinearInterpStrategy>(p, 0);
};
const Make kBezier = [](auto p) {
    return std::make_shared<NBezierInterpStrategy>(p, 0);
};
const Make kCosine = [](auto p) {
    return std::make_shared<CosineInterpStrategy>(p);
};
const Make kCatmullRom = [](auto p) {
    return std::make_shared<CatmullRomInterpStrategy>(p, 0);
};
const Make kSpline = [](auto p) {
    return std::make_shared<SplineInterpStrategy>(p, 0);
};
const Make kKochanekBartels = [](auto p) {
    return std::make_shared<KochanekBartelsInterpStrategy>(p, 0);
};
const Make kCubicHermite = [](auto p) {
    return std::make_shared<CubicHermiteInterpStrategy>(p);
};

} // namespace

BENCHMARK_CAPTURE(EvaluateOnce, Linear20, kLinear, 20);
BENCHMARK_CAPTURE(EvaluateOnce, NBezier20, kBezier, 20);
BENCHMARK_CAPTURE(EvaluateOnce, Cosine20, kCosine, 20);
BENCHMARK_CAPTURE(EvaluateOnce, CatmullRom20, kCatmullRom, 20);
BENCHMARK_CAPTURE(EvaluateOnce, Spline20, kSpline, 20);
BENCHMARK_CAPTURE(EvaluateOnce, KochanekBartels20, kKochanekBartels, 20);
BENCHMARK_CAPTURE(EvaluateOnce, CubicHermite20, kCubicHermite, 20);
BENCHMARK_CAPTURE(EvaluateOnce, Spline100, kSpline, 100);
