// A full rebuild after an edit: one waypoint moves a unit, then the location strategy (with
// the arc-length table when constant speed is on, and the path cache the overlay draws) and
// the rotation strategy are rebuilt, as after every change to the path. The edit alternates
// so the path never settles. Moving a waypoint leaves the path's timing as it was, which the
// B-spline strategy's sampling keeps from one rebuild to the next; the "retimed" cases move
// the waypoint's timestamp by a millisecond instead, as a timeline drag does, so nothing can
// be kept.

#include <benchmark/benchmark.h>

#include <iterator>
#include <string>

#include "bench/BenchHost.h"
#include "bench/BenchNames.h"

namespace Quorvel::Bench {
namespace {

struct RebuildCase {
    Settings settings;
    int waypoints = 20;
    int spanFrames = 1800;
    bool retime = false;
};

// The edit, alternating in sign: a unit along X, or a millisecond of the waypoint's time.
void Edit(CameraSnapshot& waypoint, bool retime, float& step) {
    if (retime)
        waypoint.timestamp += step * 0.001f;
    else
        waypoint.location.X += step;
    step = -step;
}

// The waypoint halfway along, and the step it moves by (world units, alternating sign).
int MiddleFrame(const SnapshotMap& path) {
    return std::next(path.begin(), static_cast<long>(path.size() / 2))->first;
}

void RebuildOptimised(benchmark::State& state, const RebuildCase& c) {
    BenchHost bench(c.settings);
    bench.InstallInPlugin(BenchPath(c.waypoints, c.spanFrames));
    DollyCam& cam = bench.Cam();
    CameraSnapshot& moved = (*cam.snapshots)[MiddleFrame(*cam.snapshots)];
    float step = 1.0f;
    for (auto _ : state) {
        Edit(moved, c.retime, step);
        cam.UpdateLocationStrategy();
        cam.UpdateRotationStrategy();
    }
    if (!bench.Healthy() || !cam.locationStrategy)
        state.SkipWithError(("nothing was rebuilt: " + bench.Errors()).c_str());
}

void RebuildStraightforward(benchmark::State& state, const RebuildCase& c) {
    BenchHost bench(c.settings);
    bench.InstallInOracle(BenchPath(c.waypoints, c.spanFrames));
    Oracle::DollyCam& oracle = bench.oracle;
    CameraSnapshot& moved = oracle.snapshots[MiddleFrame(oracle.snapshots)];
    float step = 1.0f;
    for (auto _ : state) {
        Edit(moved, c.retime, step);
        oracle.UpdateLocationStrategy();
        oracle.UpdateRotationStrategy();
    }
    if (!oracle.locationStrategy || !oracle.rotationStrategy)
        state.SkipWithError("nothing was rebuilt");
}

std::string Name(const RebuildCase& c, const char* implementation) {
    return "Rebuild/" + ModesName(c.settings.locationMode, c.settings.rotationMode) + "/wp_" +
           std::to_string(c.waypoints) + "_frames_" + std::to_string(c.spanFrames) + "/" +
           SpeedName(c.settings.speedNormalisation) + "/chaikin_" +
           std::to_string(c.settings.chaikinDegree) + (c.retime ? "/retimed/" : "/") +
           implementation;
}

void Add(const RebuildCase& c) {
    benchmark::RegisterBenchmark(Name(c, kOptimised).c_str(), RebuildOptimised, c)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(Name(c, kStraightforward).c_str(), RebuildStraightforward, c)
        ->Unit(benchmark::kMillisecond);
}

// Chaikin subdivision keeps every waypoint and adds two points per segment and pass, so degree
// 3 makes 100 waypoints about 2700 points: more than the B-spline takes (2500). Those cases time a
// rebuild whose B-spline strategies have no value and whose path cache stays empty, as a user
// with such settings gets.
bool Register() {
    for (const auto& [waypoints, frames] : {std::pair{20, 1800}, std::pair{100, 9000}})
        for (const auto& [location, rotation] : {std::pair{7, 5}, std::pair{5, 5}})
            for (bool speed : {false, true})
                for (int chaikin : {0, 3})
                    Add({{location, rotation, speed, chaikin, false}, waypoints, frames});
    for (int chaikin : {0, 3})
        Add({{5, 5, true, chaikin, false}, 20, 1800, true});
    // An hour of replay: the path cache alone samples 108,001 frames.
    Add({{7, 5, false, 0, false}, 100, 108000});
    Add({{5, 5, false, 0, false}, 100, 108000});
    return true;
}

const bool registered = Register();

} // namespace
} // namespace Quorvel::Bench
