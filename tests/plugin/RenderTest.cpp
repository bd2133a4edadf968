// Render's drawing order (the path overlay, then the reference shapes, then the gizmo), and
// paths that are hard to play, draw and export.

#include <algorithm>
#include <ctime>
#include <fstream>
#include <functional>
#include <iostream>
#include <sstream>
#include <vector>

#include "host/Canvas.h"
#include "overlay/ReferenceShape.h"
#include "tests/plugin/PluginFixture.h"

namespace Quorvel::Testing {
namespace {

using Corvane::Host::CanvasCall;
using Corvane::Host::CanvasCallKind;

class RenderTest : public PluginTest {
protected:
    void SetUp() override {
        PluginTest::SetUp();
        host.GetWorld().GetCanvas().SetSize(1000, 500);
        EnterFlycamReplay();
        TakeAt(0, {1000, -200, 0});
        TakeAt(30, {1000, 200, 0});
        host.SetCamera({0, 0, 0}, {0, 0, 0}, 90.0f);
        AddReferenceShape(Plugin().referenceShapes, ReferenceShape::Cube).position = {1000, 0, 0};
    }
    // Shapes draw with a width; the path and the gizmo with one-pixel lines.
    static bool IsShapeLine(const CanvasCall& call) {
        return call.kind == CanvasCallKind::DrawLine && call.hasWidth;
    }
};

TEST_F(RenderTest, DrawsThePathThenTheShapesThenTheGizmo) {
    host.Tick();
    const std::vector<CanvasCall>& calls = host.CanvasCalls();
    const auto firstShape = std::find_if(calls.begin(), calls.end(), IsShapeLine);
    const auto lastShape = std::find_if(calls.rbegin(), calls.rend(), IsShapeLine).base();
    ASSERT_NE(firstShape, calls.end());
    EXPECT_EQ(std::count_if(firstShape, lastShape, IsShapeLine), 12);
    const auto isMarker = [](const CanvasCall& c) {
        return c.kind == CanvasCallKind::FillBox;
    };
    EXPECT_EQ(std::count_if(calls.begin(), firstShape, isMarker), 2); // the path's markers
    // The gizmo's diamonds and handles: two waypoints, one automatic handle each.
    EXPECT_EQ(std::count_if(lastShape, calls.end(),
                            [](const CanvasCall& c) { return c.kind == CanvasCallKind::DrawLine; }),
              2 * 6 + 2 * (5 + 6));
}

TEST_F(RenderTest, WithThePathSwitchedOffOnlyTheShapesAreDrawn) {
    host.Run("dolly_render 0");
    host.Tick();
    const std::vector<CanvasCall>& calls = host.CanvasCalls();
    EXPECT_EQ(std::count_if(calls.begin(), calls.end(), IsShapeLine), 12);
    EXPECT_TRUE(std::all_of(calls.begin(), calls.end(), [](const CanvasCall& c) {
        return IsShapeLine(c) || c.kind == CanvasCallKind::SetColor;
    }));
}

// The processor time this thread has used: a frame's own cost, whatever else the machine runs.
double ThreadMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// A frame's budget for playback and drawing together, in the optimised build.
#if defined(__SANITIZE_ADDRESS__) || !defined(NDEBUG)
constexpr double kFrameBudgetMs = 1e9;
#else
constexpr double kFrameBudgetMs = 10.0;
#endif

// Paths that divide by zero or multiply the work play, draw and export in every mode without a
// non-finite value (the host counts any camera write of one as a fault) and within the budget.
// The figures are printed.
TEST_F(RenderTest, DegenerateAndHeavilySubdividedPathsStayFiniteAndWithinAFrame) {
    const std::pair<const char*, std::function<void()>> paths[] = {
        {"one waypoint",
         [&] {
             TakeAt(10, {500, 0, 100});
         }},
        {"one moment",
         [&] {
             for (int frame : {10, 11, 40, 41}) {
                 host.SetFrame(frame);
                 host.GetWorld().SetReplayTime(1.0f);
                 host.SetCamera({500, frame * 10.0f, 100}, {}, 90.0f);
                 host.Run("dolly_snapshot_take");
             }
         }},
        {"Chaikin 20 over 9000 frames", [&] {
             for (int frame : {0, 3000, 6000, 9000})
                 TakeAt(frame, {500, frame / 10.0f - 450, 100.0f + frame % 4000});
             host.Run("dolly_chaikin_degree 20");
         }}};
    for (const auto& [name, make] : paths) {
        host.Run("dolly_path_clear");
        make();
        double slowestOfPath = 0.0;
        for (int mode = 0; mode <= 7; ++mode) {
            host.Run("dolly_interpmode " + std::to_string(mode));
            host.Run("dolly_activate");
            double slowest = 0.0; // processor time, so that other programs do not count

            for (int frame = 0; frame <= 9000; frame += 300) {
                host.SetFrame(frame);
                const double start = ThreadMilliseconds();
                host.Tick();
                const double took = ThreadMilliseconds() - start;
                slowest = std::max(slowest, took);
            }
            host.Run("dolly_deactivate");
            std::filesystem::remove(host.DataFolder() / "campaths" / "flight.csv");
            host.Run("dolly_export flight.csv");
            std::ostringstream exported;
            exported << std::ifstream(host.DataFolder() / "campaths" / "flight.csv").rdbuf();
            EXPECT_EQ(exported.str().find("nan"), std::string::npos) << name << ", mode " << mode;
            EXPECT_EQ(exported.str().find("inf"), std::string::npos) << name << ", mode " << mode;
            EXPECT_LT(slowest, kFrameBudgetMs) << name << ", mode " << mode;
            slowestOfPath = std::max(slowestOfPath, slowest);
        }
        std::cout << name << ": slowest frame " << slowestOfPath << " ms" << std::endl;
        host.Run("dolly_chaikin_degree 0");
    }
}

} // namespace
} // namespace Quorvel::Testing
