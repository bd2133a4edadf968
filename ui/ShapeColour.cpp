// A reference shape's colour bytes to and from the colour editor's floats.

#include "ui/ShapeColour.h"

#include <algorithm>
#include <cmath>

void ColourToFloats(const unsigned char bytes[4], float floats[4]) {
    for (int k = 0; k < 4; ++k)
        floats[k] = static_cast<float>(bytes[k]) / 255.0f;
}

void ColourFromFloats(const float floats[4], unsigned char bytes[4]) {
    for (int k = 0; k < 4; ++k) {
        if (std::isnan(floats[k]))
            continue;
        const float scaled = std::clamp(floats[k] * 255.0f, 0.0f, 255.0f);
        bytes[k] = static_cast<unsigned char>(scaled);
    }
}
