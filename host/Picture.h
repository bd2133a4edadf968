#pragma once
// The last rendered frame as the user saw it: the field drawn in perspective from the camera
// (host/SceneDrawing.h), the frame's canvas calls over it (host/CanvasDrawing.h), and the
// ImGui windows on top, all through the host's rasterizer. The picture has the frame's canvas
// size; scene and canvas are drawn without anti-aliasing, ImGui's windows as ImGui draws them.

#include "host/Image.h"

namespace Corvane::Host {

class World;

// The world must have rendered a frame (World::Shown().rendered).
Image TakePicture(const World& world);

} // namespace Corvane::Host
