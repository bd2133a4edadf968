// The strategies' shorter-turn rule: a rotator difference brought into [-32768, 32768] by whole
// turns of 65536 units.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "math/Angles.h"

namespace {

using Quorvel::Math::WrapAngleDelta;

struct WrapCase {
    float delta;
    float expected;
};

class WrapAngle : public testing::TestWithParam<WrapCase> {};

TEST_P(WrapAngle, FloatAndDoubleAgree) {
    EXPECT_EQ(WrapAngleDelta(GetParam().delta), GetParam().expected);
    EXPECT_EQ(WrapAngleDelta(static_cast<double>(GetParam().delta)),
              static_cast<double>(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Turns, WrapAngle,
                         testing::Values(WrapCase{32768, 32768},     // the seam stays as it is
                                         WrapCase{-32768, -32768},   //
                                         WrapCase{32769, -32767},    // just past it: one turn
                                         WrapCase{-32769, 32767},    //
                                         WrapCase{-64000, 1536},     // 32000 -> -32000
                                         WrapCase{60000, -5536},     // -30000 -> 30000
                                         WrapCase{0, 0},             //
                                         WrapCase{200000, 3392},     // three turns
                                         WrapCase{-200000, -3392})); //

TEST(WrapAngle, HugeAndNonFiniteAnglesEndFiniteAndInRange) {
    for (float delta :
         {1e30f, -1e30f, 3.0e38f, std::numeric_limits<float>::infinity(),
          -std::numeric_limits<float>::infinity(), std::numeric_limits<float>::quiet_NaN()}) {
        const float wrapped = WrapAngleDelta(delta);
        EXPECT_TRUE(std::isfinite(wrapped)) << delta;
        EXPECT_LE(std::fabs(wrapped), 32768.0f) << delta;
    }
    EXPECT_TRUE(std::isfinite(WrapAngleDelta(1e300)));
}

} // namespace
