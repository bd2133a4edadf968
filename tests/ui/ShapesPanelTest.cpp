// The "Reference Shapes" section through the host's mouse and keyboard: adding, editing,
// switching type, deleting, and values the shapes must never hold.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/ui/WindowFixture.h"

namespace Quorvel::Testing {
namespace {

class ShapesPanel : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        ShowOnly("Reference Shapes");
    }

    std::vector<ReferenceShape>& Shapes() { return Plugin().referenceShapes; }

    // Frames between actions on one spot keep two clicks from making a double click.
    void Settle() { host.Tick(10); }
};

TEST_F(ShapesPanel, ShapesAreLabelledByTheirPlaceInTheList) {
    EXPECT_FALSE(host.Widget("Clear All##shapes")); // nothing to clear yet
    ASSERT_TRUE(host.Click("+ Add Cube"));
    ASSERT_TRUE(host.Click("+ Add Circle"));
    ASSERT_EQ(Shapes().size(), 2u);
    EXPECT_STREQ(Shapes()[0].label, "Cube 1");
    EXPECT_EQ(Shapes()[0].type, ReferenceShape::Cube);
    EXPECT_STREQ(Shapes()[1].label, "Circle 2");
    EXPECT_EQ(Shapes()[1].type, ReferenceShape::Circle);
    EXPECT_EQ(Shapes()[1].position, Vector(0, 0, 100));

    // A circle shows its radius only, a cube its three extents.
    host.Tick();
    EXPECT_TRUE(host.Widget("Radius##sr"));
    EXPECT_TRUE(host.Widget("W##sw"));
}

TEST_F(ShapesPanel, SizesStopAtOneAndFiveThousandPositionsDoNot) {
    ASSERT_TRUE(host.Click("+ Add Cube"));
    host.Tick();
    ASSERT_TRUE(host.Drag("W##sw", -200, 0)); // 5 units a pixel from 200
    EXPECT_EQ(Shapes()[0].size.X, 1.0f);
    ASSERT_TRUE(host.Type("D##sd", "4990"));
    ASSERT_TRUE(host.Drag("D##sd", 200, 0));
    EXPECT_EQ(Shapes()[0].size.Y, 5000.0f);
    ASSERT_TRUE(host.Type("H##sh", "99999"));
    EXPECT_EQ(Shapes()[0].size.Z, 5000.0f);

    ASSERT_TRUE(host.Type("X##px", "-99999"));
    EXPECT_EQ(Shapes()[0].position.X, -99999.0f);
    ASSERT_TRUE(host.Drag("Y##py", -200, 0));
    EXPECT_LT(Shapes()[0].position.Y, -1000.0f);
}

TEST_F(ShapesPanel, TypedValuesThatAreNotFiniteAreRefused) {
    ASSERT_TRUE(host.Click("+ Add Cube"));
    host.Tick();
    host.ClearLines();
    ASSERT_TRUE(host.Type("Z##pz", "1e39"));
    EXPECT_EQ(Shapes()[0].position.Z, 100.0f);
    EXPECT_EQ(host.Lines().size(), 1u);
    ASSERT_TRUE(host.Type("X##px", "*1e39")); // 0 times infinity
    EXPECT_EQ(Shapes()[0].position.X, 0.0f);
    // A size is held within its range instead.
    ASSERT_TRUE(host.Type("W##sw", "1e39"));
    EXPECT_EQ(Shapes()[0].size.X, 5000.0f);
}

TEST_F(ShapesPanel, SwitchingACubeToACircleKeepsWidthAndDepthAndUsesHeightAsRadius) {
    ASSERT_TRUE(host.Click("+ Add Cube"));
    host.Tick();
    ASSERT_TRUE(host.Type("W##sw", "300"));
    ASSERT_TRUE(host.Type("D##sd", "400"));
    ASSERT_TRUE(host.Type("H##sh", "500"));
    ASSERT_TRUE(host.Click("##type"));
    host.Tick(); // a popup shows its items from its second frame
    ASSERT_TRUE(host.Click("Circle"));
    EXPECT_EQ(Shapes()[0].type, ReferenceShape::Circle);
    host.Tick();
    EXPECT_FALSE(host.Widget("W##sw"));
    ASSERT_TRUE(host.Type("Radius##sr", "50"));
    EXPECT_EQ(Shapes()[0].size, Vector(300, 400, 50));

    Settle();
    ASSERT_TRUE(host.Click("##type"));
    host.Tick();
    ASSERT_TRUE(host.Click("Cube"));
    EXPECT_EQ(Shapes()[0].type, ReferenceShape::Cube);
    EXPECT_EQ(Shapes()[0].size, Vector(300, 400, 50));
}

TEST_F(ShapesPanel, LabelVisibilityAndColourAreEditedInPlace) {
    ASSERT_TRUE(host.Click("+ Add Circle"));
    host.Tick();
    ASSERT_TRUE(host.Type("##lbl", "Kickoff ring"));
    EXPECT_STREQ(Shapes()[0].label, "Kickoff ring");
    ASSERT_TRUE(host.Click("##vis"));
    EXPECT_FALSE(Shapes()[0].visible);

    // The editor's first field is red, 0..255; a typed 300 must not wrap round to 44.
    ASSERT_TRUE(host.Type("##col", "300"));
    EXPECT_EQ(Shapes()[0].colour[0], 255);
    Settle();
    ASSERT_TRUE(host.Type("##col", "17"));
    EXPECT_EQ(Shapes()[0].colour[0], 17);
    EXPECT_EQ(Shapes()[0].colour[1], 255); // the others as they were
    EXPECT_EQ(Shapes()[0].colour[3], 220);
}

TEST_F(ShapesPanel, DeletingRemovesOneShapeAndTheLaterOnesMoveUp) {
    ASSERT_TRUE(host.Click("+ Add Cube"));
    ASSERT_TRUE(host.Click("+ Add Circle"));
    Settle();
    ASSERT_TRUE(host.Click("+ Add Cube"));
    host.Tick();
    ASSERT_TRUE(host.Click("X##del1"));
    ASSERT_EQ(Shapes().size(), 2u);
    EXPECT_STREQ(Shapes()[0].label, "Cube 1");
    EXPECT_STREQ(Shapes()[1].label, "Cube 3");
    host.Tick();
    EXPECT_FALSE(host.Widget("X##del2"));

    ASSERT_TRUE(host.Click("Clear All##shapes"));
    EXPECT_TRUE(Shapes().empty());
}

TEST_F(ShapesPanel, DeletingTheOnlyShapeLeavesTheEmptyList) {
    ASSERT_TRUE(host.Click("+ Add Circle"));
    host.Tick();
    ASSERT_TRUE(host.Click("X##del0"));
    EXPECT_TRUE(Shapes().empty());
    host.Tick();
    EXPECT_FALSE(host.Widget("##vis"));
    EXPECT_FALSE(host.Widget("Clear All##shapes"));
    EXPECT_TRUE(host.Widget("+ Add Cube"));
}

} // namespace
} // namespace Quorvel::Testing
