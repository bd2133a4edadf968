// A shape's colour through the colour editor's floats: the bytes survive the round trip, and
// typed values out of range or not numbers cannot wrap or garble a byte.

#include <limits>

#include <gtest/gtest.h>

#include "ui/ShapeColour.h"

TEST(ShapeColour, BytesSurviveTheRoundTrip) {
    for (int value = 0; value < 256; ++value) {
        const unsigned char start[4] = {static_cast<unsigned char>(value), 0, 128, 255};
        float floats[4];
        ColourToFloats(start, floats);
        unsigned char back[4] = {};
        ColourFromFloats(floats, back);
        EXPECT_EQ(back[0], value);
        EXPECT_EQ(back[2], 128);
        EXPECT_EQ(back[3], 255);
    }
}

TEST(ShapeColour, FloatsAreTruncatedAndHeldWithinAByte) {
    const float typed[4] = {0.5f, 300.0f / 255.0f, -0.2f, std::numeric_limits<float>::quiet_NaN()};
    unsigned char bytes[4] = {1, 2, 3, 77};
    ColourFromFloats(typed, bytes);
    EXPECT_EQ(bytes[0], 127); // 127.5 truncated
    EXPECT_EQ(bytes[1], 255);
    EXPECT_EQ(bytes[2], 0);
    EXPECT_EQ(bytes[3], 77); // not a number: the byte stays
}
