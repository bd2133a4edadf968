#pragma once
// A picture in memory: width x height pixels of 8-bit red, green, blue and alpha, row by row
// from the top-left corner (canvas pixels, Y down).

#include <cstddef>
#include <cstdint>
#include <vector>

namespace Corvane::Host {

struct Rgba {
    std::uint8_t r = 0, g = 0, b = 0, a = 255;
    bool operator==(const Rgba& o) const { return r == o.r && g == o.g && b == o.b && a == o.a; }
    bool operator!=(const Rgba& o) const { return !(*this == o); }
};

class Image {
public:
    // Sizes below one pixel become one pixel.
    Image(int width, int height, Rgba fill);

    int Width() const { return width; }
    int Height() const { return height; }
    // Pixels outside the picture read as transparent black.
    Rgba At(int x, int y) const;
    // Lays colour over the pixel by its alpha ("over"); pixels outside are left alone.
    void Blend(int x, int y, Rgba colour);
    const std::uint8_t* Data() const { return pixels.data(); }

private:
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    std::size_t Offset(int x, int y) const {
        return (std::size_t(y) * std::size_t(width) + std::size_t(x)) * 4;
    }

    int width;
    int height;
    std::vector<std::uint8_t> pixels;
};

} // namespace Corvane::Host
