// corvane-sim as a whole: loading plugin modules with dlopen, the command line, exit statuses
// and what goes to standard output.

#include "host/Program.h"

#include <gtest/gtest.h>

#include "host/DataFolder.h"
#include "tests/host/ProbePlugin.h"

namespace {

const std::string kProbeModule = CORVANE_PROBE_MODULE;
const std::string kNoRecordModule = CORVANE_NO_RECORD_MODULE;

class ProgramTest : public testing::Test {
protected:
    void TearDown() override { std::filesystem::remove_all(folder); }

    int Run(const std::string& script, std::vector<std::string> extra = {}) {
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
    std::filesystem::path scriptFile = folder / "session.script";
    std::string out, err;
};

TEST_F(ProgramTest, StandardOutputCarriesExactlyTheLoggedLinesAndTheTrackIsWritten) {
    const std::filesystem::path track = folder / "track.csv";
    EXPECT_EQ(Run("probe_echo \"two  spaces\"\n@camera 1 2 3 4 5 6 7\n@pose\nunknown_thing\n"
                  "@replay\n@ball 0 0 0\nprobe_follow 1\n@tick\n",
                  {"--track", track.string()}),
              0);
    EXPECT_EQ(out, "probe loaded\n"
                   "probe_echo|two  spaces\n"
                   "pose 1.000 2.000 3.000 4 5 6 7.000\n"
                   "Unknown command: unknown_thing\n"
                   "event InitGame\n"
                   "probe unloaded\n");
    EXPECT_EQ(err, "");
    EXPECT_EQ(ReadText(track), "tick,frame,seconds,x,y,z,pitch,yaw,roll,fov\n"
                               "1,1,0.033333,0.000000,-1000.000000,300.000000,0,0,0,75.000000\n");
    EXPECT_TRUE(std::filesystem::exists(folder / "data" / "config.cfg"));
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

TEST_F(ProgramTest, CommandLineMistakesExitWithStatusTwo) {
    const std::string script = scriptFile.string();
    std::ofstream(script) << "\n";
    const std::pair<std::vector<std::string>, const char*> mistakes[] = {
        {{}, "usage:"},
        {{"walk"}, "unknown command walk"},
        {{"run"}, "usage:"},
        {{"run", script, "--data"}, "usage:"},
        {{"run", script, "--colour", "red"}, "usage:"},
        {{"run", (folder / "missing.script").string()}, "cannot read the script"},
        {{"run", script, "--plugin", kProbeModule, "--track", "/nonexistent/t.csv"},
         "cannot write the track file"},
        {{"run", script, "--plugin", "/nonexistent/plugin.so"},
         "plugin refused: cannot load /nonexistent/plugin.so: "},
        {{"run", script, "--plugin", kNoRecordModule},
         "it exports no plugin record named \"exports\""},
        {{"demo", "--out"}, "usage:"},
    };
    for (const auto& [arguments, error] : mistakes) {
        EXPECT_EQ(RunCaptured(arguments), 2) << testing::PrintToString(arguments);
        EXPECT_EQ(out, "");
        EXPECT_NE(err.find(error), std::string::npos) << err;
    }
}

TEST_F(ProgramTest, AConfigurationFileThatCannotBeWrittenIsOneLineAndAFailure) {
    const std::filesystem::path config = folder / "data" / "config.cfg";
    std::filesystem::create_directories(config); // a folder where the file should go
    const std::string line =
        "corvane-sim: cannot write the configuration file " + config.string() + ": ";
    const std::pair<const char*, int> runs[] = {
        {"probe_echo x\n", 2},
        {"probe_echo x\n@expect y\n", 1}, // the first failure names the status
    };
    for (const auto& [script, status] : runs) {
        EXPECT_EQ(Run(script), status) << script;
        const size_t at = err.find(line);
        ASSERT_NE(at, std::string::npos) << err;
        EXPECT_EQ(err.find('\n', at), err.size() - 1) << err; // the line ends the output
    }
}

TEST_F(ProgramTest, HelpListsEveryCommandAndCvarlistEveryVariableInNameOrder) {
    EXPECT_EQ(Run("probe_int 7\nhelp\ncvarlist\n"), 0) << err;
    EXPECT_EQ(out, "probe loaded\n"
                   "probe_int: 5 -> 7\n"
                   "probe_int again\n"
                   "cvarlist - List every variable with its value\n"
                   "help - List every command, or describe one command or variable: help [NAME]\n"
                   "probe_echo - probe_echo\n"
                   "probe_recurse - probe_recurse\n"
                   "probe_state - probe_state\n"
                   "probe_throw - probe_throw\n"
                   "togglemenu - Open or close a plugin's window: togglemenu NAME\n"
                   "probe_fail = \n"
                   "probe_follow = 0\n"
                   "probe_int = 7\n"
                   "probe unloaded\n");
}

} // namespace
