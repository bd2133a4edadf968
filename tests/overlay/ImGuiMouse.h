#pragma once
// Real Dear ImGui input for the plugin's overlay: one ImGui frame around each game frame, as
// the host will run them once it feeds its own context (its @mouse, @down and @up directives
// can replace this helper then).
//
//   ImGuiMouse mouse(host, plugin);  // a context of the canvas's size, lent to the plugin
//   mouse.Press(500, 250);           // each call runs one game frame
//   mouse.MoveTo(520, 250);
//   mouse.Release();
//
// The context is destroyed with the helper, so the plugin has none afterwards.

#include <functional>

#include "plugin/DollyCamPlugin.h"
#include "tests/support/TestHost.h"

struct ImGuiContext;

namespace Quorvel::Testing {

class ImGuiMouse {
public:
    ImGuiMouse(TestHost& host, DollyCamPlugin& plugin);
    ~ImGuiMouse();
    ImGuiMouse(const ImGuiMouse&) = delete;
    ImGuiMouse& operator=(const ImGuiMouse&) = delete;

    void MoveTo(int x, int y);
    void Press(int x, int y); // the left button
    void Release();
    void PressRight(int x, int y);
    void Scroll(float notches); // positive away from the user
    // One game frame with the input as it is.
    void Frame();

    // ImGui calls made every frame before the game frame, e.g. a window under the mouse.
    std::function<void()> windows;
    ImGuiContext* Context() const { return context; }

private:
    TestHost& host;
    ImGuiContext* context;
    float x = 0.0f, y = 0.0f; // pixels
    bool left = false, right = false;
    float wheel = 0.0f;
};

} // namespace Quorvel::Testing
