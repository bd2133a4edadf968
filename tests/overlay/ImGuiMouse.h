#pragma once
// The mouse as the user moves it, through the host's own input: each call runs one game frame,
// in which the host's ImGui context (handed to the plugin every frame) sees the new state.
//
//   ImGuiMouse mouse(host);
//   mouse.Press(500, 250);           // canvas pixels, Y down; the left button
//   mouse.MoveTo(520, 250);
//   mouse.Release();
//
// `windows` runs in each frame's window pass, after the plugin's window: ImGui windows a test
// puts under the mouse. RenderWithoutContext draws one frame as a plugin would before any
// host had handed it a context.

#include <functional>

#include "plugin/DollyCamPlugin.h"
#include "tests/support/TestHost.h"

namespace Quorvel::Testing {

class ImGuiMouse {
public:
    explicit ImGuiMouse(TestHost& host);
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
    // The plugin's Render on a fresh canvas frame, with no current ImGui context.
    void RenderWithoutContext(DollyCamPlugin& plugin);

    std::function<void()> windows;

private:
    TestHost& host;
    bool left = false, right = false;
};

} // namespace Quorvel::Testing
