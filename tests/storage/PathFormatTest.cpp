// The path file's text: exact output, exact round trips, defaults, and refusals that leave the
// caller's path untouched.

#include <array>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstring>
#include <tuple>

#include <gtest/gtest.h>

#include "StorageTestSupport.h"
#include "storage/JsonText.h"
#include "storage/PathFormat.h"

using nlohmann::json;
using StorageTest::ReadTestData;
using StorageTest::Waypoint;

namespace {

CameraSnapshot Snapshot(int frame, float timestamp, float fov, Vector location,
                        FloatRotator rotation, float weight) {
    CameraSnapshot s = Waypoint(frame, timestamp, location, rotation);
    s.FOV = fov;
    s.weight = weight;
    return s;
}

// The path the golden file path_90_250_1000.json was written from.
SnapshotMap GoldenPath() {
    CameraSnapshot b =
        Snapshot(250, 8.25f, 72.5f, {0.1f, 123456.7f, -3.75f}, {500.5f, -32768.0f, 12.0f}, 2.5f);
    b.v3_kb_tension = 0.1f;
    b.v3_kb_bias = -0.5f;
    b.v3_kb_continuity = 1.0f;
    b.v3_bz_has_custom = true;
    b.v3_bz_ctrl_out = {10.0f, 20.5f, -30.0f};
    b.v3_bz_ctrl_in = {-10.0f, -20.5f, 30.0f};
    CameraSnapshot c = Snapshot(1000, 33.3f, 110.0f, {-5000.0f, 2500.75f, 300.0f},
                                {32767.5f, -65536.0f, 400.125f}, 0.75f);
    c.v3_kb_bias = 0.25f;
    c.v3_bz_ctrl_out = {1.0f, 0.0f, 0.0f};
    c.v3_bz_ctrl_in = {0.0f, 0.0f, -1.0f};
    const FloatRotator aRotation{-1024.0f, 16384.0f, 0.0f};
    return {{90, Snapshot(90, 3.0f, 90.0f, {100.5f, -200.25f, 17.0f}, aRotation, 1.0f)},
            {250, b},
            {1000, c}};
}

// The six members a reader needs and one it does not know, for one snapshot.
std::string MinimalSnapshot(const std::string& frame) {
    return R"({"frame": )" + frame +
           R"(, "timestamp": 1.5, "FOV": 90, "location": {"x": 1, "y": 2, "z": 3},)"
           R"( "rotation": {"pitch": 0, "yaw": 16384, "roll": 0}, "weight": 1,)"
           R"( "note": ["anything", {"at": "all"}]})";
}

std::string OneSnapshot(const std::string& key, const std::string& frame = "0") {
    return R"({")" + key + R"(": )" + MinimalSnapshot(frame) + "}";
}

// A valid snapshot at "1", then one at "2" whose member is set to a JSON value (or removed).
std::string WithSecond(const char* member, const char* value) {
    json second = json::parse(MinimalSnapshot("2"));
    if (value)
        second[member] = json::parse(value);
    else
        second.erase(member);
    return R"({"1": )" + MinimalSnapshot("1") + R"(, "2": )" + second.dump() + "}";
}

// Every float member of the snapshot, in no particular order.
std::array<float*, 18> FloatFields(CameraSnapshot& s) {
    return {&s.location.Y,       &s.v3_bz_ctrl_in.Y,  &s.v3_bz_ctrl_in.X, &s.v3_bz_ctrl_in.Z,
            &s.v3_bz_ctrl_out.Z, &s.v3_bz_ctrl_out.X, &s.location.X,      &s.weight,
            &s.timestamp,        &s.v3_kb_continuity, &s.rotation.roll,   &s.FOV,
            &s.rotation.yaw,     &s.v3_kb_bias,       &s.location.Z,      &s.v3_bz_ctrl_out.Y,
            &s.v3_kb_tension,    &s.rotation.pitch};
}

// A path that a failed parse must leave exactly as it was.
SnapshotMap Sentinel() {
    return {{7, Waypoint(7, 0.25f, {1.0f, 2.0f, 3.0f})}};
}

SnapshotMap Parsed(const std::string& text) {
    SnapshotMap read;
    std::string error;
    EXPECT_TRUE(ParsePath(text, read, error)) << error;
    return read;
}

void ExpectRefused(const std::string& text, const std::string& expected) {
    SCOPED_TRACE(text);
    SnapshotMap path = Sentinel();
    std::string error;
    EXPECT_FALSE(ParsePath(text, path, error));
    EXPECT_EQ(error, expected);
    EXPECT_EQ(path, Sentinel());
}

} // namespace

TEST(PathFormat, GoldenFilesWriteAndReadBack) {
    EXPECT_EQ(SerializePath(GoldenPath()), ReadTestData("path_90_250_1000.json"));
    EXPECT_EQ(SerializePath(SnapshotMap()), ReadTestData("path_empty.json"));
    EXPECT_EQ(ReadTestData("path_empty.json"), "{}");
    SnapshotMap read = Sentinel(); // replaced, not merged into
    std::string error;
    ASSERT_TRUE(ParsePath(ReadTestData("path_90_250_1000.json"), read, error)) << error;
    EXPECT_EQ(read, GoldenPath());
    ASSERT_TRUE(ParsePath("{}", read, error));
    EXPECT_TRUE(read.empty());
}

// The member key places a snapshot, whatever its frame member says.
TEST(PathFormatReading, OptionalMembersDefaultUnknownOnesAreIgnoredAndTheKeyPlaces) {
    // Rotations stay in rotator units: 16384 is a quarter turn, kept as written.
    const SnapshotMap read = Parsed(OneSnapshot("5", "9"));
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read.at(5), Waypoint(9, 1.5f, {1.0f, 2.0f, 3.0f}, {0.0f, 16384.0f, 0.0f}));
}

TEST(PathFormatReading, TheFrameMemberConverts) {
    const std::pair<const char*, int> rows[] = {
        {"-12.9", -12}, {"2147483647.9", INT_MAX},  {"1e3", 1000},
        {"12.9", 12},   {"2147483647", INT_MAX},    {"-2147483648", INT_MIN},
        {"false", 0},   {"-2147483648.9", INT_MIN}, {"true", 1}};
    for (const auto& [written, frame] : rows)
        EXPECT_EQ(Parsed(OneSnapshot("1", written)).at(1).frame, frame) << written;
}

TEST(PathFormatReading, FloatFieldsAcceptIntegersUnsignedAndBooleans) {
    const std::string text = R"({"1": {"frame": 1, "timestamp": true, "FOV": 18446744073709551615,)"
                             R"( "location": {"x": -3, "y": false, "z": 3.4028234663852886e38},)"
                             R"( "rotation": {"pitch": 0, "yaw": 0, "roll": 0}, "weight": 2}})";
    const CameraSnapshot s = Parsed(text).at(1);
    EXPECT_EQ(s.timestamp, 1.0f);
    EXPECT_EQ(s.FOV, 18446744073709551615.0f);
    EXPECT_EQ(s.location, Vector(-3.0f, 0.0f, FLT_MAX));
    EXPECT_EQ(s.weight, 2.0f);
}

TEST(PathFormatRoundTrip, EveryFloatFieldKeepsItsExactBits) {
    for (const float value : {0.1f, 1.0f / 3.0f, -0.0f, FLT_MAX, -FLT_MAX, FLT_MIN, FLT_TRUE_MIN,
                              FLT_EPSILON, 16777217.0f, 123456.79f, -32768.0f, 1e-7f, 3.3e37f}) {
        for (std::size_t field = 0; field < 18; ++field) {
            CameraSnapshot s;
            s.frame = -12;
            *FloatFields(s)[field] = value;
            s.v3_bz_has_custom = field % 2 == 0;
            CameraSnapshot back = Parsed(SerializePath({{-12, s}})).at(-12);
            EXPECT_EQ(back, s);
            EXPECT_EQ(std::memcmp(FloatFields(back)[field], &value, sizeof value), 0)
                << value << " in field " << field;
        }
    }
}

TEST(PathFormatRefusal, MalformedDocumentsAndKeys) {
    const std::pair<const char*, const char*> rows[] = {
        {"", "not valid JSON at line 1, column 1"},
        {"{\n  \"1\": {", "not valid JSON at line 2, column 9"},
        {R"({"1": {"frame": 1e400}})", "holds a number too large to read"},
        {"[]", "the top level is not an object"},
        {R"({"1": 5})", R"(snapshot "1" is not an object)"},
        {"{\"\\n\": {}}", R"(key "\n" is not a frame number)"}};
    for (const auto& [text, error] : rows)
        ExpectRefused(text, error);
}

// Keys in byte order: the later one's waypoint is kept, the earlier one's is reported.
TEST(PathFormatReading, OfTwoKeysNamingOneFrameTheLaterWinsAndIsReported) {
    const std::pair<const char*, const char*> rows[] = {
        {"100", "100.0"}, {"07", "7"}, {" 5", "+5"}, {"-0", "0"}, {"-1", "-1x"}, {"2", "2 "}};
    for (const auto& [first, second] : rows) {
        SCOPED_TRACE(first);
        const std::string text = std::string(R"({")") + first + R"(": )" + MinimalSnapshot("1") +
                                 R"(, ")" + second + R"(": )" + MinimalSnapshot("2") + "}";
        int frame = 0;
        ASSERT_TRUE(ParseFrameKey(first, frame));
        SnapshotMap read;
        std::string error, notice;
        ASSERT_TRUE(ParsePath(text, read, error, &notice)) << error;
        ASSERT_EQ(read.size(), 1u);
        EXPECT_EQ(read.at(frame).frame, 2) << "the later key's waypoint";
        EXPECT_EQ(notice, std::string(R"(keys ")") + first + R"(" and ")" + second +
                              R"(" both name frame )" + std::to_string(frame) + R"(; kept ")" +
                              second + R"(")");
    }
    std::string error, notice = "stale";
    SnapshotMap read;
    ASSERT_TRUE(ParsePath(R"({"1": )" + MinimalSnapshot("1") + R"(, "01": )" +
                              MinimalSnapshot("1") + R"(, "2": )" + MinimalSnapshot("2") +
                              R"(, "02": )" + MinimalSnapshot("2") + "}",
                          read, error, &notice));
    EXPECT_EQ(read.size(), 2u);
    EXPECT_EQ(notice, R"(keys "01" and "1" both name frame 1; kept "1")"
                      " (and 1 more frames keyed twice)");
    ASSERT_TRUE(ParsePath(OneSnapshot("3"), read, error, &notice));
    EXPECT_EQ(notice, "");
}

TEST(PathFormatRefusal, BadMembersOfTheSecondSnapshot) {
    for (const std::string member : {"frame", "timestamp", "FOV", "location", "rotation", "weight"})
        ExpectRefused(WithSecond(member.c_str(), nullptr),
                      R"(snapshot "2": ")" + member + R"(" is missing)");
    // The member of snapshot "2", its new JSON value, the problem.
    const std::tuple<const char*, const char*, const char*> rows[] = {
        {"location", R"({"x": 1, "y": 2})", R"("location.z" is missing)"},
        {"rotation", R"({"pitch": 0, "yaw": 0})", R"("rotation.roll" is missing)"},
        {"v3_bz_ctrl_out", R"({"x": 1, "z": 3})", R"("v3_bz_ctrl_out.y" is missing)"},
        {"timestamp", R"("1.5")", R"("timestamp" is not a number)"},
        {"FOV", "null", R"("FOV" is not a number)"},
        {"frame", R"("2")", R"("frame" is not a number)"},
        {"v3_kb_tension", R"("x")", R"("v3_kb_tension" is not a number)"},
        {"location", "[1, 2, 3]", R"("location" is not an object)"},
        {"location", R"({"x": 1, "y": "2", "z": 3})", R"("location.y" is not a number)"},
        {"v3_bz_ctrl_in", "null", R"("v3_bz_ctrl_in" is not an object)"},
        {"v3_bz_has_custom", "1", R"("v3_bz_has_custom" is not true or false)"},
        {"FOV", "3.5e38", R"("FOV" is out of float range)"},
        {"weight", "-1e39", R"("weight" is out of float range)"},
        {"frame", "2147483648", R"("frame" does not fit a frame number)"},
        {"frame", "-2147483649", R"("frame" does not fit a frame number)"},
        {"frame", "2147483648.0", R"("frame" does not fit a frame number)"}};
    for (const auto& [member, value, problem] : rows)
        ExpectRefused(WithSecond(member, value), std::string(R"(snapshot "2": )") + problem);
}

// Keys are read as the standard integer conversion (std::stoi) reads them, and written plain.
TEST(PathFormatKeys, ReadAsTheStandardIntegerConversionReadsThemAndWrittenPlain) {
    const std::pair<const char*, int> accepted[] = {{"1532", 1532},
                                                    {"-4", -4},
                                                    {"+5", 5},
                                                    {"-0", 0},
                                                    {"007", 7},
                                                    {"1 ", 1},
                                                    {"1e3", 1},
                                                    {"0x10", 0},
                                                    {"12abc", 12},
                                                    {"100.0", 100},
                                                    {" 200", 200},
                                                    {"7\\u00009", 7},
                                                    {"\\t\\n\\u000b\\f\\r -3", -3},
                                                    {"2147483647", INT_MAX},
                                                    {"-2147483648", INT_MIN},
                                                    {"2147483647.9", INT_MAX},
                                                    {"00000000000000000000042", 42}};
    for (const auto& [written, frame] : accepted) {
        SCOPED_TRACE(written);
        const SnapshotMap read = Parsed(OneSnapshot(written));
        EXPECT_EQ(read.count(frame), 1u);
        EXPECT_EQ(json::parse(SerializePath(read)).begin().key(), std::to_string(frame));
    }
    // A no-break space is not white space, and the conversion stops at a zero byte.
    for (const char* written :
         {"", " ", "abc", "-", "+", "--1", "+-1", "- 1", ".5", "\\u00a01", "\\u00001", "2147483648",
          "-2147483649", "99999999999999999999999"}) {
        const std::string key = json::parse("\"" + std::string(written) + "\"").get<std::string>();
        ExpectRefused(OneSnapshot(written),
                      "key " + QuoteForMessage(key) + " is not a frame number");
    }
}

TEST(PathFormatFinite, EveryFloatFieldCounts) {
    EXPECT_TRUE(SnapshotIsFinite(CameraSnapshot()));
    for (std::size_t field = 0; field < 18; ++field) {
        CameraSnapshot s;
        *FloatFields(s)[field] = field % 2 ? INFINITY : NAN;
        EXPECT_FALSE(SnapshotIsFinite(s)) << "field " << field;
    }
}
