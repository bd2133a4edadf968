// One frame of the edits a user makes by dragging, on the 20-waypoint path: a Bezier handle
// dragged in the viewport (the gizmo's Render with the drag under way, which writes the
// waypoint and rebuilds, then RenderPath draws the new path), and a live scale dragged in the
// settings window (ApplyLiveTransforms re-derives the path from its baseline and rebuilds).
// The plugin only: the oracle has no overlay.

#include <benchmark/benchmark.h>

#include <iterator>
#include <string>

#include "bench/BenchHost.h"
#include "bench/BenchNames.h"
#include "ui/LiveTransforms.h"

namespace Quorvel::Bench {
namespace {

constexpr int kWaypoints = 20;
constexpr int kMouseStep = 6; // pixels a frame, back and forth

void HandleDrag(benchmark::State& state, const Settings& settings) {
    BenchHost bench(settings);
    bench.InstallInPlugin(BenchPath(kWaypoints));
    bench.LookAtPath();
    DollyCam& cam = bench.Cam();
    cam.showPath = true;
    // The out handle of the waypoint halfway along is held, as after a click on it.
    CameraSnapshot& held = std::next(cam.snapshots->begin(), kWaypoints / 2)->second;
    held.v3_bz_has_custom = true;
    held.v3_bz_ctrl_out = Vector(200, 150, 50);
    held.v3_bz_ctrl_in = Vector(-200, -150, -50);
    cam.UpdateLocationStrategy();
    cam.UpdateRotationStrategy();
    HandleGizmo& gizmo = bench.Plugin().gizmo;
    gizmo.draggedHandleFrame = held.frame;
    gizmo.draggingOutHandle = true;
    MouseState mouse;
    mouse.hasContext = true;
    mouse.hasPosition = true;
    mouse.leftDown = true;
    mouse.position = Vector2(640, 360);
    gizmo.lastMousePos = mouse.position;
    const auto frame = [&](int dx) {
        mouse.position = Vector2(mouse.position.X + dx, mouse.position.Y);
        bench.World().GetCanvas().BeginFrame(); // as the host does before every drawn frame
        gizmo.Render(bench.Canvas(), cam, mouse, -1);
        cam.RenderPath(bench.Canvas());
    };
    // One untimed step shows the drag is live: the handle follows the mouse.
    const Vector before = held.v3_bz_ctrl_out;
    frame(kMouseStep);
    if (!bench.Healthy() || cam.GetSnapshot(held.frame).v3_bz_ctrl_out == before) {
        state.SkipWithError(("the handle did not follow the mouse: " + bench.Errors()).c_str());
        return;
    }
    int direction = -1;
    for (auto _ : state) {
        frame(direction * kMouseStep);
        direction = -direction;
    }
    if (!bench.Healthy() || gizmo.draggedHandleFrame < 0)
        state.SkipWithError(("the drag ended: " + bench.Errors()).c_str());
}

void LiveScale(benchmark::State& state, const Settings& settings) {
    BenchHost bench(settings);
    bench.InstallInPlugin(BenchPath(kWaypoints));
    PathToolsState& tools = bench.Plugin().pathTools;
    CaptureTransformBaseline(tools, bench.Cam());
    bool grow = true;
    for (auto _ : state) {
        tools.transformScale = grow ? 1.02f : 0.98f;
        grow = !grow;
        if (!ApplyLiveTransforms(tools, bench.Cam()))
            state.SkipWithError("the scale was refused");
    }
    if (!bench.Healthy())
        state.SkipWithError(bench.Errors().c_str());
}

bool Register() {
    for (const auto& [location, rotation] : {std::pair{7, 5}, std::pair{5, 5}}) {
        const Settings settings{location, rotation, false, 0, false};
        const std::string modes = ModesName(location, rotation);
        benchmark::RegisterBenchmark(
            ("Overlay/handle_drag/" + modes + "/wp_20/" + kOptimised).c_str(), HandleDrag, settings)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(
            ("Overlay/live_scale/" + modes + "/wp_20/" + kOptimised).c_str(), LiveScale, settings)
            ->Unit(benchmark::kMillisecond);
    }
    return true;
}

const bool registered = Register();

} // namespace
} // namespace Quorvel::Bench
