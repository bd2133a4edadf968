#include "host/PointerInput.h"

namespace Corvane::Host {

void PointerInput::MoveTo(float x, float y) {
    state.x = x;
    state.y = y;
}

void PointerInput::Press(int button) {
    if (!IsButton(button))
        return;
    state.down[button] = true;
    pressedSinceFrame[button] = true;
}

void PointerInput::Release(int button) {
    if (IsButton(button))
        state.down[button] = false;
}

void PointerInput::Scroll(float notches) {
    state.wheel += notches;
}

PointerFrame PointerInput::TakeFrame() {
    PointerFrame frame = state;
    for (int b = 0; b < PointerFrame::kButtons; ++b) {
        frame.down[b] = state.down[b] || pressedSinceFrame[b];
        pressedSinceFrame[b] = false;
    }
    state.wheel = 0.0f;
    return frame;
}

} // namespace Corvane::Host
