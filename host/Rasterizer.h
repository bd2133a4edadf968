#pragma once
// Draws Dear ImGui draw lists into an image in software, as a GPU renderer of ImGui would,
// so that pictures need no display and come out the same on every machine.
//
// Every command's triangles are filled with their vertex colours interpolated across them,
// multiplied by the font texture where the command names it (any other texture counts as
// plain white), laid over the image by alpha, and kept inside the command's clip rectangle.
// A pixel is covered when its centre (x + 0.5, y + 0.5) is inside the triangle; a centre
// exactly on an edge belongs to the triangle on the edge's top or left side only, so
// triangles sharing an edge cover each pixel once. The clip rectangle keeps the pixels whose
// centre lies in [left, right) x [top, bottom). User callbacks are skipped.

#include "host/Image.h"
#include "host/Texture.h"

struct ImDrawList;
struct ImDrawData;

namespace Corvane::Host {

void RasterizeDrawList(const ImDrawList& list, const Texture& font, Image& image);
// Every list of the frame, in order, with the display's top-left corner at the image's.
void RasterizeDrawData(const ImDrawData& data, const Texture& font, Image& image);

} // namespace Corvane::Host
