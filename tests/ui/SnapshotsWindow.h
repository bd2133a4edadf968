#pragma once
// The settings window stretched over the whole canvas, so that the "Snapshots" section's four
// regions (over 1000 pixels side by side) and its waypoint editor are all on screen, with the
// mouse driven frame by frame for what the label-driven actions do not cover.

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "tests/ui/WindowFixture.h"

namespace Quorvel::Testing {

class SnapshotsWindowTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        FillCanvasWithWindow();
    }

    // Drags the window by its title bar to the canvas corner, then its bottom-right resize
    // grip to the opposite corner, as a user would.
    void FillCanvasWithWindow() {
        const auto title = host.Widget("Quorvel");
        ASSERT_TRUE(title);
        ASSERT_TRUE(host.Drag("Quorvel", -title->minX, -title->minY));
        const auto moved = host.Widget("Quorvel"); // moved by the pointer's way
        ASSERT_TRUE(moved);
        ASSERT_EQ(moved->minX, 0.0f);
        ASSERT_EQ(moved->minY, 0.0f);
        // 600 pixels high at first use; the grip lies just inside the corner.
        PressAt(moved->maxX - 3, 600 - 3);
        MoveHeldTo(1279, 719);
        Release();
        host.ClearLines();
    }

    // Waypoints at these frames, one second per 30 frames, ten units per frame along X.
    void PutPath(const std::vector<int>& frames) {
        Cam().snapshots->clear();
        for (int frame : frames)
            Put(frame, Vector(static_cast<float>(frame) * 10.0f, 0, 100));
        host.Tick();
        host.ClearLines();
    }

    std::vector<int> Frames() {
        std::vector<int> frames;
        for (const auto& entry : *Cam().snapshots)
            frames.push_back(entry.first);
        return frames;
    }

    int& Selected() { return Plugin().selectedFrame; }

    // A table row, as a user clicks it: the pointer rests on it for a frame first. (A row lets
    // its delete button take the clicks over it, and such an ImGui item ignores a press in the
    // very frame the pointer arrives from another item.)
    bool ClickRow(const std::string& label) {
        const auto row = host.Widget(label);
        if (!row)
            return false;
        host.MouseMove(row->CentreX(), row->CentreY());
        host.Tick();
        return host.Click(label);
    }

    // The canvas position of a waypoint's dot: the strip's track runs 20 pixels in from each
    // side, 48 pixels below its top, from the first timestamp to the last.
    struct Point {
        float x;
        float y;
    };
    Point DotOf(int frame) {
        const auto strip = host.Widget("##tlc");
        EXPECT_TRUE(strip);
        if (!strip)
            return {0, 0};
        const SnapshotMap& path = *Cam().snapshots;
        const float t0 = path.begin()->second.timestamp;
        const float span = path.rbegin()->second.timestamp - t0;
        const float along = (path.at(frame).timestamp - t0) / span;
        return {strip->minX + 20 + along * (strip->maxX - strip->minX - 40), strip->minY + 48};
    }
    // Presses on the dot, moves by dx, releases.
    void DragDot(int frame, float dx) {
        const Point dot = DotOf(frame);
        PressAt(dot.x, dot.y);
        MoveHeldTo(dot.x + dx, dot.y);
        Release();
    }

    bool OnScreen(const std::string& label) { return host.Widget(label).has_value(); }

    void PressAt(float x, float y) {
        host.MouseMove(x, y);
        host.Tick();
        host.MouseDown(0);
        host.Tick();
        mouseX = x;
        mouseY = y;
    }
    // In steps of at most 10 pixels, a frame each.
    void MoveHeldTo(float x, float y) {
        const float distance = std::max(std::abs(x - mouseX), std::abs(y - mouseY));
        const int steps = std::max(1, static_cast<int>(std::ceil(distance / 10.0f)));
        for (int i = 1; i <= steps; ++i) {
            const float along = static_cast<float>(i) / static_cast<float>(steps);
            host.MouseMove(mouseX + (x - mouseX) * along, mouseY + (y - mouseY) * along);
            host.Tick();
        }
        mouseX = x;
        mouseY = y;
    }
    void Release() {
        host.MouseUp(0);
        host.Tick();
    }

    float mouseX = 0.0f;
    float mouseY = 0.0f;
};

} // namespace Quorvel::Testing
