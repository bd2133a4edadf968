#pragma once
// The mouse as session scripts move it, handed to ImGui once per frame.
//
// Positions are canvas pixels (origin top-left, Y down); the pointer starts at (0, 0).
// Buttons: 0 left, 1 right, 2 middle. The wheel counts vertical notches, positive away from
// the user (scrolling up).
//
// Nothing reaches ImGui until its next frame, as with real input: that frame sees the
// position and the held buttons as they are then, and the sum of the wheel's notches since
// the frame before. A button pressed and released between two frames is held for that one
// frame, so the press is not lost.

namespace Corvane::Host {

struct PointerFrame {
    static constexpr int kButtons = 3;

    float x = 0.0f;
    float y = 0.0f;
    bool down[kButtons] = {};
    float wheel = 0.0f;
};

class PointerInput {
public:
    void MoveTo(float x, float y);
    // Buttons outside 0..2 are ignored.
    void Press(int button);
    void Release(int button);
    void Scroll(float notches);

    // What the next frame sees; the wheel and the short presses start again from nothing.
    PointerFrame TakeFrame();

private:
    static bool IsButton(int button) { return button >= 0 && button < PointerFrame::kButtons; }

    PointerFrame state;
    bool pressedSinceFrame[PointerFrame::kButtons] = {};
};

} // namespace Corvane::Host
