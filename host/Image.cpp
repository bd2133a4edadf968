#include "host/Image.h"

namespace Corvane::Host {

namespace {

std::uint8_t Mix(int over, int under, int alpha) {
    return std::uint8_t((over * alpha + under * (255 - alpha) + 127) / 255);
}

} // namespace

Image::Image(int width, int height, Rgba fill)
    : width(width < 1 ? 1 : width), height(height < 1 ? 1 : height) {
    pixels.resize(std::size_t(this->width) * std::size_t(this->height) * 4);
    for (std::size_t i = 0; i < pixels.size(); i += 4) {
        pixels[i] = fill.r;
        pixels[i + 1] = fill.g;
        pixels[i + 2] = fill.b;
        pixels[i + 3] = fill.a;
    }
}

Rgba Image::At(int x, int y) const {
    if (!Inside(x, y))
        return Rgba{0, 0, 0, 0};
    const std::uint8_t* p = &pixels[Offset(x, y)];
    return Rgba{p[0], p[1], p[2], p[3]};
}

void Image::Blend(int x, int y, Rgba colour) {
    if (!Inside(x, y))
        return;
    std::uint8_t* p = &pixels[Offset(x, y)];
    const int alpha = colour.a;
    p[0] = Mix(colour.r, p[0], alpha);
    p[1] = Mix(colour.g, p[1], alpha);
    p[2] = Mix(colour.b, p[2], alpha);
    p[3] = Mix(255, p[3], alpha);
}

} // namespace Corvane::Host
