// The canvas: projection through the world's camera, and the record of drawing calls.

#include "host/Canvas.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

namespace Corvane::Host {
namespace {

constexpr int kQuarterTurn = 16384; // rotator units
constexpr int kEighthTurn = 8192;

struct ProjectCase {
    const char* name;
    POV camera;
    Vector point;
    bool inFront;
    Vector2 screen;
};

// Canvas 1920 x 1080. With a 90-degree horizontal FOV the focal length is 960 pixels, so a
// point at 45 degrees lands on the left or right edge.
const ProjectCase kProjectCases[] = {
    {"StraightAheadAtCentre", {{0, 0, 0}, {0, 0, 0}, 90}, {1000, 0, 0}, true, {960, 540}},
    {"FarAheadAtCentre", {{5, -7, 3}, {0, 0, 0}, 60}, {1e6f, -7, 3}, true, {960, 540}},
    {"RightEdgeAt45Degrees", {{0, 0, 0}, {0, 0, 0}, 90}, {1000, 1000, 0}, true, {1920, 540}},
    {"LeftEdgeAt45Degrees", {{0, 0, 0}, {0, 0, 0}, 90}, {1000, -1000, 0}, true, {0, 540}},
    {"UpIsTowardTheTop", {{0, 0, 0}, {0, 0, 0}, 90}, {1000, 0, 281.25f}, true, {960, 270}},
    {"DownIsTowardTheBottom", {{0, 0, 0}, {0, 0, 0}, 90}, {1000, 0, -281.25f}, true, {960, 810}},
    {"UpAndRight", {{0, 0, 0}, {0, 0, 0}, 90}, {1000, 500, 250}, true, {1440, 300}},
    // Yaw 90 degrees looks along +Y; the image's right is then -X.
    {"YawQuarterTurnLooksAlongY",
     {{0, 0, 0}, {0, kQuarterTurn, 0}, 90},
     {0, 1000, 0},
     true,
     {960, 540}},
    {"YawQuarterTurnRightIsMinusX",
     {{0, 0, 0}, {0, kQuarterTurn, 0}, 90},
     {-1000, 1000, 0},
     true,
     {1920, 540}},
    // Positive pitch looks up.
    {"PitchUpLooksUp", {{0, 0, 0}, {kEighthTurn, 0, 0}, 90}, {1000, 0, 1000}, true, {960, 540}},
    {"LocationIsSubtracted", {{100, 200, 300}, {0, 0, 0}, 90}, {1100, 200, 300}, true, {960, 540}},
    // A narrower FOV magnifies: 10 units at 1000 ahead with FOV 30 is 10/1000 * 960/tan(15deg).
    {"NarrowFovMagnifies", {{0, 0, 0}, {0, 0, 0}, 30}, {1000, 10, 0}, true, {996, 540}},
    {"InvalidFovCountsAsNinety", {{0, 0, 0}, {0, 0, 0}, 0}, {1000, 1000, 0}, true, {1920, 540}},
    {"BehindTheCamera", {{0, 0, 0}, {0, 0, 0}, 90}, {-1000, 10, 10}, false, {0, 0}},
    {"BesideTheCamera", {{0, 0, 0}, {0, 0, 0}, 90}, {0, 1000, 0}, false, {0, 0}},
    {"OnTheCamera", {{3, 4, 5}, {0, 0, 0}, 90}, {3, 4, 5}, false, {0, 0}},
    {"BehindAfterTurningAround",
     {{0, 0, 0}, {0, 2 * kQuarterTurn, 0}, 90},
     {1000, 0, 0},
     false,
     {0, 0}},
};

class ProjectTest : public testing::TestWithParam<ProjectCase> {};

TEST_P(ProjectTest, ProjectsThroughTheCamera) {
    const ProjectCase& c = GetParam();
    Camera camera;
    camera.location = c.camera.location;
    camera.rotation = c.camera.rotation;
    camera.fov = c.camera.fov;
    Canvas canvas(camera);
    const Vector2 screen = canvas.Project(c.point);
    EXPECT_EQ(screen, c.screen) << screen.X << ", " << screen.Y;
    ASSERT_EQ(canvas.Projections().size(), 1u);
    EXPECT_EQ(canvas.Projections()[0].inFront, c.inFront);
    EXPECT_EQ(canvas.Projections()[0].point, c.point);
}

INSTANTIATE_TEST_SUITE_P(Points, ProjectTest, testing::ValuesIn(kProjectCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CanvasTest, ProjectionFollowsTheCanvasSize) {
    Camera camera;
    Canvas canvas(camera);
    canvas.SetSize(800, 600);
    EXPECT_EQ(canvas.Project({1000, 0, 0}), Vector2(400, 300));
    EXPECT_EQ(canvas.Project({1000, 1000, 0}), Vector2(800, 300));
    canvas.SetSize(0, -5);
    EXPECT_EQ(canvas.Size(), Vector2(1, 1));
}

TEST(CanvasTest, ProjectionFollowsTheCameraAsItMoves) {
    Camera camera;
    Canvas canvas(camera);
    const Vector point{1000, 0, 0};
    EXPECT_EQ(canvas.Project(point), Vector2(960, 540));
    camera.location = {2000, 0, 0};
    canvas.Project(point);
    EXPECT_FALSE(canvas.Projections().back().inFront);
}

TEST(CanvasTest, ExtremePointsSaturateInsteadOfOverflowing) {
    Camera camera;
    Canvas canvas(camera);
    EXPECT_EQ(canvas.Project({1e-30f, 1e6f, 0}).X, INT_MAX);
    EXPECT_EQ(canvas.Project({1e-30f, -1e6f, 0}).X, INT_MIN);
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(canvas.Project({nan, 0, 0}), Vector2(0, 0));
    EXPECT_FALSE(canvas.Projections().back().inFront);
}

TEST(CanvasTest, RecordsCallsWithTheColourAndPositionCurrentThen) {
    Camera camera;
    Canvas canvas(camera);
    canvas.SetColor({1, 2, 3, 4});
    canvas.SetPosition({10, 20});
    canvas.DrawString("label", 2.0f, 3.0f);
    canvas.DrawLine({0, 0}, {5, 5});
    canvas.DrawLine({1, 1}, {6, 6}, 1.5f);
    canvas.FillBox({7, 8});
    const auto& calls = canvas.Calls();
    ASSERT_EQ(calls.size(), 6u);
    EXPECT_EQ(calls[2].kind, CanvasCallKind::DrawString);
    EXPECT_EQ(calls[2].text, "label");
    EXPECT_EQ(calls[2].position, Vector2(10, 20));
    EXPECT_EQ(calls[2].color, (CanvasColor{1, 2, 3, 4}));
    EXPECT_EQ(calls[2].yScale, 3.0f);
    EXPECT_FALSE(calls[3].hasWidth);
    EXPECT_EQ(calls[3].end, Vector2(5, 5));
    EXPECT_TRUE(calls[4].hasWidth);
    EXPECT_EQ(calls[4].width, 1.5f);
    EXPECT_EQ(calls[5].size, Vector2(7, 8));
    EXPECT_EQ(calls[5].position, Vector2(10, 20));
}

TEST(CanvasTest, EachFrameStartsWithAnEmptyRecordButKeepsTheColour) {
    Camera camera;
    Canvas canvas(camera);
    canvas.SetColor({9, 9, 9, 9});
    canvas.Project({1, 0, 0});
    canvas.BeginFrame();
    EXPECT_TRUE(canvas.Calls().empty());
    EXPECT_TRUE(canvas.Projections().empty());
    canvas.FillBox({1, 1});
    EXPECT_EQ(canvas.Calls()[0].color, (CanvasColor{9, 9, 9, 9}));
    EXPECT_EQ(canvas.FrameCount(), 1);
}

} // namespace
} // namespace Corvane::Host
