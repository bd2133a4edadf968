// What sample reads of a path file to play it: the frame keys, read as the console reads them,
// and the first and last waypoints' frames and times.

#include "host/PathSpan.h"

#include <gtest/gtest.h>

#include <climits>
#include <fstream>

#include "host/DataFolder.h"

namespace Corvane::Host {
namespace {

TEST(PathSpanTest, FrameKeysReadAsStoiReadsThem) {
    const std::pair<const char*, int> frames[] = {{"-30", -30},
                                                  {"+7", 7},
                                                  {" 200", 200},
                                                  {"\t\n5", 5},
                                                  {"100.0", 100},
                                                  {"12abc", 12},
                                                  {"007", 7},
                                                  {"2147483647", 2147483647},
                                                  {"-2147483648", INT_MIN}};
    for (const auto& [key, expected] : frames) {
        int frame = -1;
        EXPECT_TRUE(ReadFrameKey(key, frame)) << key;
        EXPECT_EQ(frame, expected) << key;
    }
    for (const char* key :
         {"", " ", "abc", "-", "- 5", ".5", "2147483648", "-2147483649", "99999999999999999999"}) {
        int frame = 0;
        EXPECT_FALSE(ReadFrameKey(key, frame)) << key;
    }
}

TEST(PathSpanTest, SpanIsTheFirstAndLastFramesWithTheLaterOfTwoKeysForOneFrame) {
    const std::filesystem::path folder = MakeTemporaryFolder("path-span-test");
    const std::filesystem::path file = folder / "path.json";
    // " 7" sorts before "07" and "7", so "7" is the one that names frame 7.
    std::ofstream(file) << R"({"7": {"timestamp": 3.5}, "07": {"timestamp": 9.0},
                               " 7": {"timestamp": 8.0}, "-30": {"timestamp": true},
                               "1.5": {"timestamp": 2}})";
    PathSpan span;
    std::string problem;
    ASSERT_TRUE(ReadPathSpan(file, span, problem)) << problem;
    EXPECT_EQ(span.firstFrame, -30);
    EXPECT_EQ(span.lastFrame, 7);
    EXPECT_EQ(span.firstTime, 1.0);
    EXPECT_EQ(span.lastTime, 3.5);
    EXPECT_EQ(FrameRateOf(span), 15); // 37 frames in 2.5 seconds

    std::ofstream(file) << R"({"x": {"timestamp": 0}})";
    EXPECT_FALSE(ReadPathSpan(file, span, problem));
    EXPECT_EQ(problem, file.string() + ": waypoint \"x\" is not readable");
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace Corvane::Host
