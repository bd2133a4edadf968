#include "host/KeyboardInput.h"

namespace Corvane::Host {

namespace {

bool IsKey(Key key) {
    return key >= Key::Tab && key < Key::Count;
}

struct KeyName {
    const char* name;
    Key key;
};

constexpr KeyName kKeyNames[] = {
    {"Tab", Key::Tab},
    {"Left", Key::LeftArrow},
    {"Right", Key::RightArrow},
    {"Up", Key::UpArrow},
    {"Down", Key::DownArrow},
    {"Home", Key::Home},
    {"End", Key::End},
    {"Delete", Key::Delete},
    {"Backspace", Key::Backspace},
    {"Enter", Key::Enter},
    {"Escape", Key::Escape},
    {"A", Key::A},
    {"C", Key::C},
    {"V", Key::V},
    {"X", Key::X},
    {"Y", Key::Y},
    {"Z", Key::Z},
    {"Ctrl", Key::Ctrl},
    {"Shift", Key::Shift},
};

bool KeyNamed(const std::string& name, Key& key) {
    for (const KeyName& entry : kKeyNames)
        if (name == entry.name) {
            key = entry.key;
            return true;
        }
    return false;
}

} // namespace

bool ParseKeyChord(const std::string& chord, std::vector<Key>& keys) {
    keys.clear();
    size_t start = 0;
    while (true) {
        const size_t plus = chord.find('+', start);
        Key key = Key::Count;
        if (!KeyNamed(chord.substr(start, plus - start), key))
            return false;
        for (const Key held : keys)
            if (held == key)
                return false;
        keys.push_back(key);
        if (plus == std::string::npos)
            return true;
        start = plus + 1;
    }
}

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
