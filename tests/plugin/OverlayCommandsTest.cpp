// The console's way to the orbit view and the reference shapes.

#include "tests/plugin/PluginFixture.h"

namespace Quorvel::Testing {
namespace {

class OverlayCommandsTest : public PluginTest {
protected:
    void SetUp() override {
        PluginTest::SetUp();
        EnterFlycamReplay();
    }
    static void ExpectVector(const Vector& v, float x, float y, float z) {
        EXPECT_FLOAT_EQ(v.X, x);
        EXPECT_FLOAT_EQ(v.Y, y);
        EXPECT_FLOAT_EQ(v.Z, z);
    }
};

TEST_F(OverlayCommandsTest, OrbitCirclesTheCentreOfThePathsBoxFromFarEnoughToSeeItWhole) {
    TakeAt(0, {-1000, 200, 100});
    TakeAt(30, {3000, -400, 500});
    TakeAt(60, {1000, 600, 300});
    Plugin().selectedFrame = 30;
    host.Run("dolly_orbit");
    EXPECT_EQ(host.LastLine(), "Orbit view on");
    const OrbitView& orbit = Plugin().orbitView;
    ASSERT_TRUE(orbit.orbiting);
    // The box runs from (-1000, -400, 100) to (3000, 600, 500).
    ExpectVector(orbit.target, 1000, 100, 300);
    EXPECT_FLOAT_EQ(orbit.distance, 3200.0f); // 0.8 of the widest extent, 4000
    EXPECT_FLOAT_EQ(orbit.yaw, 0.0f);
    EXPECT_FLOAT_EQ(orbit.pitch, 0.5f);
    EXPECT_EQ(Plugin().selectedFrame, -1);

    host.Run("dolly_orbit");
    EXPECT_EQ(host.LastLine(), "Orbit view off");
    EXPECT_FALSE(Plugin().orbitView.orbiting);
}

TEST_F(OverlayCommandsTest, OrbitKeepsItsDistanceForAShortPathAndNeedsAWaypoint) {
    host.Run("dolly_orbit");
    EXPECT_EQ(host.LastLine(), "No waypoints to orbit");
    EXPECT_FALSE(Plugin().orbitView.orbiting);
    TakeAt(0, {100, 100, 100});
    TakeAt(30, {300, 100, 100});
    host.Run("dolly_orbit");
    EXPECT_FLOAT_EQ(Plugin().orbitView.distance, 800.0f);
    ExpectVector(Plugin().orbitView.target, 200, 100, 100);
}

TEST_F(OverlayCommandsTest, ShapesAreAddedWithTheirPlaceAndSizeAndCleared) {
    host.Run("dolly_shape_add cube 100 200 300 10 20 30");
    EXPECT_EQ(host.LastLine(), "Added Cube 1");
    host.Run("dolly_shape_add circle -5 6 7 450");
    EXPECT_EQ(host.LastLine(), "Added Circle 2");
    host.Run("dolly_shape_add cube 1 2 3"); // sizes left out keep the defaults
    const std::vector<ReferenceShape>& shapes = Plugin().referenceShapes;
    ASSERT_EQ(shapes.size(), 3u);
    EXPECT_EQ(shapes[0].type, ReferenceShape::Cube);
    ExpectVector(shapes[0].position, 100, 200, 300);
    ExpectVector(shapes[0].size, 10, 20, 30);
    EXPECT_EQ(shapes[1].type, ReferenceShape::Circle);
    ExpectVector(shapes[1].position, -5, 6, 7);
    ExpectVector(shapes[1].size, 200, 200, 450); // a circle's radius is its third size
    ExpectVector(shapes[2].size, 200, 200, 200);

    host.Run("dolly_shape_clear");
    EXPECT_TRUE(Plugin().referenceShapes.empty());
}

TEST_F(OverlayCommandsTest, AShapeWithAnUnknownTypeOrABadNumberIsNotAdded) {
    const char* mistakes[] = {"dolly_shape_add cube 1 2", "dolly_shape_add box 1 2 3",
                              "dolly_shape_add circle 1 nan 3", "dolly_shape_add cube 1 2 3 4 x 6",
                              "dolly_shape_add circle 1 2 3 r"};
    for (const char* line : mistakes) {
        host.ClearLines();
        host.Run(line);
        EXPECT_EQ(host.Lines().size(), 1u) << line;
        EXPECT_TRUE(Plugin().referenceShapes.empty()) << line;
    }
}

} // namespace
} // namespace Quorvel::Testing
