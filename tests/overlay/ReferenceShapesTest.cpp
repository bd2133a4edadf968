// Reference shapes through the canvas: which edges are drawn, and in which colour. (The labels
// new shapes get are read in tests/ui/ShapesPanelTest.cpp.)

#include <string>
#include <vector>

#include "overlay/ReferenceShape.h"
#include "tests/overlay/OverlayFixture.h"

namespace Quorvel::Testing {
namespace {

using Corvane::Host::CanvasCall;
using Corvane::Host::CanvasCallKind;
using Corvane::Host::CanvasColor;

// The camera is at the origin looking along +X. Edges are drawn 1.5 wide, in the shape's colour.
TEST_F(OverlayTest, AReferenceShapeDrawsTheEdgesWithBothEndsInFront) {
    const struct {
        int type;
        Vector position, size;
        bool visible;
        size_t lines;
    } cases[] = {
        {0, {1000, 0, 0}, {200, 200, 200}, true, 12},
        {0, {1000, 0, 0}, {200, 200, 200}, false, 0},
        // x from -100 to 300: only the four edges on the far face are wholly in front.
        {0, {100, 0, 0}, {400, 100, 100}, true, 4},
        {1, {1000, 0, 0}, {5, 5, 200}, true, 32},
        // Points with cos a > 0.25 are in front: 0-6 and 26-32, twelve segments between them.
        {1, {-50, 0, 0}, {1, 1, 200}, true, 12},
        {2, {1000, 0, 0}, {200, 200, 200}, true, 0}, // an unknown type
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.type << " at " << c.position.X);
        Plugin().referenceShapes.clear();
        ReferenceShape& shape = AddReferenceShape(Plugin().referenceShapes, c.type);
        shape.position = c.position;
        shape.size = c.size;
        shape.visible = c.visible;
        shape.colour[0] = 10;
        host.Tick();
        const std::vector<CanvasCall> lines = CallsOf(CanvasCallKind::DrawLine);
        EXPECT_EQ(lines.size(), c.lines);
        for (const CanvasCall& line : lines) {
            EXPECT_EQ(line.color, (CanvasColor{10, 255, 80, 220}));
            EXPECT_TRUE(line.hasWidth && line.width == 1.5f) << line.width;
        }
        EXPECT_EQ(CallsOf(CanvasCallKind::SetColor).size(), c.visible ? 1u : 0u);
    }
}

TEST_F(OverlayTest, ACircleReadsOnlyItsRadius) {
    std::vector<std::vector<Vector2>> ends;
    for (float across : {1.0f, 900.0f}) {
        Plugin().referenceShapes.clear();
        ReferenceShape& circle = AddReferenceShape(Plugin().referenceShapes, 1);
        circle.position = {1000, 0, 0};
        circle.size = {across, across, 100};
        host.Tick();
        ends.emplace_back();
        for (const CanvasCall& line : CallsOf(CanvasCallKind::DrawLine)) {
            ends.back().push_back(line.start);
            ends.back().push_back(line.end);
        }
    }
    EXPECT_EQ(ends[0].size(), 64u);
    EXPECT_EQ(ends[0], ends[1]);
    // The first segment runs from point 1, (1000 + 100 cos a, 100 sin a, 0) with a = pi / 16,
    // to point 0, (1100, 0, 0): 500 + 19.51 / 1098.1 * 500 = 508.9.
    EXPECT_EQ(ends[0][0], Vector2(509, 250));
    EXPECT_EQ(ends[0][1], Vector2(500, 250));
}

} // namespace
} // namespace Quorvel::Testing
