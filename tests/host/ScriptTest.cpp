// Session scripts run against the probe plugin: parsing, failures and the track. The
// directives' effects are walked through in tests/sessions/host_directives.script, a failed
// @expect in host_failed_expect.script.

#include "host/ScriptRunner.h"

#include <gtest/gtest.h>

#include "host/TrackWriter.h"
#include "tests/host/ProbePlugin.h"
#include "tests/support/TestHost.h"

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

TEST_F(ScriptTest, CommentsAndBlankLinesAreSkippedAndTheRestIsTyped) {
    EXPECT_EQ(host.RunScript("# probe_echo commented\n"
                             "\n"
                             "   \t\n"
                             "  # probe_echo indented comment\n"
                             "   probe_echo   indented\r\n"
                             "@expect probe_echo|indented\r\n"
                             "probe_echo a \"b c\" \"\" # not a comment\n"),
              0);
    EXPECT_EQ(host.Lines(), (Lines{"probe_echo|indented", "probe_echo|a|b c||#|not|a|comment"}));
}

TEST(ScriptEndTest, RunStopsAtTheFirstFailingLineNamingItWithItsStatus) {
    const struct {
        bool load;
        const char* script;
        int status;
        const char* errors;
    } cases[] = {
        {true, "probe_fail\n@expect probe_fail = \n", 0, ""},
        {false, "@expect \n", 1,
         "test:1: @expect failed: expected \"\", but nothing was logged yet\n"},
        {true, "@replay\n# comment\n@bogus 1 2\nprobe_echo never\n", 2,
         "test:3: unknown directive @bogus: @bogus 1 2\n"},
        {true, "@frame 10\nprobe_echo never\n", 2,
         "test:1: @frame needs a replay or a game: @frame 10\n"},
        {true, "probe_echo before\nprobe_throw\nprobe_echo never\n", 3,
         "exception escaped from the notifier probe_throw: probe failure\n"
         "corvane-sim: test:2: the plugin failed while running: probe_throw\n"},
        {true, "@replay\nprobe_fail pov\n@tick 50\n", 3, // one failing tick, not fifty
         "exception escaped from the hook of Function TAGame.CameraState_Replay_TA.UpdatePOV: "
         "probe pov failure\ncorvane-sim: test:3: the plugin failed while running: @tick 50\n"},
    };
    for (const auto& c : cases) {
        TestHost host;
        ASSERT_TRUE(!c.load || host.Load(&exports));
        EXPECT_EQ(host.RunScript(c.script), c.status) << c.script;
        EXPECT_EQ(host.Errors(), *c.errors ? std::string("corvane-sim: ") + c.errors : "");
        for (const std::string& line : host.Lines())
            EXPECT_EQ(line.find("never"), std::string::npos) << c.script;
    }
}

TEST(ScriptEndTest, AMalformedDirectiveStopsWithStatusTwoNamingTheLine) {
    // clang-format off
    const char* const lines[] = {
        "@replay fps=abc", "@replay 30", "@replay fps=1001", "@replay frames=-1",
        "@replay fps=30 frames=9 x", "@camera 1 2 3", "@camera 1 2 3 1.5 0 0 90",
        "@camera 1 2 3 0 0 0 inf", "@frame", "@frame -1", "@frame 5 abc", "@tick -1", "@tick 2.5",
        "@ball 1 2", "@ball free now", "@car 8 0 0 0", "@car 0", "@cars 9", "@canvas 0 10",
        "@leave now", "@camstate", "@", "@mouse 1", "@mouse 1 inf", "@down 3", "@up", "@down left",
        "@wheel", "@wheel 1 2", "@click", "@click Nothing here", "@drag Probe 1", "@drag 1 2",
        "@drag Probe 1 x", "@drag Probe 10 20", "@type Probe", "@type = 5", "@type Probe=5",
        "@type Nothing = 5", "@key", "@key Ctrl+", "@key ctrl+z", "@key Z+Z", "@key Ctrl Z",
    };
    // clang-format on
    for (const char* line : lines) {
        TestHost host;
        ASSERT_TRUE(host.Load(&exports));
        EXPECT_EQ(host.RunScript(std::string("@replay\n") + line + "\n@expect never reached\n"), 2)
            << line;
        EXPECT_EQ(host.Errors().rfind("corvane-sim: test:2: ", 0), 0u) << host.Errors();
        EXPECT_NE(host.Errors().find(std::string(": ") + line + "\n"), std::string::npos)
            << host.Errors();
    }
}

// @cars and @canvas are checked in host_directives.script and host_pointer.script.
TEST_F(ScriptTest, PinsReachTheWorldUntilFreed) {
    EXPECT_EQ(host.RunScript("@replay\n@ball 1 2 3\n@car 7 4 5 6\n@cars 8\n@tick 5\n"), 0);
    EXPECT_EQ(host.GetWorld().Ball().location, Vector(1, 2, 3));
    EXPECT_EQ(host.GetWorld().Car(7).location, Vector(4, 5, 6));
    EXPECT_EQ(host.RunScript("@ball free\n@car 7 free\n"), 0);
    EXPECT_NE(host.GetWorld().Ball().location, Vector(1, 2, 3));
    EXPECT_NE(host.GetWorld().Car(7).location, Vector(4, 5, 6));
}

TEST_F(ScriptTest, TrackHasARowOnlyForTicksWhereThePluginWroteTheCamera) {
    const std::filesystem::path file = host.DataFolder() / "track.csv";
    {
        Corvane::Host::TrackWriter track(file);
        Corvane::Host::ScriptRunner runner(host.GetSession(), "track");
        runner.SetTrack(&track);
        ASSERT_EQ(runner.Run("@replay\n@ball 100 200 300\n@tick 2\nprobe_follow 1\n@tick 2\n"
                             "probe_follow 0\n@camera 1 1 1 0 0 0 90\n@tick 3\n"
                             "@pause\nprobe_follow 1\n@tick\n"),
                  0)
            << host.Errors();
    }
    EXPECT_EQ(ReadText(file), "tick,frame,seconds,x,y,z,pitch,yaw,roll,fov\n"
                              "3,3,0.100000,100.000000,-800.000000,600.000000,0,0,0,75.000000\n"
                              "4,4,0.133333,100.000000,-800.000000,600.000000,0,0,0,75.000000\n"
                              "8,7,0.266667,100.000000,-800.000000,600.000000,0,0,0,75.000000\n");
}

} // namespace
