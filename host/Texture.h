#pragma once
// A texture as the host's rasterizer samples it: one coverage byte per texel, the colour
// always white. ImGui draw commands name one through their ImTextureID, which the host sets
// to the address of a Texture; the font atlas is the only one.

namespace Corvane::Host {

struct Texture {
    int width = 0;
    int height = 0;
    const unsigned char* alpha = nullptr; // width * height bytes, row by row from the top
};

} // namespace Corvane::Host
