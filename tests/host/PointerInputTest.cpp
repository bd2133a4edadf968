// The pointer between two frames: what the next frame sees of presses, releases and the wheel.

#include "host/PointerInput.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace Corvane::Host {
namespace {

// Actions, one letter each: "d0" presses button 0, "u0" releases it, "w" turns the wheel one
// notch, "W" one notch back, "F" takes a frame. Each frame is written as its three buttons
// and its wheel: "100/1" is the left button held with one notch.
std::vector<std::string> Frames(const std::string& actions) {
    PointerInput pointer;
    std::vector<std::string> frames;
    for (size_t i = 0; i < actions.size(); ++i) {
        const char action = actions[i];
        if (action == 'd' || action == 'u') {
            const int button = actions[++i] - '0';
            action == 'd' ? pointer.Press(button) : pointer.Release(button);
        } else if (action == 'w' || action == 'W') {
            pointer.Scroll(action == 'w' ? 1.0f : -1.0f);
        } else if (action == 'F') {
            const PointerFrame frame = pointer.TakeFrame();
            std::string text;
            for (bool down : frame.down)
                text += down ? '1' : '0';
            frames.push_back(text + "/" + std::to_string(int(frame.wheel)));
        }
    }
    return frames;
}

// Press, release and click between frames are walked through in host_pointer.script.
TEST(PointerInputTest, EachFrameSeesTheButtonsHeldThenAndTheWheelSinceTheFrameBefore) {
    const struct {
        const char* actions;
        std::vector<std::string> frames;
    } cases[] = {
        {"d1u1d1FF", {"010/0", "010/0"}},
        {"d0Fu0d0F", {"100/0", "100/0"}}, // released and pressed again: held throughout
        {"d2d9u7F", {"001/0"}},           // only buttons 0 to 2 exist
        {"wwWwFF", {"000/2", "000/0"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Frames(c.actions), c.frames) << c.actions;
}

} // namespace
} // namespace Corvane::Host
