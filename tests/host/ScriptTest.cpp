// Session scripts run against the probe plugin: parsing, directives, failures, the track.

#include "host/ScriptRunner.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "host/DataFolder.h"
#include "host/TrackWriter.h"
#include "tests/host/ProbePlugin.h"
#include "tests/support/TestHost.h"

extern "C" const Corvane::Plugin::PluginRecord exports;

namespace {

using Quorvel::Testing::TestHost;
using Lines = std::vector<std::string>;

class ScriptTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(host.Load(&exports));
        host.ClearLines();
    }
    TestHost host;
};

TEST_F(ScriptTest, ConsoleLinesAreRunAsTyped) {
    EXPECT_EQ(host.RunScript("probe_echo a \"b c\" \"\"\n"
                             "   probe_echo   indented\r\n"
                             "probe_int 25\n"
                             "probe_int\n"
                             "not_a_command 1\n"),
              0);
    EXPECT_EQ(host.Lines(),
              (Lines{"probe_echo|a|b c|", "probe_echo|indented", "probe_int: 5 -> 20",
                     "probe_int again", "probe_int = 20", "Unknown command: not_a_command"}));
}

TEST_F(ScriptTest, CommentsAndBlankLinesAreSkipped) {
    EXPECT_EQ(host.RunScript("# probe_echo commented\n"
                             "\n"
                             "   \t\n"
                             "  # probe_echo indented comment\n"
                             "probe_echo # not a comment here\n"),
              0);
    EXPECT_EQ(host.Lines(), Lines{"probe_echo|#|not|a|comment|here"});
}

TEST_F(ScriptTest, ExpectComparesTheLastLoggedLineExactly) {
    EXPECT_EQ(host.RunScript("probe_echo x\n"
                             "@expect probe_echo|x\n"
                             "probe_text\n"
                             "@expect probe_text = \n"),
              0);
    EXPECT_EQ(host.RunScript("probe_echo x\n@expect probe_echo|x \n"), 1); // trailing space
}

TEST_F(ScriptTest, FailedExpectStopsWithStatusOneNamingLineExpectedAndActual) {
    EXPECT_EQ(host.RunScript("probe_echo first\n"
                             "\n"
                             "@expect probe_echo|second\n"
                             "probe_echo never\n"),
              1);
    EXPECT_EQ(host.Errors(), "corvane-sim: test:3: @expect failed: expected "
                             "\"probe_echo|second\", but the last line was \"probe_echo|first\"\n");
    EXPECT_EQ(host.LastLine(), "probe_echo|first");
}

TEST(ScriptWithoutPluginTest, ExpectBeforeAnyLineFails) {
    TestHost host;
    EXPECT_EQ(host.RunScript("@expect \n"), 1);
    EXPECT_EQ(host.Errors(),
              "corvane-sim: test:1: @expect failed: expected \"\", but nothing was logged yet\n");
}

TEST_F(ScriptTest, UnknownDirectiveStopsWithStatusTwoNamingTheLine) {
    EXPECT_EQ(host.RunScript("@replay\n# comment\n@bogus 1 2\nprobe_echo never\n"), 2);
    EXPECT_EQ(host.Errors(), "corvane-sim: test:3: unknown directive @bogus: @bogus 1 2\n");
    EXPECT_EQ(host.LastLine(), "event InitGame");
}

const char* const kMalformedLines[] = {
    "@replay fps=abc",
    "@replay 30",
    "@replay fps=-1",
    "@replay fps=1001",
    "@camera 1 2 3",
    "@camera 1 2 3 1.5 0 0 90",
    "@camera 1 2 3 0 0 0 inf",
    "@camera 1 2 nan 0 0 0 90",
    "@frame",
    "@frame -1",
    "@frame x",
    "@frame 5 abc",
    "@tick -1",
    "@tick 1 2",
    "@tick 2.5",
    "@ball 1 2",
    "@ball free now",
    "@car 8 0 0 0",
    "@car 0 nan 0 0",
    "@car 0",
    "@car x free",
    "@cars 9",
    "@cars",
    "@canvas 0 10",
    "@leave now",
    "@pose please",
    "@camstate",
    "@camstate a b",
    "@flycam on",
    "@",
};

class MalformedLineTest : public testing::TestWithParam<const char*> {};

TEST_P(MalformedLineTest, StopsWithStatusTwo) {
    TestHost host;
    ASSERT_TRUE(host.Load(&exports));
    const std::string line = GetParam();
    EXPECT_EQ(host.RunScript("@replay\n" + line + "\n@expect never reached\n"), 2);
    EXPECT_EQ(host.Errors().rfind("corvane-sim: test:2: ", 0), 0u) << host.Errors();
    EXPECT_NE(host.Errors().find(": " + line + "\n"), std::string::npos) << host.Errors();
}

INSTANTIATE_TEST_SUITE_P(Lines, MalformedLineTest, testing::ValuesIn(kMalformedLines));

TEST_F(ScriptTest, FrameNeedsAReplayOrAGame) {
    EXPECT_EQ(host.RunScript("@frame 10\n"), 2);
    EXPECT_EQ(host.Errors(), "corvane-sim: test:1: @frame needs a replay or a game: @frame 10\n");
}

TEST_F(ScriptTest, PluginFaultStopsWithStatusThree) {
    EXPECT_EQ(host.RunScript("probe_echo before\nprobe_throw\nprobe_echo after\n"), 3);
    EXPECT_EQ(host.LastLine(), "probe_echo|before");
    EXPECT_NE(host.Errors().find("corvane-sim: test:2: the plugin failed while running: "
                                 "probe_throw\n"),
              std::string::npos);
}

TEST_F(ScriptTest, FaultDuringTicksStopsTheTicks) {
    EXPECT_EQ(host.RunScript("@replay\nprobe_fail pov\n@tick 50\n"), 3);
    EXPECT_EQ(host.GetWorld().TickCount(), 1);
}

TEST_F(ScriptTest, DirectivesDriveTheWorld) {
    const char* script = R"(@replay fps=60
@flycam
@frame 120
probe_state
@expect replay=1 game=0 camera=1 state=CameraState_ReplayFly_TA frame=120 director=120 fps=60 time=2.0000 clock=0.0000 cars=4
@frame 120 7.25
@cars 2
probe_state
@expect replay=1 game=0 camera=1 state=CameraState_ReplayFly_TA frame=120 director=120 fps=60 time=7.2500 clock=0.0000 cars=2
@pause
@tick 30
@play
@tick 6
probe_state
@expect replay=1 game=0 camera=1 state=CameraState_ReplayFly_TA frame=126 director=126 fps=60 time=2.1000 clock=0.6000 cars=2
@camstate CameraState_Custom_TA
probe_state
@expect replay=1 game=0 camera=1 state=CameraState_Custom_TA frame=126 director=126 fps=60 time=2.1000 clock=0.6000 cars=2
@game
@tick
probe_state
@expect replay=0 game=1 camera=1 state=CameraState_Car_TA frame=0 director=1 fps=0 time=0.0000 clock=0.0333 cars=2
@leave
probe_state
@expect replay=0 game=0 camera=0 state= frame=0 director=0 fps=0 time=0.0000 clock=0.0000 cars=0
)";
    EXPECT_EQ(host.RunScript(script), 0) << host.Errors();
}

TEST_F(ScriptTest, PoseIsLoggedWithThreeDecimalsAndWholeRotation) {
    EXPECT_EQ(host.RunScript("@camera 1.5 -2 3.25 100 -200 0 75.5\n"
                             "@pose\n"
                             "@expect pose 1.500 -2.000 3.250 100 -200 0 75.500\n"
                             "@camera -0.0001 0 1e3 0 65536 -1 90\n"
                             "@pose\n"
                             "@expect pose 0.000 0.000 1000.000 0 65536 -1 90.000\n"),
              0)
        << host.Errors();
}

TEST_F(ScriptTest, BallAndCarDirectivesPinAndFree) {
    EXPECT_EQ(host.RunScript("@replay\n@ball 1 2 3\n@car 7 4 5 6\n@cars 8\n@tick 5\n"), 0);
    EXPECT_EQ(host.GetWorld().Ball().location, Vector(1, 2, 3));
    EXPECT_EQ(host.GetWorld().Car(7).location, Vector(4, 5, 6));
    EXPECT_EQ(host.RunScript("@ball free\n@car 7 free\n"), 0);
    EXPECT_NE(host.GetWorld().Ball().location, Vector(1, 2, 3));
    EXPECT_NE(host.GetWorld().Car(7).location, Vector(4, 5, 6));
}

TEST_F(ScriptTest, CanvasDirectiveSetsTheCanvasSize) {
    EXPECT_EQ(host.RunScript("@canvas 800 600\n"), 0);
    EXPECT_EQ(host.GetWorld().GetCanvas().Size(), Vector2(800, 600));
}

TEST_F(ScriptTest, TrackHasARowOnlyForTicksWhereThePluginWroteTheCamera) {
    const std::filesystem::path file = host.DataFolder() / "track.csv";
    {
        Corvane::Host::TrackWriter track(file);
        Corvane::Host::ScriptRunner runner(host.GetSession(), "track");
        runner.SetTrack(&track);
        ASSERT_EQ(runner.Run("@replay\n"
                             "@ball 100 200 300\n"
                             "@tick 2\n"
                             "probe_follow 1\n"
                             "@tick 2\n"
                             "probe_follow 0\n"
                             "@camera 1 1 1 0 0 0 90\n"
                             "@tick 3\n"
                             "@pause\n"
                             "probe_follow 1\n"
                             "@tick\n"),
                  0)
            << host.Errors();
    }
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), "tick,frame,seconds,x,y,z,pitch,yaw,roll,fov\n"
                          "3,3,0.100000,100.000000,-800.000000,600.000000,0,0,0,75.000000\n"
                          "4,4,0.133333,100.000000,-800.000000,600.000000,0,0,0,75.000000\n"
                          "8,7,0.266667,100.000000,-800.000000,600.000000,0,0,0,75.000000\n");
}

} // namespace
