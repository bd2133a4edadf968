// The keyboard between two frames: what the next frame sees of keys and typed text.

#include "host/KeyboardInput.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace Corvane::Host {
namespace {

// Actions: "dK" presses key K, "uK" releases it (K: 'c' Ctrl, 'a' A, 'e' Enter), "'T" types
// the character T, "F" takes a frame. Each frame is written as its held keys among Ctrl, A
// and Enter, then its text: "c0a1e0/xy".
std::vector<std::string> Frames(const std::string& actions) {
    const auto key = [](char letter) {
        return letter == 'c' ? Key::Ctrl : letter == 'a' ? Key::A : Key::Enter;
    };
    KeyboardInput keyboard;
    std::vector<std::string> frames;
    for (size_t i = 0; i < actions.size(); ++i) {
        const char action = actions[i];
        if (action == 'd')
            keyboard.Press(key(actions[++i]));
        else if (action == 'u')
            keyboard.Release(key(actions[++i]));
        else if (action == '\'')
            keyboard.Type(std::string(1, actions[++i]));
        else if (action == 'F') {
            const KeyboardFrame frame = keyboard.TakeFrame();
            std::string text;
            for (const Key k : {Key::Ctrl, Key::A, Key::Enter})
                text += frame.Down(k) ? '1' : '0';
            frames.push_back(text + "/" + frame.text);
        }
    }
    return frames;
}

TEST(KeyboardInputTest, EachFrameSeesTheKeysHeldThenAndTheTextTypedSinceTheFrameBefore) {
    const struct {
        const char* actions;
        std::vector<std::string> frames;
    } cases[] = {
        {"dcdaFuaF", {"110/", "100/"}},
        {"dauaFF", {"010/", "000/"}},   // a tap between frames is held for one
        {"deFuedeF", {"001/", "001/"}}, // released and pressed again: held throughout
        {"'x'yF'zFF", {"000/xy", "000/z", "000/"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Frames(c.actions), c.frames) << c.actions;
}

TEST(KeyboardInputTest, ChordsNameTheirKeysInOrderJoinedByPlus) {
    std::vector<Key> keys;
    ASSERT_TRUE(ParseKeyChord("Ctrl+Shift+Z", keys));
    EXPECT_EQ(keys, (std::vector<Key>{Key::Ctrl, Key::Shift, Key::Z}));
    ASSERT_TRUE(ParseKeyChord("Left", keys));
    EXPECT_EQ(keys, std::vector<Key>{Key::LeftArrow});
    for (const char* refused : {"", "+", "Ctrl+", "+Z", "Ctrl++Z", "Z+Z", "LeftArrow", "z"})
        EXPECT_FALSE(ParseKeyChord(refused, keys)) << refused;
}

TEST(KeyboardInputTest, KeysOutsideTheKnownOnesAreIgnored) {
    KeyboardInput keyboard;
    keyboard.Press(Key::Count);
    keyboard.Press(static_cast<Key>(-1));
    const KeyboardFrame frame = keyboard.TakeFrame();
    for (const bool down : frame.down)
        EXPECT_FALSE(down);
}

} // namespace
} // namespace Corvane::Host
