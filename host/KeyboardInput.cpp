#include "host/KeyboardInput.h"

namespace Corvane::Host {

namespace {

bool IsKey(Key key) {
    return key >= Key::Tab && key < Key::Count;
}

} // namespace

void KeyboardInput::Press(Key key) {
    if (!IsKey(key))
        return;
    state.down[static_cast<int>(key)] = true;
    pressedSinceFrame[static_cast<int>(key)] = true;
}

void KeyboardInput::Release(Key key) {
    if (IsKey(key))
        state.down[static_cast<int>(key)] = false;
}

void KeyboardInput::Type(const std::string& text) {
    state.text += text;
}

KeyboardFrame KeyboardInput::TakeFrame() {
    KeyboardFrame frame = state;
    for (int k = 0; k < KeyboardFrame::kKeys; ++k) {
        frame.down[k] = state.down[k] || pressedSinceFrame[k];
        pressedSinceFrame[k] = false;
    }
    state.text.clear();
    return frame;
}

} // namespace Corvane::Host
