#pragma once
// The canvas calls of a frame (host/Canvas.h) drawn into a draw list as the game draws its
// canvas: lines one pixel wide, or as wide as their width, from pixel to pixel; boxes
// covering size.X x size.Y pixels from the position; text in ImGui's default font, 13 pixels
// high times the y scale and stretched by x scale / y scale, its top-left corner at the
// position. Every call in the colour current when it was made.

#include <vector>

#include "host/Canvas.h"

struct ImDrawList;
struct ImFont;

namespace Corvane::Host {

void DrawCanvasCalls(const std::vector<CanvasCall>& calls, ImFont& font, ImDrawList& list);

} // namespace Corvane::Host
