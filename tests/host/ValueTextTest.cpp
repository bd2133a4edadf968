#include "host/ValueText.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cstdlib>

namespace Corvane::Host {
namespace {

struct ReadCase {
    const char* text;
    int asInt;
    float asFloat;
    bool asBool;
};

const ReadCase kReadCases[] = {
    {"7", 7, 7.0f, true},
    {"7.9", 7, 7.9f, true},
    {"-7.9", -7, -7.9f, true},
    {"0", 0, 0.0f, false},
    {"0.0", 0, 0.0f, false},
    {"-0", 0, 0.0f, false},
    {"0.5", 0, 0.5f, true},
    {"-2", -2, -2.0f, true},
    {" 3", 3, 3.0f, true},
    {"12abc", 12, 12.0f, true},
    {"1e3", 1000, 1000.0f, true},
    {"abc", 0, 0.0f, false},
    {"", 0, 0.0f, false},
    {"true", 0, 0.0f, false},
    {"nan", 0, 0.0f, false},
    {"inf", 0, 0.0f, false},
    {"-inf", 0, 0.0f, false},
    {"1e999", 0, 0.0f, false},
    {"3000000000", INT_MAX, 3.0e9f, true},
    {"-3000000000", INT_MIN, -3.0e9f, true},
    {"1e39", INT_MAX, FLT_MAX, true},
    {"-1e39", INT_MIN, -FLT_MAX, true},
};

class ReadValueTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadValueTest, ConvertsLikeTheConsole) {
    const ReadCase& c = GetParam();
    EXPECT_EQ(ReadInt(c.text), c.asInt) << '"' << c.text << '"';
    EXPECT_EQ(ReadFloat(c.text), c.asFloat) << '"' << c.text << '"';
    EXPECT_EQ(ReadBool(c.text), c.asBool) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(Texts, ReadValueTest, testing::ValuesIn(kReadCases));

TEST(FormatNumberTest, WritesIntegralValuesWithoutDecimals) {
    EXPECT_EQ(FormatNumber(20.0f), "20");
    EXPECT_EQ(FormatNumber(-20.0f), "-20");
    EXPECT_EQ(FormatNumber(0.0f), "0");
    EXPECT_EQ(FormatNumber(-0.0f), "0");
    EXPECT_EQ(FormatNumber(1e10f), "10000000000");
}

TEST(FormatNumberTest, WritesFractionsWithTheFewestDigitsThatReadBack) {
    EXPECT_EQ(FormatNumber(0.1f), "0.1");
    EXPECT_EQ(FormatNumber(2.5f), "2.5");
    EXPECT_EQ(FormatNumber(-0.3f), "-0.3");
    EXPECT_EQ(FormatNumber(1.0f / 3.0f), "0.33333334");
}

TEST(FormatNumberTest, EveryFiniteFloatReadsBackUnchanged) {
    const float values[] = {0.1f,    1e-7f,       123456.789f, -98765.4321f, FLT_MAX,
                            FLT_MIN, 16777217.0f, 5.0e-45f,    3.14159274f,  182.04445f};
    for (const float value : values)
        EXPECT_EQ(std::strtof(FormatNumber(value).c_str(), nullptr), value) << value;
}

TEST(FormatNumberTest, NonFiniteValuesReadAsZero) {
    EXPECT_EQ(ReadFloat(FormatNumber(std::strtof("nan", nullptr))), 0.0f);
    EXPECT_EQ(ReadFloat(FormatNumber(std::strtof("-inf", nullptr))), 0.0f);
}

struct ClampCase {
    const char* text;
    ValueRange range;
    const char* stored;
};

const ValueRange kZeroToTwenty{true, 0.0f, true, 20.0f};
const ValueRange kAtLeastHundred{true, 100.0f, false, 0.0f};
const ValueRange kSoftFollowTension{true, 0.1f, true, 50.0f};
const ValueRange kUnbounded{};

const ClampCase kClampCases[] = {
    {"25", kZeroToTwenty, "20"},
    {"-5", kZeroToTwenty, "0"},
    {"20", kZeroToTwenty, "20"},
    {"20.0", kZeroToTwenty, "20.0"}, // at the bound: kept as typed
    {"20.5", kZeroToTwenty, "20"},
    {"5.0", kZeroToTwenty, "5.0"},
    {"abc", kZeroToTwenty, "abc"}, // reads 0, inside the range
    {"abc", kAtLeastHundred, "100"},
    {"99.99", kAtLeastHundred, "100"},
    {"1e9", kAtLeastHundred, "1e9"},
    {"0.05", kSoftFollowTension, "0.1"},
    {"nan", kSoftFollowTension, "0.1"},
    {"1e999", kZeroToTwenty, "1e999"}, // not finite: reads 0
    {"-1e6", kUnbounded, "-1e6"},
};

class ClampTextTest : public testing::TestWithParam<ClampCase> {};

TEST_P(ClampTextTest, StoresTheBoundOnlyWhenOutside) {
    const ClampCase& c = GetParam();
    EXPECT_EQ(ClampText(c.text, c.range), c.stored) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(Texts, ClampTextTest, testing::ValuesIn(kClampCases));

} // namespace
} // namespace Corvane::Host
