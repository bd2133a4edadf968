#pragma once
// The keyboard as scripts and tests press it, handed to ImGui once per frame, like the mouse
// (host/PointerInput.h).
//
// Only the keys ImGui's widgets listen to exist here; Ctrl and Shift are the modifiers. Typed
// text is UTF-8 and reaches ImGui as characters, apart from the keys (a text field takes the
// characters; Enter, Tab and the arrows are keys).
//
// Nothing reaches ImGui until its next frame: that frame sees the keys held then and the text
// typed since the frame before. A key pressed and released between two frames is held for
// that one frame, so the press is not lost.

#include <string>
#include <vector>

namespace Corvane::Host {

enum class Key {
    Tab,
    LeftArrow,
    RightArrow,
    UpArrow,
    DownArrow,
    Home,
    End,
    Delete,
    Backspace,
    Enter,
    Escape,
    A,
    C,
    V,
    X,
    Y,
    Z,
    Ctrl,
    Shift,
    Count
};

struct KeyboardFrame {
    static constexpr int kKeys = static_cast<int>(Key::Count);

    bool down[kKeys] = {};
    std::string text;

    bool Down(Key key) const { return down[static_cast<int>(key)]; }
};

// Keys as scripts name them, joined by '+': "Ctrl+Shift+Z", "Enter". Names are those of the
// enum, with Left, Right, Up and Down for the arrows; case matters. False for an empty chord,
// an unknown name or a key named twice.
bool ParseKeyChord(const std::string& chord, std::vector<Key>& keys);

class KeyboardInput {
public:
    void Press(Key key);
    void Release(Key key);
    void Type(const std::string& text);

    // What the next frame sees; the text and the short presses start again from nothing.
    KeyboardFrame TakeFrame();

private:
    KeyboardFrame state;
    bool pressedSinceFrame[KeyboardFrame::kKeys] = {};
};

} // namespace Corvane::Host
