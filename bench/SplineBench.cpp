// The spline module alone: natural cubic interpolation of 4, 20, 100 and 1000 points (as the
// B-spline strategy builds its location spline: timestamp and three coordinates), and one
// bisection on the timestamp, as every B-spline evaluation makes three of.

#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
#include <vector>

#include "bench/BenchNames.h"
#include "spline/Bisect.h"
#include "spline/Interpolate.h"
#include "tests/oracle/Spline.h"

namespace Quorvel::Bench {
namespace {

constexpr int kBisectPoints = 100;

// n points of (seconds, x, y, z): 2 s apart, on a winding line.
std::vector<double> Points(int n) {
    std::vector<double> points;
    for (int i = 0; i < n; ++i) {
        const double t = 2.0 * i;
        points.insert(points.end(),
                      {t, 1000.0 * std::sin(0.3 * t), 800.0 * std::cos(0.2 * t), 500.0 + 10.0 * t});
    }
    return points;
}

template <typename SplineT, typename Interpolate>
void InterpolateCase(benchmark::State& state, int n, Interpolate interpolate) {
    const std::vector<double> points = Points(n);
    for (auto _ : state) {
        SplineT spline;
        const auto status = interpolate(points, spline);
        benchmark::DoNotOptimize(status);
        benchmark::DoNotOptimize(spline);
    }
}

// Queries walk through the spline's time range by an irregular step.
template <typename SplineT, typename NetT, typename QueryT, typename Interpolate, typename Bisect>
void BisectCase(benchmark::State& state, Interpolate interpolate, Bisect bisect) {
    SplineT spline;
    interpolate(Points(kBisectPoints), spline);
    const double span = 2.0 * (kBisectPoints - 1);
    double at = 0.0;
    QueryT query;
    query.epsilon = 1.0 / 7500.0;
    for (auto _ : state) {
        at = std::fmod(at + 7.31, span);
        query.value = at;
        NetT net;
        const auto status = bisect(spline, query, net);
        benchmark::DoNotOptimize(status);
        benchmark::DoNotOptimize(net);
    }
}

bool Register() {
    namespace Plugin = Quorvel::Spline;
    namespace Frozen = Oracle::Spline;
    const auto pluginInterpolate = [](const std::vector<double>& p, Plugin::BSpline& s) {
        return Plugin::InterpolateCubicNatural(p, 4, s);
    };
    const auto frozenInterpolate = [](const std::vector<double>& p, Frozen::BSpline& s) {
        return Frozen::InterpolateCubicNatural(p, 4, s);
    };
    for (int n : {4, 20, 100, 1000}) {
        const std::string name = "Spline/interpolate/points_" + std::to_string(n) + "/";
        benchmark::RegisterBenchmark((name + kOptimised).c_str(), [=](benchmark::State& s) {
            InterpolateCase<Plugin::BSpline>(s, n, pluginInterpolate);
        })->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark((name + kStraightforward).c_str(), [=](benchmark::State& s) {
            InterpolateCase<Frozen::BSpline>(s, n, frozenInterpolate);
        })->Unit(benchmark::kMicrosecond);
    }
    const std::string name = "Spline/bisect/points_" + std::to_string(kBisectPoints) + "/";
    benchmark::RegisterBenchmark((name + kOptimised).c_str(), [=](benchmark::State& s) {
        BisectCase<Plugin::BSpline, Plugin::DeBoorNet, Plugin::BisectQuery>(
            s, pluginInterpolate, [](const auto& spline, const auto& query, auto& net) {
                return Plugin::Bisect(spline, query, net);
            });
    })->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark((name + kStraightforward).c_str(), [=](benchmark::State& s) {
        BisectCase<Frozen::BSpline, Frozen::DeBoorNet, Frozen::BisectQuery>(
            s, frozenInterpolate, [](const auto& spline, const auto& query, auto& net) {
                return Frozen::Bisect(spline, query, net);
            });
    })->Unit(benchmark::kMicrosecond);
    return true;
}

const bool registered = Register();

} // namespace
} // namespace Quorvel::Bench
