// Loading a plugin, its lifecycle, its configuration and its callbacks, with the probe
// plugin linked into this test.

#include "host/Session.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "host/ConfigFile.h"
#include "host/DataFolder.h"
#include "host/GameNames.h"
#include "tests/host/ProbePlugin.h"
#include "tests/support/TestHost.h"

extern "C" const Corvane::Plugin::PluginRecord exports;

namespace {

using Quorvel::Testing::TestHost;
using Lines = std::vector<std::string>;

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

std::string ReadFile(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(SessionLoadTest, LoadsCallsOnLoadAndHandsOverTheHostHandles) {
    TestHost host;
    ASSERT_TRUE(host.Load(&exports));
    EXPECT_EQ(host.Lines(), Lines{"probe loaded"});
    EXPECT_NE(host.GetSession().LoadedWindow(), nullptr);
    EXPECT_EQ(host.GetSession().WindowMenuName(), "probe");
    auto* plugin = host.GetSession().LoadedPlugin();
    ASSERT_NE(plugin, nullptr);
    EXPECT_EQ(plugin->gameWrapper->GetDataFolder(), host.DataFolder());
    EXPECT_EQ(plugin->cvarManager.get(), host.GetSession().CVarManagerHandle().get());
    EXPECT_EQ(host.Variable("probe_int"), "5");
    EXPECT_EQ(host.GetConsole().CommandPermissions("probe_run"), 0x40);
}

TEST(SessionLoadTest, RefusesARecordBuiltAgainstAnotherApiBuild) {
    Corvane::Plugin::PluginRecord record = exports;
    record.apiBuild = 94;
    TestHost host;
    EXPECT_EQ(host.GetSession().LoadRecord(&record), Corvane::Host::LoadResult::Refused);
    EXPECT_FALSE(host.GetSession().PluginLoaded());
    EXPECT_TRUE(host.Lines().empty()); // nothing of the plugin ran
    EXPECT_EQ(host.Errors(), "corvane-sim: plugin refused: it was built against API build 94, "
                             "the host runs build 95\n");
}

TEST(SessionLoadTest, RefusesARecordWithAMissingEntryOrName) {
    Corvane::Plugin::PluginRecord noDestroy = exports;
    noDestroy.destroy = nullptr;
    Corvane::Plugin::PluginRecord noName = exports;
    noName.pluginName = nullptr;
    for (const auto* record : {&noDestroy, &noName, static_cast<decltype(&noName)>(nullptr)}) {
        TestHost host;
        EXPECT_FALSE(host.Load(record));
        EXPECT_TRUE(Contains(host.Errors(), "plugin refused"));
        EXPECT_TRUE(host.Lines().empty());
    }
}

TEST(SessionLoadTest, SecondPluginIsRefusedWhileOneIsLoaded) {
    TestHost host;
    ASSERT_TRUE(host.Load(&exports));
    EXPECT_FALSE(host.Load(&exports));
    EXPECT_TRUE(Contains(host.Errors(), "a plugin is already loaded"));
}

TEST(SessionLoadTest, ExceptionFromOnLoadIsAFault) {
    ProbeOptions::throwInOnLoad = true;
    TestHost host;
    EXPECT_EQ(host.GetSession().LoadRecord(&exports), Corvane::Host::LoadResult::Faulted);
    ProbeOptions::throwInOnLoad = false;
    EXPECT_TRUE(host.Faulted());
    EXPECT_EQ(host.GetSession().GetGuard().FirstFault(),
              "exception escaped from onLoad: probe onLoad failure");
    EXPECT_TRUE(host.GetSession().PluginLoaded()); // still unloaded and destroyed at the end
}

TEST(SessionLoadTest, UnloadCallsOnUnloadAndForgetsThePlugin) {
    TestHost host;
    ASSERT_TRUE(host.Load(&exports));
    host.EnterReplay();
    host.Unload();
    EXPECT_EQ(host.LastLine(), "probe unloaded");
    host.Run("probe_echo x");
    EXPECT_EQ(host.LastLine(), "Unknown command: probe_echo");
    host.Run("probe_int");
    EXPECT_EQ(host.LastLine(), "Unknown command: probe_int");
    EXPECT_EQ(host.GetWorld().GetEvents().HookCount(Corvane::Host::kReplayUpdatePovEvent), 0);
    EXPECT_EQ(host.GetWorld().GetEvents().DrawableCount(), 0);
    // Loading again after an unload works: the record's owner was released by destroy.
    ASSERT_TRUE(host.Load(&exports));
    EXPECT_EQ(host.LastLine(), "probe loaded");
}

// --- Configuration ---------------------------------------------------------------------------

class SessionConfigTest : public testing::Test {
protected:
    void TearDown() override { std::filesystem::remove_all(folder); }
    std::filesystem::path folder = Corvane::Host::MakeTemporaryFolder("session-config");
};

TEST_F(SessionConfigTest, SavedVariablesAreWrittenAtUnload) {
    {
        TestHost host(folder);
        ASSERT_TRUE(host.Load(&exports));
        host.Run("probe_int 12");
        host.Run("probe_text \"C:\\my \"\"paths\"");
        host.Run("probe_fail nowhere"); // not saved to the configuration
    }
    EXPECT_EQ(ReadFile(folder / "config.cfg"),
              "# Console variables kept by the host between sessions.\n"
              "probe_flag \"1\"\n"
              "probe_follow \"0\"\n"
              "probe_int \"12\"\n"
              "probe_ratio \"0.5\"\n"
              "probe_text \"C:\\\\my paths\"\n");
}

TEST_F(SessionConfigTest, StoredValuesAreAppliedAfterOnLoadAsChanges) {
    {
        TestHost host(folder);
        ASSERT_TRUE(host.Load(&exports));
        host.Run("probe_int 12");
        host.Run("probe_text \"a b\"");
    }
    TestHost host(folder);
    ASSERT_TRUE(host.Load(&exports));
    // onLoad first, then the stored value runs the handlers; probe_flag and the others hold
    // their defaults and are not set.
    EXPECT_EQ(host.Lines(), (Lines{"probe loaded", "probe_int: 5 -> 12", "probe_int again"}));
    EXPECT_EQ(host.Variable("probe_int"), "12");
    EXPECT_EQ(host.Variable("probe_text"), "a b");
}

TEST_F(SessionConfigTest, StoredValuesAreClampedAndUnknownNamesKept) {
    Corvane::Host::ConfigEntries stored = {
        {"probe_int", "99"}, {"probe_flag", "1"}, {"someone_else", "x y"}, {"probe_fail", "draw"}};
    std::ostringstream errors;
    ASSERT_TRUE(Corvane::Host::WriteConfigFile(folder / "config.cfg", stored, errors));
    {
        TestHost host(folder);
        ASSERT_TRUE(host.Load(&exports));
        EXPECT_EQ(host.Variable("probe_int"), "20");
        EXPECT_EQ(host.Variable("probe_fail"), ""); // registered without save-to-config
        EXPECT_EQ(host.Lines(), (Lines{"probe loaded", "probe_int: 5 -> 20", "probe_int again"}));
    }
    const std::string written = ReadFile(folder / "config.cfg");
    EXPECT_TRUE(Contains(written, "someone_else \"x y\"\n"));
    EXPECT_TRUE(Contains(written, "probe_int \"20\"\n"));
}

// --- Events, drawables and the window ------------------------------------------------------------

TEST(SessionEventsTest, ReplayEventsRegisterAndRemoveTheDrawable) {
    TestHost host;
    ASSERT_TRUE(host.Load(&exports));
    host.EnterReplay();
    EXPECT_EQ(host.LastLine(), "event InitGame");
    host.Tick();
    const auto& calls = host.CanvasCalls();
    ASSERT_EQ(calls.size(), 5u);
    EXPECT_EQ(calls[0].kind, Corvane::Host::CanvasCallKind::SetColor);
    EXPECT_EQ(calls[2].text, "ball");
    EXPECT_EQ(calls[2].color, (Corvane::Host::CanvasColor{255, 128, 0, 200}));
    EXPECT_TRUE(calls[3].hasWidth);
    EXPECT_EQ(calls[3].start, Vector2(960, 540));
    ASSERT_EQ(host.Projections().size(), 1u);
    EXPECT_EQ(host.Projections()[0].point, host.GetWorld().Ball().location);
    host.Leave();
    EXPECT_EQ(host.LastLine(), "event Destroyed");
    host.Tick();
    EXPECT_TRUE(host.CanvasCalls().empty());
}

TEST(SessionEventsTest, BallProjectionFollowsTheBall) {
    TestHost host;
    ASSERT_TRUE(host.Load(&exports));
    host.EnterReplay();
    host.SetCamera({0, -6000, 500}, {0, 16384, 0}, 90); // looking along +Y at the field
    host.GetWorld().PinBall({0, 0, 500});
    host.Tick();
    EXPECT_EQ(host.Projections()[0].screen, Vector2(960, 540));
    EXPECT_TRUE(host.Projections()[0].inFront);
    host.GetWorld().PinBall({0, -7000, 500}); // behind the camera
    host.Tick();
    EXPECT_FALSE(host.Projections()[0].inFront);
}

TEST(SessionEventsTest, PluginSeesTheWorldThroughItsWrappers) {
    TestHost host;
    ASSERT_TRUE(host.Load(&exports));
    host.Run("probe_state");
    EXPECT_EQ(host.LastLine(), "replay=0 game=0 camera=0 state= frame=0 director=0 fps=0 "
                               "time=0.0000 clock=0.0000 cars=0");
    host.EnterReplay(30);
    host.EnterFlycam();
    host.Tick(45);
    host.Pause();
    host.Tick(15);
    host.Run("probe_state");
    EXPECT_EQ(host.LastLine(), "replay=1 game=0 camera=1 state=CameraState_ReplayFly_TA "
                               "frame=45 director=45 fps=30 time=1.5000 clock=2.0000 cars=4");
    host.Run("probe_skip 300");
    host.Run("probe_state");
    EXPECT_EQ(host.LastLine(), "replay=1 game=0 camera=1 state=CameraState_ReplayFly_TA "
                               "frame=300 director=300 fps=30 time=10.0000 clock=2.0000 cars=4");
    host.EnterGame();
    host.Tick(3);
    host.Run("probe_state");
    EXPECT_EQ(host.LastLine(), "replay=0 game=1 camera=1 state=CameraState_Car_TA frame=0 "
                               "director=3 fps=0 time=0.0000 clock=0.1000 cars=4");
}

TEST(SessionEventsTest, CameraWritesFromUpdatePovMoveTheCamera) {
    TestHost host;
    ASSERT_TRUE(host.Load(&exports));
    host.EnterReplay();
    host.GetWorld().PinBall({100, 200, 300});
    host.Run("probe_follow 1");
    host.Tick();
    EXPECT_EQ(host.Camera().location, Vector(100, -800, 600));
    EXPECT_EQ(host.Camera().fov, 75.0f);
}

TEST(SessionEventsTest, ToggleMenuOpensAndClosesThePluginWindow) {
    TestHost host;
    ASSERT_TRUE(host.Load(&exports));
    host.Run("togglemenu probe");
    EXPECT_TRUE(host.GetSession().WindowOpen());
    host.Run("togglemenu probe");
    host.Run("togglemenu other");
    host.Run("togglemenu");
    EXPECT_EQ(host.Lines(), (Lines{"probe loaded", "window opened", "window closed",
                                   "Unknown menu: other", "Usage: togglemenu NAME"}));
    EXPECT_FALSE(host.GetSession().WindowOpen());
}

struct FaultCase {
    const char* name;
    std::vector<std::string> lines; // console input, ticks as "@tick"
    const char* fault;              // the first fault's message starts with this
};

const FaultCase kFaultCases[] = {
    {"Notifier", {"probe_throw"}, "exception escaped from the notifier probe_throw: probe failure"},
    {"NotifierRunningANotifier",
     {"probe_run probe_throw"},
     "exception escaped from the notifier probe_throw: probe failure"},
    {"StandardLibraryException",
     {"probe_skip"},
     "exception escaped from the notifier probe_skip: "},
    {"ChangeHandler",
     {"probe_fail change", "probe_int 3"},
     "exception escaped from the value-changed handler of probe_int: probe change failure"},
    {"Hook",
     {"probe_fail pov", "@tick"},
     "exception escaped from the hook of Function TAGame.CameraState_Replay_TA.UpdatePOV: "
     "probe pov failure"},
    {"Drawable",
     {"probe_fail draw", "@tick"},
     "exception escaped from a drawable: probe draw failure"},
    {"NonFiniteCamera", {"probe_nan"}, "the plugin wrote a non-finite location; it was ignored"},
    {"EndlessRecursion",
     {"probe_recurse"},
     "console calls nested deeper than 64 levels while running \"probe_recurse\""},
};

class SessionFaultTest : public testing::TestWithParam<FaultCase> {};

TEST_P(SessionFaultTest, IsContainedAndReported) {
    TestHost host;
    ASSERT_TRUE(host.Load(&exports));
    host.EnterReplay();
    for (const std::string& line : GetParam().lines) {
        if (line == "@tick")
            host.Tick();
        else
            host.Run(line);
    }
    EXPECT_TRUE(host.Faulted());
    EXPECT_EQ(host.GetSession().GetGuard().FirstFault().rfind(GetParam().fault, 0), 0u)
        << host.GetSession().GetGuard().FirstFault();
    EXPECT_TRUE(Contains(host.Errors(), std::string("corvane-sim: ") + GetParam().fault));
    // The host goes on working.
    host.Run("probe_echo still here");
    EXPECT_EQ(host.LastLine(), "probe_echo|still|here");
}

INSTANTIATE_TEST_SUITE_P(Callbacks, SessionFaultTest, testing::ValuesIn(kFaultCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
