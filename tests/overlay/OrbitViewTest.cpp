// The orbit view: zoom and turn limits through real ImGui input, the camera it sets, and what
// switches it off.

#include <imgui.h>

#include <cmath>
#include <memory>

#include "tests/overlay/ImGuiMouse.h"
#include "tests/overlay/OverlayFixture.h"

namespace Quorvel::Testing {
namespace {

class OrbitTest : public OverlayTest {
protected:
    OrbitView& Orbit() { return Plugin().orbitView; }
};

TEST_F(OrbitTest, EachNotchIsFivePercentWithin100And8000) {
    ImGuiMouse mouse(host);
    const struct {
        float notches; // per frame
        int frames;
        float distance;
    } cases[] = {{1, 1, 760}, {-1, 1, 840}, {1, 60, 100}, {-1, 60, 8000}};
    for (const auto& c : cases) {
        Plugin().StartOrbit({0, 0, 500}, 800.0f, 0.0f, 0.0f);
        for (int i = 0; i < c.frames; ++i)
            mouse.Scroll(c.notches);
        EXPECT_FLOAT_EQ(Orbit().distance, c.distance);
        // Level with the target on +X, looking back along -X.
        EXPECT_EQ(host.Camera().location, Vector(c.distance, 0, 500));
        EXPECT_EQ(host.Camera().rotation, Rotator(0, 32768, 0));
    }
}

TEST_F(OrbitTest, DraggingUpWithTheRightButtonStopsAt157Radians) {
    ImGuiMouse mouse(host);
    Plugin().StartOrbit({0, 0, 0}, 1000.0f, 0.0f, 1.5f);
    mouse.MoveTo(500, 300);
    mouse.MoveTo(500, 200); // no button: no turn
    EXPECT_FLOAT_EQ(Orbit().pitch, 1.5f);
    mouse.PressRight(500, 200);
    mouse.MoveTo(520, 100); // 100 pixels up would be 1.65
    EXPECT_FLOAT_EQ(Orbit().pitch, 1.57f);
    EXPECT_FLOAT_EQ(Orbit().yaw, 0.03f);
    EXPECT_NEAR(host.Camera().location.Z, 1000.0f * std::sin(1.57f), 1e-3f);
    // Looking down at the target: -1.57 rad is -16375.7 units, truncated towards zero.
    EXPECT_EQ(host.Camera().rotation.Pitch, -16375);
}

TEST_F(OrbitTest, TheWheelZoomsOverAnImGuiWindowToo) {
    ImGuiMouse mouse(host);
    mouse.windows = [] {
        ImGui::SetNextWindowPos(ImVec2(0, 0));
        ImGui::SetNextWindowSize(ImVec2(1000, 500));
        ImGui::Begin("Everywhere");
        ImGui::End();
    };
    mouse.MoveTo(500, 250);
    Plugin().StartOrbit({0, 0, 0}, 800.0f, 0.0f, 0.5f);
    mouse.Scroll(1);
    EXPECT_FLOAT_EQ(Orbit().distance, 760.0f);
}

TEST_F(OrbitTest, WithoutAContextItPlacesTheCameraButNeitherZoomsNorTurns) {
    ImGuiMouse mouse(host);
    Plugin().StartOrbit({100, 0, 0}, 800.0f, 0.0f, 0.5f);
    mouse.PressRight(500, 250);
    host.Wheel(1);
    mouse.MoveTo(500, 200); // the host's context sees the turn and the wheel...
    const float distance = Orbit().distance, pitch = Orbit().pitch;
    ASSERT_NE(distance, 800.0f);
    for (int i = 0; i < 3; ++i) // ...the plugin alone, without one, sees neither
        mouse.RenderWithoutContext(Plugin());
    EXPECT_FLOAT_EQ(Orbit().distance, distance);
    EXPECT_FLOAT_EQ(Orbit().pitch, pitch);
    EXPECT_NEAR(host.Camera().location.X, 100.0f + distance * std::cos(pitch), 1e-2f);
    EXPECT_NEAR(host.Camera().location.Z, distance * std::sin(pitch), 1e-2f);
}

TEST_F(OrbitTest, LeavingTheReplayStopsItAndTheNextReplayDoesNotResumeIt) {
    Plugin().StartOrbit({0, 0, 0}, 800.0f, 0.0f, 0.5f);
    host.Tick();
    host.Leave();
    EXPECT_FALSE(Orbit().orbiting);
    EnterFlycamReplay();
    host.SetCamera({1, 2, 3}, {0, 0, 0}, 90.0f);
    host.Tick();
    EXPECT_EQ(host.Camera().location, Vector(1, 2, 3));
    EXPECT_FLOAT_EQ(Orbit().distance, 800.0f); // kept while off
}

TEST_F(OrbitTest, ANonFiniteStartIsRefusedWithOneLine) {
    Plugin().StartOrbit({0, 0, 0}, NAN, 0.0f, 0.5f);
    EXPECT_FALSE(Orbit().orbiting);
    EXPECT_EQ(host.Lines(),
              std::vector<std::string>{"Orbit view not started: not a finite number"});
}

} // namespace
} // namespace Quorvel::Testing
