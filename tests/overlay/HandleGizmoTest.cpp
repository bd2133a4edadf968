// The handle gizmo driven through real ImGui input: which click starts which drag, how drags
// move waypoints and handles, the floor lock, and clicks that belong to an ImGui window.

#include <imgui.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "math/VectorMath.h"
#include "overlay/HandleGizmo.h"
#include "tests/overlay/ImGuiMouse.h"
#include "tests/overlay/OverlayFixture.h"

namespace Quorvel::Testing {
namespace {

using Corvane::Host::CanvasCall;
using Corvane::Host::CanvasCallKind;
using Corvane::Host::CanvasColor;

class GizmoTest : public OverlayTest {
protected:
    void SetUp() override {
        OverlayTest::SetUp();
        mouse = std::make_unique<ImGuiMouse>(host);
    }
    void TearDown() override {
        mouse.reset();
        OverlayTest::TearDown();
    }
    HandleGizmo& Gizmo() { return Plugin().gizmo; }
    CameraSnapshot Waypoint(int frame) { return Cam().GetSnapshot(frame); }
    void ExpectIdle() {
        EXPECT_EQ(Gizmo().draggedWaypointFrame, -1);
        EXPECT_EQ(Gizmo().draggedHandleFrame, -1);
    }

    std::unique_ptr<ImGuiMouse> mouse;
};

// --- Which drag a click starts -----------------------------------------------------------------

TEST_F(GizmoTest, AClickOnTheFirstWaypointStarts) {
    const struct {
        const char* name;
        int secondX;       // pixel of the waypoint at frame 30, row 250; the first is at 500
        Vector secondIn;   // its custom in handle, or zero for automatic handles
        int waypointFrame; // expected draggedWaypointFrame
        int handleFrame;   // expected draggedHandleFrame
        bool outHandle;
    } cases[] = {
        // Automatic handles a third of the way along: 50 pixels from the first waypoint.
        {"TheWaypointWithNoHandleNear", 650, {}, 0, -1, false},
        // The first waypoint's automatic out handle lies 7 pixels away: the handle wins.
        {"ItsOwnHandle", 520, {}, -1, 0, true},
        // The second waypoint's custom in handle reaches back 3 pixels short of the first
        // waypoint: found before the first waypoint could be picked.
        {"ALaterWaypointsHandle", 800, {0, -594, 0}, -1, 30, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Put(0, PixelAt(500, 250));
        CameraSnapshot& second = Put(30, PixelAt(c.secondX, 250));
        second.v3_bz_has_custom = c.secondIn != Vector();
        second.v3_bz_ctrl_in = c.secondIn;
        mouse->Press(500, 250);
        EXPECT_EQ(Gizmo().draggedWaypointFrame, c.waypointFrame);
        EXPECT_EQ(Gizmo().draggedHandleFrame, c.handleFrame);
        EXPECT_EQ(Gizmo().draggingOutHandle, c.outHandle);
        mouse->Release();
    }
}

// The canvas puts whatever is behind the camera (or on it) at pixel (0, 0).
TEST_F(GizmoTest, WhatIsNotSeenCannotBePickedWhereItWouldProject) {
    const std::pair<Vector, Vector> cases[] = {// waypoint, custom out handle
                                               {{0, 0, 0}, {}},
                                               {{-1000, 0, 0}, {}},
                                               {{1000, -1000, 0}, {-2000, 1000, 0}}};
    for (const auto& [waypoint, customOut] : cases) {
        SCOPED_TRACE(testing::Message() << waypoint.X << " " << customOut.X);
        CameraSnapshot& w = Put(30, waypoint);
        w.v3_bz_has_custom = customOut != Vector();
        w.v3_bz_ctrl_out = customOut;
        mouse->Press(0, 0);
        ExpectIdle();
        EXPECT_TRUE(CallsOf(CanvasCallKind::DrawLine).empty());
        mouse->Release();
    }
}

// --- Handle drags ------------------------------------------------------------------------------

// At the handle's distance, 1001.25, a pixel spans 2 * 1001.25 / 1000 world units: 25 pixels
// right take the seeded reach of 50 to 100.06.
TEST_F(GizmoTest, AnOutHandleStaysBetweenItsWaypointAndTheNext) {
    const struct {
        int toX, toY; // where the mouse drags the out handle grabbed at (550, 250)
        float reach;  // the handle's expected Y: its reach towards the next waypoint
    } cases[] = {{300, 250, 0.0f}, {900, 250, 300.0f}, {900, 200, 300.0f}, {575, 250, 100.062f}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.toX << ", " << c.toY);
        Put(0, PixelAt(500, 250));  // (1000, 0, 0)
        Put(30, PixelAt(650, 250)); // (1000, 300, 0), one second later
        mouse->Press(550, 250);     // the automatic out handle, a third of the way
        // Seeded from the neighbours: (next - this) / (1 s + 1 s) * 1 s / 3.
        EXPECT_NEAR(Waypoint(0).v3_bz_ctrl_out.Y, 50.0f, 1e-4f);
        mouse->MoveTo(c.toX, c.toY);
        EXPECT_NEAR(Waypoint(0).v3_bz_ctrl_out.Y, c.reach, 1e-3f);
        EXPECT_EQ(Waypoint(0).location, PixelAt(500, 250)); // the waypoint itself stays
        mouse->Release();
    }
}

TEST_F(GizmoTest, TheOtherHandleTurnsOppositeOnlyWhenTheDraggedOneHasALength) {
    Put(0, PixelAt(350, 250));
    Put(30, PixelAt(500, 250));
    Put(60, PixelAt(650, 250));
    mouse->Press(550, 250); // the middle waypoint's out handle
    const Vector seededIn = Waypoint(30).v3_bz_ctrl_in;
    EXPECT_NEAR(seededIn.Y, -100.0f, 1e-3f); // -(last - first) / 2 s * 1 s / 3

    mouse->MoveTo(300, 250); // back past the waypoint: no reach, no direction
    EXPECT_EQ(Waypoint(30).v3_bz_ctrl_out, Vector());
    EXPECT_EQ(Waypoint(30).v3_bz_ctrl_in, seededIn);

    mouse->MoveTo(350, 230); // forward and up
    const Vector out = Waypoint(30).v3_bz_ctrl_out, in = Waypoint(30).v3_bz_ctrl_in;
    ASSERT_GT(out.Z, 1.0f);
    EXPECT_NEAR(Math::Length(in), 100.0f, 1e-3f);
    EXPECT_NEAR(Math::Dot(in, out) / (Math::Length(in) * Math::Length(out)), -1.0f, 1e-6f);
}

// --- Waypoint drags and the floor lock ---------------------------------------------------------

struct FloorStep {
    int mouseY;
    float z; // world units
    bool locked;
};

TEST_F(GizmoTest, AWaypointStopsAtTheFloorUntilOneStepLandsBelowMinusOne) {
    Put(30, PixelAt(500, 200, 250.0f)); // (250, 0, 25): half a world unit per pixel
    mouse->Press(500, 200);
    ASSERT_EQ(Gizmo().draggedWaypointFrame, 30);
    const FloorStep steps[] = {
        {249, 0.38f, true},                       // 25 - 24.62: still above the floor
        {251, 0.0f, true},                        // 0.38 - 1 stops at the floor
        {253, 0.0f, true},                        // -1 is not below -1
        {256, -1.5f, false},                      // one step below -1 releases the lock
        {260, -3.5f, false}, {254, -0.5f, false}, // between -1 and 1 the lock stays as it was
        {244, 4.5f, true},                        // lifted above 1: taken again
        {254, 0.0f, true},                        // -0.5 is held at the floor
    };
    for (const FloorStep& step : steps) {
        mouse->MoveTo(500, step.mouseY);
        EXPECT_NEAR(Waypoint(30).location.Z, step.z, 0.01f) << step.mouseY;
        EXPECT_EQ(Gizmo().floorLock[30], step.locked) << step.mouseY;
        EXPECT_EQ(Waypoint(30).location.Y, 0.0f);
    }
    mouse->Release();
    ExpectIdle();
}

TEST_F(GizmoTest, AMoveBeyondTheFloatRangeOrTheWorldIsRefusedOnceAndChangesNothing) {
    host.SetCamera({0, 0, 0}, {0, 8192, 0}, 90.0f); // looking along (1, 1, 0)
    // At 35355 units a pixel spans 70.7: 200 pixels right take y past 30000.
    const std::pair<Vector, const char*> cases[] = {{{3e38f, 3e38f, 0}, kDragNotFiniteMessage},
                                                    {{25000, 25000, 0}, kDragOutsideWorldMessage}};
    for (const auto& [start, message] : cases) {
        Put(30, start);
        mouse->Press(500, 250);
        ASSERT_EQ(Gizmo().draggedWaypointFrame, 30);
        host.ClearLines();
        mouse->MoveTo(700, 250);
        mouse->MoveTo(900, 250);
        EXPECT_EQ(Waypoint(30).location, start);
        EXPECT_EQ(host.Lines(), std::vector<std::string>{message});
        mouse->Release();
    }
}

// --- Markers -----------------------------------------------------------------------------------

TEST_F(GizmoTest, AMarkerShowsSelectionAndHover) {
    const struct {
        bool selected;
        int mouseX;
        CanvasColor colour;
        int halfWidth; // pixels
    } cases[] = {{false, 514, {255, 255, 255, 180}, 5},
                 {true, 514, {255, 255, 255, 255}, 8},
                 {false, 513, {255, 220, 50, 180}, 10},
                 {true, 487, {255, 220, 50, 255}, 10}};
    Put(30, PixelAt(500, 250));
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.selected << " " << c.mouseX);
        Plugin().selectedFrame = c.selected ? 30 : -1;
        mouse->MoveTo(c.mouseX, 250);
        const CanvasCall across = CallsOf(CanvasCallKind::DrawLine).at(0);
        EXPECT_EQ(across.color, c.colour);
        EXPECT_EQ(across.start, Vector2(500 - c.halfWidth, 250));
        EXPECT_EQ(across.end, Vector2(500 + c.halfWidth, 250));
    }
}

TEST_F(GizmoTest, TheConsoleSelectsAWaypointAsTheWindowDoes) {
    Put(30, PixelAt(500, 250));
    const auto markerColour = [&] {
        mouse->MoveTo(514, 250); // near, not hovering
        return CallsOf(CanvasCallKind::DrawLine).at(0).color;
    };
    host.Run("dolly_snapshot_select 30");
    EXPECT_EQ(host.LastLine(), "Selected frame 30");
    EXPECT_EQ(markerColour(), (CanvasColor{255, 255, 255, 255}));
    host.Run("dolly_snapshot_select 31");
    EXPECT_EQ(host.LastLine(), "Frame not found");
    host.Run("dolly_snapshot_select thirty");
    EXPECT_EQ(Plugin().selectedFrame, 30) << "a refused frame keeps the selection";
    host.Run("dolly_snapshot_select");
    EXPECT_EQ(host.LastLine(), "Selection cleared");
    EXPECT_EQ(markerColour(), (CanvasColor{255, 255, 255, 180}));
}

// --- ImGui's own clicks, and no context --------------------------------------------------------

const CanvasColor kHovered{255, 220, 50, 180};

TEST_F(GizmoTest, AClickOnAnImGuiWindowStartsNoDragButADragUnderWayGoesOn) {
    Put(30, PixelAt(500, 250));
    mouse->windows = [] {
        ImGui::SetNextWindowPos(ImVec2(400, 200));
        ImGui::SetNextWindowSize(ImVec2(200, 100));
        ImGui::Begin("Over the waypoint");
        ImGui::End();
    };
    mouse->MoveTo(500, 250);
    mouse->Press(500, 250);
    ExpectIdle();
    EXPECT_EQ(CallsOf(CanvasCallKind::SetColor).at(0).color, kHovered); // still highlighted
    mouse->Release();

    const auto window = std::move(mouse->windows);
    mouse->windows = nullptr;
    mouse->MoveTo(500, 250); // the window is gone from this frame on
    mouse->Press(500, 250);
    ASSERT_EQ(Gizmo().draggedWaypointFrame, 30);
    mouse->windows = window;
    mouse->MoveTo(500, 240);
    EXPECT_GT(Waypoint(30).location.Z, 10.0f);
}

TEST_F(GizmoTest, WithoutAContextItDrawsAndADragUnderWayEnds) {
    Put(30, PixelAt(500, 250));
    mouse->Press(500, 250);
    ASSERT_EQ(Gizmo().draggedWaypointFrame, 30);
    mouse->RenderWithoutContext(Plugin());
    ExpectIdle();
    const std::vector<CanvasCall> lines = CallsOf(CanvasCallKind::DrawLine);
    EXPECT_EQ(lines.size(), 6u); // the diamond, white again
    EXPECT_EQ(lines.at(0).color, (CanvasColor{255, 255, 255, 180}));
    mouse->MoveTo(500, 200); // the host's context again, the button still down
    EXPECT_EQ(Waypoint(30).location, PixelAt(500, 250));
}

} // namespace
} // namespace Quorvel::Testing
