// The path file's text: exact output, exact round trips, defaults, and refusals that leave the
// caller's path untouched.

#include <cfloat>
#include <cstring>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "StorageTestSupport.h"
#include "storage/PathFormat.h"

using StorageTest::ReadTestData;

namespace {

// The path the golden file path_90_250_1000.json was written from.
SnapshotMap GoldenPath() {
    SnapshotMap path;
    CameraSnapshot a;
    a.frame = 90;
    a.timestamp = 3.0f;
    a.FOV = 90.0f;
    a.location = {100.5f, -200.25f, 17.0f};
    a.rotation = {-1024.0f, 16384.0f, 0.0f};
    path[90] = a;

    CameraSnapshot b;
    b.frame = 250;
    b.timestamp = 8.25f;
    b.FOV = 72.5f;
    b.location = {0.1f, 123456.7f, -3.75f};
    b.rotation = {500.5f, -32768.0f, 12.0f};
    b.weight = 2.5f;
    b.v3_kb_tension = 0.1f;
    b.v3_kb_bias = -0.5f;
    b.v3_kb_continuity = 1.0f;
    b.v3_bz_has_custom = true;
    b.v3_bz_ctrl_out = {10.0f, 20.5f, -30.0f};
    b.v3_bz_ctrl_in = {-10.0f, -20.5f, 30.0f};
    path[250] = b;

    CameraSnapshot c;
    c.frame = 1000;
    c.timestamp = 33.3f;
    c.FOV = 110.0f;
    c.location = {-5000.0f, 2500.75f, 300.0f};
    c.rotation = {32767.5f, -65536.0f, 400.125f};
    c.weight = 0.75f;
    c.v3_kb_bias = 0.25f;
    c.v3_bz_ctrl_out = {1.0f, 0.0f, 0.0f};
    c.v3_bz_ctrl_in = {0.0f, 0.0f, -1.0f};
    path[1000] = c;
    return path;
}

// The six members a reader needs, for one snapshot at the given frame.
std::string MinimalSnapshot(const std::string& frame) {
    return R"({"frame": )" + frame +
           R"(, "timestamp": 1.5, "FOV": 90, "location": {"x": 1, "y": 2, "z": 3},)"
           R"( "rotation": {"pitch": 0, "yaw": 16384, "roll": 0}, "weight": 1})";
}

// A path that a failed parse must leave exactly as it was.
SnapshotMap Sentinel() {
    return {{7, StorageTest::Waypoint(7, 0.25f, {1.0f, 2.0f, 3.0f})}};
}

} // namespace

// --- Writing ---------------------------------------------------------------------------------

TEST(PathFormatWriting, ThreeFramesMatchTheGoldenFileByteForByte) {
    EXPECT_EQ(SerializePath(GoldenPath()), ReadTestData("path_90_250_1000.json"));
}

TEST(PathFormatWriting, EmptyPathIsAnEmptyObjectWithoutLineBreak) {
    EXPECT_EQ(SerializePath(SnapshotMap()), ReadTestData("path_empty.json"));
    EXPECT_EQ(SerializePath(SnapshotMap()), "{}");
}

TEST(PathFormatWriting, KeysAreInByteOrderNotFrameOrder) {
    const std::string text = SerializePath(GoldenPath());
    const auto k1000 = text.find("\"1000\"");
    const auto k250 = text.find("\"250\"");
    const auto k90 = text.find("\"90\"");
    ASSERT_NE(k90, std::string::npos);
    EXPECT_LT(k1000, k250);
    EXPECT_LT(k250, k90);
}

TEST(PathFormatWriting, NegativeFrameKeyAndIntegralFloats) {
    SnapshotMap path{{-4, StorageTest::Waypoint(-4, 0.0f, {90.0f, 0.1f, -0.0f})}};
    const std::string text = SerializePath(path);
    EXPECT_NE(text.find("\"-4\": {"), std::string::npos);
    EXPECT_NE(text.find("\"frame\": -4,"), std::string::npos);
    EXPECT_NE(text.find("\"x\": 90.0,"), std::string::npos);
    EXPECT_NE(text.find("\"y\": 0.10000000149011612,"), std::string::npos);
    EXPECT_NE(text.find("\"z\": -0.0\n"), std::string::npos);
}

// --- Reading ---------------------------------------------------------------------------------

TEST(PathFormatReading, GoldenFileReadsBackTheSameThreeSnapshots) {
    SnapshotMap read;
    std::string error;
    ASSERT_TRUE(ParsePath(ReadTestData("path_90_250_1000.json"), read, error)) << error;
    EXPECT_EQ(read, GoldenPath());
    ASSERT_EQ(read.size(), 3u);
    EXPECT_EQ(read.begin()->first, 90);
    EXPECT_EQ(read.rbegin()->first, 1000);
}

TEST(PathFormatReading, EmptyObjectEmptiesThePath) {
    SnapshotMap read = Sentinel();
    std::string error;
    ASSERT_TRUE(ParsePath("{}", read, error));
    EXPECT_TRUE(read.empty());
}

TEST(PathFormatReading, OptionalMembersTakeTheirDefaults) {
    SnapshotMap read;
    std::string error;
    ASSERT_TRUE(ParsePath(R"({"5": )" + MinimalSnapshot("5") + "}", read, error)) << error;
    const CameraSnapshot& s = read.at(5);
    EXPECT_EQ(s.v3_kb_tension, 0.0f);
    EXPECT_EQ(s.v3_kb_bias, 0.0f);
    EXPECT_EQ(s.v3_kb_continuity, 0.0f);
    EXPECT_FALSE(s.v3_bz_has_custom);
    EXPECT_EQ(s.v3_bz_ctrl_out, Vector(0.0f, 0.0f, 0.0f));
    EXPECT_EQ(s.v3_bz_ctrl_in, Vector(0.0f, 0.0f, 0.0f));
    EXPECT_EQ(s.location, Vector(1.0f, 2.0f, 3.0f));
    EXPECT_EQ(s.timestamp, 1.5f);
}

TEST(PathFormatReading, RotationIsRotatorUnitsNotDegrees) {
    SnapshotMap read;
    std::string error;
    ASSERT_TRUE(ParsePath(R"({"5": )" + MinimalSnapshot("5") + "}", read, error));
    EXPECT_EQ(read.at(5).rotation.yaw, 16384.0f); // a quarter turn, kept as written
}

struct FrameCase {
    const char* written;
    int frame;
};

class FrameMember : public ::testing::TestWithParam<FrameCase> {};

TEST_P(FrameMember, ConvertsToTheRecordFrame) {
    SnapshotMap read;
    std::string error;
    ASSERT_TRUE(ParsePath(R"({"1": )" + MinimalSnapshot(GetParam().written) + "}", read, error))
        << error;
    EXPECT_EQ(read.at(1).frame, GetParam().frame);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FrameMember,
    ::testing::Values(FrameCase{"12.9", 12}, FrameCase{"-12.9", -12}, FrameCase{"true", 1},
                      FrameCase{"false", 0}, FrameCase{"2147483647", 2147483647},
                      FrameCase{"-2147483648", std::numeric_limits<int>::min()},
                      FrameCase{"2147483647.9", 2147483647}, FrameCase{"1e3", 1000}));

TEST(PathFormatReading, FloatFieldsAcceptIntegersUnsignedAndBooleans) {
    const std::string text = R"({"1": {"frame": 1, "timestamp": true, "FOV": 18446744073709551615,)"
                             R"( "location": {"x": -3, "y": false, "z": 3.4028234663852886e38},)"
                             R"( "rotation": {"pitch": 0, "yaw": 0, "roll": 0}, "weight": 2}})";
    SnapshotMap read;
    std::string error;
    ASSERT_TRUE(ParsePath(text, read, error)) << error;
    const CameraSnapshot& s = read.at(1);
    EXPECT_EQ(s.timestamp, 1.0f);
    EXPECT_EQ(s.FOV, 18446744073709551615.0f);
    EXPECT_EQ(s.location, Vector(-3.0f, 0.0f, FLT_MAX));
    EXPECT_EQ(s.weight, 2.0f);
}

TEST(PathFormatReading, MapKeyComesFromTheMemberKeyNotTheFrameField) {
    SnapshotMap read;
    std::string error;
    ASSERT_TRUE(ParsePath(R"({"7": )" + MinimalSnapshot("9") + "}", read, error));
    ASSERT_EQ(read.count(7), 1u);
    EXPECT_EQ(read.at(7).frame, 9);
}

TEST(PathFormatReading, OfTwoKeysForOneFrameTheLaterInByteOrderWins) {
    // "07" sorts before "7", so the snapshot under "7" is the one kept.
    const std::string text =
        R"({"07": )" + MinimalSnapshot("1") + R"(, "7": )" + MinimalSnapshot("2") + "}";
    SnapshotMap read;
    std::string error;
    ASSERT_TRUE(ParsePath(text, read, error));
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read.at(7).frame, 2);
}

TEST(PathFormatReading, UnknownMembersAreIgnored) {
    std::string snapshot = MinimalSnapshot("3");
    snapshot.insert(1, R"("note": ["anything", {"at": "all"}], )");
    SnapshotMap read;
    std::string error;
    ASSERT_TRUE(ParsePath(R"({"3": )" + snapshot + "}", read, error)) << error;
    EXPECT_EQ(read.size(), 1u);
}

TEST(PathFormatReading, FromJsonConvertsAndThrowsOnABadSnapshot) {
    const CameraSnapshot s = nlohmann::json::parse(MinimalSnapshot("4")).get<CameraSnapshot>();
    EXPECT_EQ(s.frame, 4);
    EXPECT_THROW(nlohmann::json::parse(R"({"frame": 4})").get<CameraSnapshot>(), PathFormatError);
}

// --- Round trip ------------------------------------------------------------------------------

class FloatRoundTrip : public ::testing::TestWithParam<float> {};

// Every float field, set to an awkward value, reads back with the same bits.
TEST_P(FloatRoundTrip, EveryFieldKeepsItsExactBits) {
    const float value = GetParam();
    for (int field = 0; field < 18; ++field) {
        CameraSnapshot s;
        s.frame = 12;
        float* fields[] = {&s.timestamp,        &s.FOV,
                           &s.location.X,       &s.location.Y,
                           &s.location.Z,       &s.rotation.pitch,
                           &s.rotation.yaw,     &s.rotation.roll,
                           &s.weight,           &s.v3_kb_tension,
                           &s.v3_kb_bias,       &s.v3_kb_continuity,
                           &s.v3_bz_ctrl_out.X, &s.v3_bz_ctrl_out.Y,
                           &s.v3_bz_ctrl_out.Z, &s.v3_bz_ctrl_in.X,
                           &s.v3_bz_ctrl_in.Y,  &s.v3_bz_ctrl_in.Z};
        *fields[field] = value;
        s.v3_bz_has_custom = field % 2 == 0;
        SnapshotMap read;
        std::string error;
        ASSERT_TRUE(ParsePath(SerializePath({{12, s}}), read, error)) << error;
        const CameraSnapshot& back = read.at(12);
        EXPECT_EQ(std::memcmp(&back, &s, sizeof s), 0) << "field " << field;
        EXPECT_EQ(back, s);
    }
}

INSTANTIATE_TEST_SUITE_P(Values, FloatRoundTrip,
                         ::testing::Values(0.1f, 1.0f / 3.0f, -0.0f, FLT_MAX, -FLT_MAX, FLT_MIN,
                                           FLT_TRUE_MIN, FLT_EPSILON, 16777217.0f, 123456.79f,
                                           -32768.0f, 1e-7f, 3.3e37f));

// --- Refusals --------------------------------------------------------------------------------

struct Malformed {
    const char* name;
    std::string text;
    std::string error;
};

class MalformedPath : public ::testing::TestWithParam<Malformed> {};

TEST_P(MalformedPath, IsRefusedWithItsProblemAndTouchesNothing) {
    SnapshotMap path = Sentinel();
    std::string error;
    EXPECT_FALSE(ParsePath(GetParam().text, path, error));
    EXPECT_EQ(error, GetParam().error);
    EXPECT_EQ(path, Sentinel());
}

using nlohmann::json;

// A valid snapshot at "1", then a snapshot at "2" changed by edit.
template <typename Edit> std::string WithSecond(Edit edit) {
    json second = json::parse(MinimalSnapshot("2"));
    edit(second);
    return R"({"1": )" + MinimalSnapshot("1") + R"(, "2": )" + second.dump() + "}";
}

template <typename Value> auto Set(const char* key, Value value) {
    return [key, value](json& s) {
        s[key] = value;
    };
}

auto Erase(const char* key) {
    return [key](json& s) {
        s.erase(key);
    };
}

auto EraseInner(const char* key, const char* inner) {
    return [key, inner](json& s) {
        s[key].erase(inner);
    };
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MalformedPath,
    ::testing::Values(
        Malformed{"Empty", "", "not valid JSON at line 1, column 1"},
        Malformed{"Unclosed", "{\n  \"1\": {", "not valid JSON at line 2, column 9"},
        Malformed{"TrailingText", "{} x", "not valid JSON at line 1, column 4"},
        Malformed{"NumberBeyondDouble", R"({"1": {"frame": 1e400}})",
                  "holds a number too large to read"},
        Malformed{"TopLevelArray", "[]", "the top level is not an object"},
        Malformed{"TopLevelNumber", "5", "the top level is not an object"},
        Malformed{"SnapshotNumber", R"({"1": 5})", R"(snapshot "1" is not an object)"},
        Malformed{"SnapshotArray", R"({"1": []})", R"(snapshot "1" is not an object)"},
        Malformed{"KeyWord", R"({"abc": {}})", R"(key "abc" is not a frame number)"},
        Malformed{"KeyTrailingLetters", R"({"12abc": {}})", R"(key "12abc" is not a frame number)"},
        Malformed{"KeySpace", R"({" 12": {}})", R"(key " 12" is not a frame number)"},
        Malformed{"KeyFraction", R"({"1.5": {}})", R"(key "1.5" is not a frame number)"},
        Malformed{"KeyEmpty", R"({"": {}})", R"(key "" is not a frame number)"},
        Malformed{"KeySignOnly", R"({"-": {}})", R"(key "-" is not a frame number)"},
        Malformed{"KeyBeyondInt", R"({"2147483648": {}})",
                  R"(key "2147483648" is not a frame number)"},
        Malformed{"KeyLineBreak", "{\"1\\n2\": {}}", R"(key "1\n2" is not a frame number)"},
        Malformed{"MissingFrame", WithSecond(Erase("frame")),
                  R"(snapshot "2": "frame" is missing)"},
        Malformed{"MissingTimestamp", WithSecond(Erase("timestamp")),
                  R"(snapshot "2": "timestamp" is missing)"},
        Malformed{"MissingFOV", WithSecond(Erase("FOV")), R"(snapshot "2": "FOV" is missing)"},
        Malformed{"MissingLocation", WithSecond(Erase("location")),
                  R"(snapshot "2": "location" is missing)"},
        Malformed{"MissingRotation", WithSecond(Erase("rotation")),
                  R"(snapshot "2": "rotation" is missing)"},
        Malformed{"MissingWeight", WithSecond(Erase("weight")),
                  R"(snapshot "2": "weight" is missing)"},
        Malformed{"MissingLocationZ", WithSecond(EraseInner("location", "z")),
                  R"(snapshot "2": "location.z" is missing)"},
        Malformed{"MissingRoll", WithSecond(EraseInner("rotation", "roll")),
                  R"(snapshot "2": "rotation.roll" is missing)"},
        Malformed{"TimestampText", WithSecond(Set("timestamp", "1.5")),
                  R"(snapshot "2": "timestamp" is not a number)"},
        Malformed{"FovNull", WithSecond(Set("FOV", nullptr)),
                  R"(snapshot "2": "FOV" is not a number)"},
        Malformed{"FrameText", WithSecond(Set("frame", "2")),
                  R"(snapshot "2": "frame" is not a number)"},
        Malformed{"LocationArray", WithSecond(Set("location", json::array({1, 2, 3}))),
                  R"(snapshot "2": "location" is not an object)"},
        Malformed{"LocationYText",
                  WithSecond(Set("location", json{{"x", 1}, {"y", "2"}, {"z", 3}})),
                  R"(snapshot "2": "location.y" is not a number)"},
        Malformed{"CustomFlagNumber", WithSecond(Set("v3_bz_has_custom", 1)),
                  R"(snapshot "2": "v3_bz_has_custom" is not true or false)"},
        Malformed{"HandleMissingY", WithSecond(Set("v3_bz_ctrl_out", json{{"x", 1}, {"z", 3}})),
                  R"(snapshot "2": "v3_bz_ctrl_out.y" is missing)"},
        Malformed{"HandleNull", WithSecond(Set("v3_bz_ctrl_in", nullptr)),
                  R"(snapshot "2": "v3_bz_ctrl_in" is not an object)"},
        Malformed{"TensionText", WithSecond(Set("v3_kb_tension", "x")),
                  R"(snapshot "2": "v3_kb_tension" is not a number)"},
        Malformed{"FloatBeyondFloat", WithSecond(Set("FOV", 3.5e38)),
                  R"(snapshot "2": "FOV" is out of float range)"},
        Malformed{"NegativeFloatBeyondFloat", WithSecond(Set("weight", -1e39)),
                  R"(snapshot "2": "weight" is out of float range)"},
        Malformed{"FrameBeyondInt", WithSecond(Set("frame", 2147483648LL)),
                  R"(snapshot "2": "frame" does not fit a frame number)"},
        Malformed{"FrameBelowInt", WithSecond(Set("frame", -2147483649LL)),
                  R"(snapshot "2": "frame" does not fit a frame number)"},
        Malformed{"FrameHugeUnsigned", WithSecond(Set("frame", 18446744073709551615ULL)),
                  R"(snapshot "2": "frame" does not fit a frame number)"},
        Malformed{"FrameHugeFloat", WithSecond(Set("frame", 1e10)),
                  R"(snapshot "2": "frame" does not fit a frame number)"},
        Malformed{"FrameJustBeyondIntAsFloat", WithSecond(Set("frame", 2147483648.0)),
                  R"(snapshot "2": "frame" does not fit a frame number)"}),
    [](const ::testing::TestParamInfo<Malformed>& info) { return std::string(info.param.name); });

struct KeyCase {
    const char* key;
    bool valid;
    int frame;
};

class FrameKey : public ::testing::TestWithParam<KeyCase> {};

TEST_P(FrameKey, AcceptsOnlyWholeDecimalIntegers) {
    int frame = 12345;
    EXPECT_EQ(ParseFrameKey(GetParam().key, frame), GetParam().valid);
    EXPECT_EQ(frame, GetParam().valid ? GetParam().frame : 12345);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, FrameKey,
    ::testing::Values(KeyCase{"0", true, 0}, KeyCase{"1532", true, 1532}, KeyCase{"-4", true, -4},
                      KeyCase{"+5", true, 5}, KeyCase{"007", true, 7}, KeyCase{"-0", true, 0},
                      KeyCase{"2147483647", true, 2147483647},
                      KeyCase{"-2147483648", true, std::numeric_limits<int>::min()},
                      KeyCase{"2147483648", false, 0}, KeyCase{"-2147483649", false, 0},
                      KeyCase{"99999999999999999999999", false, 0}, KeyCase{"", false, 0},
                      KeyCase{"+", false, 0}, KeyCase{"--1", false, 0}, KeyCase{"1 ", false, 0},
                      KeyCase{"0x10", false, 0}, KeyCase{"1e3", false, 0}));

TEST(PathFormatFinite, EveryFieldCounts) {
    for (int field = 0; field < 18; ++field) {
        CameraSnapshot s;
        float* fields[] = {&s.timestamp,        &s.FOV,
                           &s.location.X,       &s.location.Y,
                           &s.location.Z,       &s.rotation.pitch,
                           &s.rotation.yaw,     &s.rotation.roll,
                           &s.weight,           &s.v3_kb_tension,
                           &s.v3_kb_bias,       &s.v3_kb_continuity,
                           &s.v3_bz_ctrl_out.X, &s.v3_bz_ctrl_out.Y,
                           &s.v3_bz_ctrl_out.Z, &s.v3_bz_ctrl_in.X,
                           &s.v3_bz_ctrl_in.Y,  &s.v3_bz_ctrl_in.Z};
        EXPECT_TRUE(SnapshotIsFinite(s));
        *fields[field] = field % 2 ? std::numeric_limits<float>::infinity()
                                   : std::numeric_limits<float>::quiet_NaN();
        EXPECT_FALSE(SnapshotIsFinite(s)) << "field " << field;
    }
}
