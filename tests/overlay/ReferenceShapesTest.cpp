// Reference shapes through the canvas: which edges are drawn, in which colour, and the labels
// new shapes get.

#include <string>
#include <vector>

#include "overlay/ReferenceShape.h"
#include "tests/overlay/OverlayFixture.h"

namespace Quorvel::Testing {
namespace {

using Corvane::Host::CanvasCall;
using Corvane::Host::CanvasCallKind;
using Corvane::Host::CanvasColor;

struct ShapeCase {
    const char* name;
    int type;
    Vector position, size;
    bool visible;
    size_t lines;
};

class ReferenceShapeTest : public OverlayTest, public ::testing::WithParamInterface<ShapeCase> {
protected:
    std::vector<CanvasCall> WideLines() const {
        std::vector<CanvasCall> lines;
        for (const CanvasCall& call : CallsOf(CanvasCallKind::DrawLine)) {
            EXPECT_TRUE(call.hasWidth);
            EXPECT_EQ(call.width, 1.5f);
            lines.push_back(call);
        }
        return lines;
    }
};

// The camera is at the origin looking along +X.
TEST_P(ReferenceShapeTest, DrawsTheEdgesWithBothEndsInFrontInItsColour) {
    const ShapeCase& c = GetParam();
    ReferenceShape& shape = AddReferenceShape(Plugin().referenceShapes, c.type);
    shape.position = c.position;
    shape.size = c.size;
    shape.visible = c.visible;
    shape.colour[0] = 10;
    host.Tick();
    const std::vector<CanvasCall> lines = WideLines();
    EXPECT_EQ(lines.size(), c.lines);
    for (const CanvasCall& line : lines)
        EXPECT_EQ(line.color, (CanvasColor{10, 255, 80, 220}));
    EXPECT_EQ(CallsOf(CanvasCallKind::SetColor).size(), c.visible ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, ReferenceShapeTest,
    ::testing::Values(
        ShapeCase{"CubeInFront", 0, {1000, 0, 0}, {200, 200, 200}, true, 12},
        ShapeCase{"HiddenCube", 0, {1000, 0, 0}, {200, 200, 200}, false, 0},
        // x from -100 to 300: only the four edges on the far face are wholly in front.
        ShapeCase{"CubeAcrossTheCamera", 0, {100, 0, 0}, {400, 100, 100}, true, 4},
        ShapeCase{"CircleInFront", 1, {1000, 0, 0}, {5, 5, 200}, true, 32},
        // Points with cos a > 0.25 are in front: 0-6 and 26-32, twelve segments between them.
        ShapeCase{"CircleAroundTheCamera", 1, {-50, 0, 0}, {1, 1, 200}, true, 12},
        ShapeCase{"UnknownType", 2, {1000, 0, 0}, {200, 200, 200}, true, 0}),
    [](const auto& info) { return std::string(info.param.name); });

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

TEST(ReferenceShapeLabels, NumberTheNewShapeByTheListSizeWhateverTheTypes) {
    std::vector<ReferenceShape> shapes;
    AddReferenceShape(shapes, ReferenceShape::Circle);
    EXPECT_STREQ(AddReferenceShape(shapes, ReferenceShape::Cube).label, "Cube 2");
    EXPECT_STREQ(AddReferenceShape(shapes, ReferenceShape::Circle).label, "Circle 3");
    EXPECT_STREQ(shapes[0].label, "Circle 1");
    EXPECT_EQ(shapes[1].position, Vector(0, 0, 100));
    EXPECT_EQ(shapes[1].size, Vector(200, 200, 200));
}

} // namespace
} // namespace Quorvel::Testing
