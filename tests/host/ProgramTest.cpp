// corvane-sim as a whole: loading plugin modules with dlopen, the command line, exit statuses
// and what goes to standard output.

#include "host/Program.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "host/DataFolder.h"
#include "tests/host/ProbePlugin.h"

namespace {

const std::string kProbeModule = CORVANE_PROBE_MODULE;
const std::string kNoRecordModule = CORVANE_NO_RECORD_MODULE;
const std::string kPluginModule = QUORVEL_PLUGIN_MODULE;

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

// Status 1, a failed @expect, is host_failed_expect.script's.
TEST_F(ProgramTest, ExitStatusNamesHowTheRunEnded) {
    EXPECT_EQ(Run("@warp 9\n"), 2);
    EXPECT_NE(err.find("session.script:1: unknown directive @warp: @warp 9"), std::string::npos);
    EXPECT_EQ(Run("probe_throw\n"), 3);
    EXPECT_NE(err.find("session.script:1: the plugin failed while running: probe_throw"),
              std::string::npos);
    EXPECT_EQ(out, "probe loaded\nprobe unloaded\n"); // the session still ends cleanly
}

TEST_F(ProgramTest, CommandLineMistakesAreOneLineAndExitWithStatusTwo) {
    const std::string script = scriptFile.string();
    std::ofstream(script) << "\n";
    const std::pair<std::vector<std::string>, std::string> mistakes[] = {
        {{}, "corvane-sim: missing command"},
        {{"walk"}, "corvane-sim: unknown command walk"},
        {{"run"}, "corvane-sim run: missing SCRIPT"},
        {{"run", script, "--data", "--plugin", kProbeModule},
         "corvane-sim run: missing value after --data"},
        {{"run", script, "--data", ""}, "corvane-sim run: missing value after --data"},
        {{"run", script, "--bogus"}, "corvane-sim run: unknown option --bogus"},
        {{"run", script, "extra"}, "corvane-sim run: unexpected argument extra"},
        {{"run", script, "--data", script},
         "corvane-sim run: data folder: " + script + " is not a folder"},
        {{"run", script, "--data", script + "/below"},
         "corvane-sim run: data folder: cannot create the folder " + script + "/below: "},
        {{"run", (folder / "missing.script").string()}, "corvane-sim run: cannot read the script"},
        {{"run", script, "--plugin", kProbeModule, "--track", "/nonexistent/t.csv"},
         "corvane-sim: cannot write the track file"},
        {{"run", script, "--plugin", "/nonexistent/plugin.so"},
         "corvane-sim: plugin refused: cannot load /nonexistent/plugin.so: "},
        {{"run", script, "--plugin", kNoRecordModule},
         "corvane-sim: plugin refused: cannot load " + kNoRecordModule +
             ": it exports no plugin record named \"exports\""},
        {{"demo", "--out"}, "corvane-sim demo: missing value after --out"},
        {{"sample"}, "corvane-sim sample: missing PATH.json"},
        {{"sample", "p.json", "--csv"}, "corvane-sim sample: missing value after --csv"},
        {{"sample", "p.json", "--speed-norm", "on"}, "corvane-sim sample: unexpected argument on"},
        {{"sample", "p.json", "--location-mode", "8"},
         "corvane-sim sample: --location-mode takes a whole number from 0 to 7, not 8"},
        {{"sample", "p.json", "--rotation-mode", "-1"},
         "corvane-sim sample: --rotation-mode takes a whole number from 0 to 7, not -1"},
        {{"sample", "p.json", "--chaikin", "21"},
         "corvane-sim sample: --chaikin takes a whole number from 0 to 20, not 21"},
        {{"sample", "p.json", "--location-mode", "2.5"},
         "corvane-sim sample: --location-mode takes a whole number from 0 to 7, not 2.5"},
        {{"sample", "p.json", "--chaikin", "99999999999"},
         "corvane-sim sample: --chaikin takes a whole number from 0 to 20, not 99999999999"},
    };
    for (const auto& [arguments, error] : mistakes) {
        EXPECT_EQ(RunCaptured(arguments), 2) << testing::PrintToString(arguments);
        EXPECT_EQ(out, "");
        EXPECT_EQ(err.find(error), 0u) << err;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    }
    EXPECT_EQ(RunCaptured({"--help"}), 0);
    EXPECT_EQ(out.find("usage: corvane-sim run SCRIPT"), 0u) << out;
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

TEST_F(ProgramTest, EchoShowsEachConsoleLineBeforeItsAnswerWithoutChangingTheLastLine) {
    const std::string script = "probe_echo a\n"
                               "  probe_follow 1\n" // answers nothing
                               "@expect probe_echo|a\n"
                               "# a comment\n"
                               "@pose\n"
                               "nothing_here\n";
    EXPECT_EQ(Run(script, {"--echo"}), 0) << err;
    EXPECT_EQ(out, "probe loaded\n"
                   "] probe_echo a\n"
                   "probe_echo|a\n"
                   "] probe_follow 1\n"
                   "pose 0.000 0.000 0.000 0 0 0 90.000\n"
                   "] nothing_here\n"
                   "Unknown command: nothing_here\n"
                   "probe unloaded\n");
    EXPECT_EQ(Run(script), 0);
    EXPECT_EQ(out.find("] "), std::string::npos) << out;
}

// Each module keeps its copy of Dear ImGui to itself: neither a plugin nor the host's library
// (which the plugins load with them) exports an ImGui symbol, so a plugin's calls are never
// bound to the host's copy, whose current context is its own business.
TEST(ModuleSymbolTest, NoModuleExportsImGui) {
    for (const std::string& module : {kPluginModule, kProbeModule}) {
        void* handle = dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(handle, nullptr) << dlerror();
        for (const char* symbol :
             {"GImGui", "_ZN5ImGui8NewFrameEv", "_ZN5ImGui17SetCurrentContextEP12ImGuiContext"})
            EXPECT_EQ(dlsym(handle, symbol), nullptr) << module << " exports " << symbol;
        dlclose(handle);
    }
}

TEST_F(ProgramTest, ThePluginModuleDrawsIntoTheHostsFramesWithItsOwnCopyOfImGui) {
    std::ofstream(scriptFile) << "togglemenu dollycam\n@replay\n@flycam\n@mouse 300 200\n"
                                 "@down 0\n@tick 2\n@up 0\n@tick\n@shot frame.png\n";
    EXPECT_EQ(RunCaptured({"run", scriptFile.string(), "--data", (folder / "data").string(),
                           "--plugin", kPluginModule}),
              0)
        << err;
    EXPECT_TRUE(std::filesystem::exists(folder / "data" / "frame.png"));
}

// sample against the plugin itself: it must take and refuse what the plugin's console does.
class SampleProgramTest : public ProgramTest {
protected:
    // What the console logs for dolly_path_load on the file.
    std::string ConsoleLoadLine(const std::filesystem::path& file) {
        std::ofstream(scriptFile) << "dolly_path_load \"" << file.string() << "\"\n";
        RunCaptured({"run", scriptFile.string(), "--data", (folder / "data").string(), "--plugin",
                     kPluginModule});
        return out;
    }
    int Sample(const std::filesystem::path& file, std::vector<std::string> extra = {}) {
        std::vector<std::string> arguments = {"sample", file.string(), "--plugin", kPluginModule};
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        return RunCaptured(arguments);
    }
};

// One waypoint object at frame F, x = X, time T (seconds).
std::string Waypoint(int frame, float x, float time) {
    std::ostringstream text;
    text << "{\"frame\": " << frame << ", \"timestamp\": " << time
         << ", \"FOV\": 90, \"weight\": 1, \"location\": {\"x\": " << x
         << ", \"y\": 0, \"z\": 0}, \"rotation\": {\"pitch\": 0, \"yaw\": 0, \"roll\": 0}}";
    return text.str();
}

TEST_F(SampleProgramTest, RefusesAFileWithTheLineTheConsoleLogsForIt) {
    const std::pair<const char*, std::string> files[] = {
        {"broken.json", "{\n  \"0\": {\"frame\": 0,\n  \"timestamp\": 0.0 x\n}\n"},
        {"missing.json", "{\"0\": {\"frame\": 0}}"},
        {"absent.json", ""}, // not written
    };
    for (const auto& [name, text] : files) {
        const std::filesystem::path file = folder / name;
        if (!text.empty())
            std::ofstream(file) << text;
        const std::string console = ConsoleLoadLine(file);
        ASSERT_NE(console, "") << name;
        EXPECT_EQ(Sample(file), 2) << name;
        EXPECT_EQ(err, "corvane-sim sample: " + console);
        EXPECT_EQ(out, "");
    }
}

TEST_F(SampleProgramTest, PlaysAPathThatStartsBeforeFrameZeroFromFrameZero) {
    const std::filesystem::path file = folder / "early.json";
    std::ofstream(file) << "{\"-30\": " << Waypoint(-30, 0, 0)
                        << ", \"30\": " << Waypoint(30, 600, 2) << "}";
    const std::filesystem::path csv = folder / "early.csv";
    ASSERT_EQ(Sample(file, {"--location-mode", "0", "--csv", csv.string()}), 0) << err;
    const std::string track = ReadText(csv);
    // Frame 0 is halfway along the first segment; every later frame up to the last follows.
    EXPECT_NE(track.find("\n1,0,0.033333,300.000000,0.000000,0.000000,0,0,0,90.000000\n"),
              std::string::npos)
        << track;
    EXPECT_NE(track.find("\n30,29,1.000000,590.000000,"), std::string::npos) << track;
}

} // namespace
