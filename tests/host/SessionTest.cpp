// Loading a plugin, its lifecycle, its configuration and its callbacks, with the probe plugin
// linked into this test; and the configuration file's format.

#include "host/Session.h"

#include <gtest/gtest.h>

#include "host/ConfigFile.h"
#include "host/GameNames.h"
#include "tests/host/ProbePlugin.h"
#include "tests/support/TestHost.h"

namespace {

using Quorvel::Testing::TestHost;
using Lines = std::vector<std::string>;
using namespace Corvane::Host;

TEST(SessionLoadTest, LoadsOnceHandsOverTheHostHandlesAndTogglesTheWindow) {
    TestHost host;
    ASSERT_TRUE(host.Load(&exports));
    EXPECT_EQ(host.Lines(), Lines{"probe loaded"});
    EXPECT_EQ(host.Errors(), ""); // no configuration file yet, and that is no error
    EXPECT_EQ(host.GetSession().WindowMenuName(), "probe");
    auto* plugin = host.GetSession().LoadedPlugin();
    ASSERT_NE(plugin, nullptr);
    EXPECT_EQ(plugin->gameWrapper->GetDataFolder(), host.DataFolder());
    EXPECT_EQ(plugin->cvarManager.get(), host.GetSession().CVarManagerHandle().get());
    EXPECT_EQ(host.GetConsole().CommandPermissions("probe_echo"), 0x40);
    EXPECT_FALSE(host.Load(&exports));
    EXPECT_EQ(host.Errors(), "corvane-sim: plugin refused: a plugin is already loaded\n");
    for (const char* line : {"togglemenu probe", "togglemenu probe", "togglemenu other",
                             "togglemenu", "togglemenu probe"})
        host.Run(line);
    EXPECT_EQ(host.Lines(),
              (Lines{"probe loaded", "window opened", "window closed", "Unknown menu: other",
                     "Usage: togglemenu NAME", "window opened"}));
    EXPECT_TRUE(host.GetSession().WindowOpen());
}

TEST(SessionLoadTest, RefusesABadRecordBeforeAnyOfItRuns) {
    Corvane::Plugin::PluginRecord otherBuild = exports, noDestroy = exports, noName = exports;
    otherBuild.apiBuild = 94;
    noDestroy.destroy = nullptr;
    noName.pluginName = nullptr;
    const std::pair<const Corvane::Plugin::PluginRecord*, const char*> cases[] = {
        {&otherBuild, "it was built against API build 94, the host runs build 95"},
        {&noDestroy, "its record lacks an entry point"},
        {&noName, "its record lacks a name"},
        {nullptr, "there is no plugin record"}};
    for (const auto& [record, reason] : cases) {
        TestHost host;
        EXPECT_EQ(host.GetSession().LoadRecord(record), LoadResult::Refused);
        EXPECT_FALSE(host.GetSession().PluginLoaded());
        EXPECT_TRUE(host.Lines().empty()); // nothing of the plugin ran
        EXPECT_EQ(host.Errors(), std::string("corvane-sim: plugin refused: ") + reason + "\n");
    }
}

TEST(SessionLoadTest, ExceptionFromOnLoadIsAFault) {
    probeThrowInOnLoad = true;
    TestHost host;
    EXPECT_EQ(host.GetSession().LoadRecord(&exports), LoadResult::Faulted);
    probeThrowInOnLoad = false;
    EXPECT_EQ(host.GetSession().GetGuard().FirstFault(),
              "exception escaped from onLoad: probe onLoad failure");
    EXPECT_TRUE(host.GetSession().PluginLoaded()); // still unloaded and destroyed at the end
}

TEST(SessionLoadTest, UnloadForgetsThePluginButNotTheHostCommands) {
    TestHost host;
    ASSERT_TRUE(host.Load(&exports));
    host.EnterReplay();
    host.Unload();
    EXPECT_EQ(host.LastLine(), "probe unloaded");
    host.Run("probe_echo x");
    host.Run("probe_int");
    host.Run("togglemenu probe");
    EXPECT_EQ(Lines(host.Lines().end() - 3, host.Lines().end()),
              (Lines{"Unknown command: probe_echo", "Unknown command: probe_int",
                     "Unknown menu: probe"}));
    EXPECT_EQ(host.GetWorld().GetEvents().HookCount(kReplayUpdatePovEvent), 0);
    EXPECT_EQ(host.GetWorld().GetEvents().DrawableCount(), 0);
    ASSERT_TRUE(host.Load(&exports)); // destroy released the record's owner
}

// --- Configuration ---------------------------------------------------------------------------

TEST(ConfigFileTest, LinesQuoteAndEscapeTheValueAndReadBack) {
    const std::pair<std::string, std::string> cases[] = {{"1", "p \"1\""},
                                                         {"", "p \"\""},
                                                         {"C:\\a \"b\"", "p \"C:\\\\a \\\"b\\\"\""},
                                                         {"two\nlines\r", "p \"two\\nlines\\r\""},
                                                         {"end\\", "p \"end\\\\\""},
                                                         {"#hash", "p \"#hash\""}};
    for (const auto& [value, line] : cases) {
        EXPECT_EQ(FormatConfigLine("p", value), line);
        std::string name, read;
        EXPECT_TRUE(ParseConfigLine(line, name, read)) << line;
        EXPECT_EQ(name + "=" + read, "p=" + value);
    }
    for (const char* line : {"name", "name value", "name \"open", "name \"a\" junk", " \"x\"",
                             "name \"ends with escape\\", "name  \"two spaces\""}) {
        std::string name, value;
        EXPECT_FALSE(ParseConfigLine(line, name, value)) << line;
    }
}

TEST(SessionConfigTest, StoredValuesAreAppliedAfterOnLoadAsChangesAndWrittenAtUnload) {
    TestHost host;
    const std::filesystem::path file = ConfigFilePath(host.DataFolder());
    std::ofstream(file) << "# comment\r\n\nprobe_int \"99\"\r\nbad line\nprobe_follow \"0\"\n"
                           "probe_fail \"draw\"\nsomeone_else \"x y\"\n";
    ASSERT_TRUE(host.Load(&exports));
    // onLoad first; then the stored value, clamped, runs the handlers. probe_follow holds its
    // default and is not set; probe_fail is not saved, so not applied.
    EXPECT_EQ(host.Lines(), (Lines{"probe loaded", "probe_int: 5 -> 20", "probe_int again"}));
    EXPECT_EQ(host.Variable("probe_fail"), "");
    EXPECT_EQ(host.Errors(),
              "corvane-sim: " + file.string() + ":4: unreadable configuration line skipped\n");
    host.Run("probe_int 12");
    host.Run("probe_fail pov");
    host.Unload();
    EXPECT_EQ(ReadText(file), "# Console variables kept by the host between sessions.\n"
                              "probe_fail \"draw\"\n" // a stored entry, kept as it was
                              "probe_follow \"0\"\n"
                              "probe_int \"12\"\n"
                              "someone_else \"x y\"\n");
    EXPECT_FALSE(std::filesystem::exists(file.string() + ".new"));
}

// --- Events, drawables and failures ----------------------------------------------------------

TEST(SessionEventsTest, ReplayEventsRegisterAndRemoveTheDrawableThatProjectsTheBall) {
    TestHost host;
    ASSERT_TRUE(host.Load(&exports));
    host.EnterReplay();
    EXPECT_EQ(host.LastLine(), "event InitGame");
    host.SetCamera({0, -6000, 500}, {0, 16384, 0}, 90); // looking along +Y at the field
    host.GetWorld().PinBall({0, 0, 500});
    host.Tick();
    ASSERT_EQ(host.CanvasCalls().size(), 5u);
    EXPECT_EQ(host.CanvasCalls()[2].text, "ball");
    EXPECT_EQ(host.CanvasCalls()[2].color, (CanvasColor{255, 128, 0, 200}));
    ASSERT_EQ(host.Projections().size(), 1u);
    EXPECT_EQ(host.Projections()[0].screen, Vector2(640, 360));
    EXPECT_TRUE(host.Projections()[0].inFront);
    host.Leave();
    EXPECT_EQ(host.LastLine(), "event Destroyed");
    host.Tick();
    EXPECT_TRUE(host.CanvasCalls().empty());
}

TEST(SessionFaultTest, EscapedExceptionsAndEndlessNestingAreContainedAndReported) {
    TestHost host;
    ASSERT_TRUE(host.Load(&exports));
    host.EnterReplay();
    for (const char* line : {"probe_throw", "probe_recurse", "probe_fail change", "probe_int 3",
                             "probe_fail pov", "@tick", "probe_fail draw", "@tick"}) {
        if (line == std::string("@tick"))
            host.Tick();
        else
            host.Run(line);
    }
    EXPECT_EQ(host.Errors(),
              "corvane-sim: exception escaped from the notifier probe_throw: probe failure\n"
              "corvane-sim: console calls nested deeper than 64 levels while running "
              "\"probe_recurse\"\n"
              "corvane-sim: exception escaped from the value-changed handler of probe_int: "
              "probe change failure\n"
              "corvane-sim: exception escaped from the hook of "
              "Function TAGame.CameraState_Replay_TA.UpdatePOV: probe pov failure\n"
              "corvane-sim: exception escaped from a drawable: probe draw failure\n");
    host.Run("probe_echo still here"); // the host goes on working
    EXPECT_EQ(host.LastLine(), "probe_echo|still|here");
}

} // namespace
