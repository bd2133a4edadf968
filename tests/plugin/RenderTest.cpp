// Render's drawing order: the path overlay, then the reference shapes, then the gizmo.

#include <algorithm>
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

} // namespace
} // namespace Quorvel::Testing
