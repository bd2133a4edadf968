// corvane-sim as a whole: loading plugin modules with dlopen, the command line, exit
// statuses and what goes to standard output.

#include "host/Program.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "host/DataFolder.h"
#include "tests/support/TestHost.h"

namespace {

using Quorvel::Testing::TestHost;

const std::string kProbeModule = CORVANE_PROBE_MODULE;
const std::string kNoRecordModule = CORVANE_NO_RECORD_MODULE;

TEST(ModuleLoadTest, LoadsAPluginModuleByPath) {
    TestHost host;
    ASSERT_TRUE(host.Load(std::filesystem::path(kProbeModule))) << host.Errors();
    EXPECT_EQ(host.LastLine(), "probe loaded");
    host.EnterReplay();
    host.Tick();
    EXPECT_EQ(host.CanvasCalls().size(), 5u); // the module's drawable drew on this world
    host.Unload();
    EXPECT_EQ(host.LastLine(), "probe unloaded");
    ASSERT_TRUE(host.Load(std::filesystem::path(kProbeModule))); // and again
}

TEST(ModuleLoadTest, RefusesAMissingFile) {
    TestHost host;
    EXPECT_FALSE(host.Load(std::filesystem::path("/nonexistent/plugin.so")));
    EXPECT_EQ(
        host.Errors().rfind("corvane-sim: plugin refused: cannot load /nonexistent/plugin.so: ", 0),
        0u);
}

TEST(ModuleLoadTest, RefusesALibraryWithoutAPluginRecord) {
    TestHost host;
    EXPECT_FALSE(host.Load(std::filesystem::path(kNoRecordModule)));
    EXPECT_NE(host.Errors().find("exports no plugin record named \"exports\""), std::string::npos);
}

class ProgramTest : public testing::Test {
protected:
    void TearDown() override { std::filesystem::remove_all(folder); }

    int Run(const std::string& script, std::vector<std::string> extra = {}) {
        const std::filesystem::path scriptFile = folder / "session.script";
        std::ofstream(scriptFile) << script;
        std::vector<std::string> arguments = {"run",      scriptFile.string(),
                                              "--data",   (folder / "data").string(),
                                              "--plugin", kProbeModule};
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        return RunCaptured(arguments);
    }
    int RunCaptured(const std::vector<std::string>& arguments) {
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        const int status = Corvane::Host::RunProgram(arguments);
        out = testing::internal::GetCapturedStdout();
        err = testing::internal::GetCapturedStderr();
        return status;
    }

    std::filesystem::path folder = Corvane::Host::MakeTemporaryFolder("program-test");
    std::string out, err;
};

TEST_F(ProgramTest, StandardOutputCarriesExactlyTheLoggedLines) {
    EXPECT_EQ(Run("probe_echo \"two  spaces\"\nprobe_int\n@camera 1 2 3 4 5 6 7\n@pose\n"
                  "unknown_thing\n"),
              0);
    EXPECT_EQ(out, "probe loaded\n"
                   "probe_echo|two  spaces\n"
                   "probe_int = 5\n"
                   "pose 1.000 2.000 3.000 4 5 6 7.000\n"
                   "Unknown command: unknown_thing\n"
                   "probe unloaded\n");
    EXPECT_EQ(err, "");
}

TEST_F(ProgramTest, ExitStatusNamesHowTheRunEnded) {
    EXPECT_EQ(Run("probe_echo x\n@expect probe_echo|y\n"), 1);
    EXPECT_NE(err.find("session.script:2: @expect failed"), std::string::npos);
    EXPECT_EQ(Run("@warp 9\n"), 2);
    EXPECT_NE(err.find("session.script:1: unknown directive @warp: @warp 9"), std::string::npos);
    EXPECT_EQ(Run("probe_throw\n"), 3);
    EXPECT_NE(err.find("session.script:1: the plugin failed while running: probe_throw"),
              std::string::npos);
    EXPECT_EQ(out, "probe loaded\nprobe unloaded\n"); // the session still ends cleanly
}

TEST_F(ProgramTest, ConfigurationPersistsBetweenRuns) {
    EXPECT_EQ(Run("probe_int 11\n"), 0);
    EXPECT_EQ(Run("probe_int\n@expect probe_int = 11\n"), 0) << err;
    EXPECT_EQ(out, "probe loaded\nprobe_int: 5 -> 11\nprobe_int again\nprobe_int = 11\n"
                   "probe unloaded\n");
}

TEST_F(ProgramTest, TrackOptionWritesTheTrack) {
    const std::filesystem::path track = folder / "track.csv";
    EXPECT_EQ(Run("@replay\n@tick\nprobe_follow 1\n@tick\n", {"--track", track.string()}), 0);
    std::ifstream in(track);
    std::string header, row, rest;
    std::getline(in, header);
    std::getline(in, row);
    EXPECT_EQ(header, "tick,frame,seconds,x,y,z,pitch,yaw,roll,fov");
    EXPECT_EQ(row.rfind("2,2,0.066667,", 0), 0u) << row;
    EXPECT_FALSE(std::getline(in, rest));
}

TEST_F(ProgramTest, CommandLineMistakesExitWithStatusTwo) {
    const std::string script = (folder / "s.script").string();
    std::ofstream(script) << "\n";
    const std::vector<std::vector<std::string>> mistakes = {
        {},
        {"walk"},
        {"run"},
        {"run", script, "--data"},
        {"run", script, "--colour", "red"},
        {"run", (folder / "missing.script").string()},
        {"run", script, "--plugin", kProbeModule, "--track", "/nonexistent/dir/t.csv"},
        {"run", script, "--plugin", "/nonexistent/plugin.so"},
        {"run", script, "--plugin", kNoRecordModule},
        {"demo", "--out"},
    };
    for (const auto& arguments : mistakes) {
        EXPECT_EQ(RunCaptured(arguments), 2) << testing::PrintToString(arguments);
        EXPECT_EQ(out, "");
        EXPECT_NE(err, "");
    }
}

} // namespace
