#pragma once
// What the last rendered frame showed of the world, kept for its picture: the camera, the
// ball and the cars as they were when the frame's drawing began (after the camera update,
// before the plugin's window and drawables), and the canvas size then.

#include <vector>

#include "corvane/wrappers/WrapperStructs.h"

namespace Corvane::Host {

struct CarView {
    Vector location;
    int yaw = 0; // rotator units
};

struct FrameView {
    bool rendered = false;  // false before the first frame
    bool hasCamera = false; // false in the menu
    POV camera;
    Vector ball;
    std::vector<CarView> cars;
    Vector2 size;
};

} // namespace Corvane::Host
