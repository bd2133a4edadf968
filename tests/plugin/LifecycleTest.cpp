// The plugin's entry points, its registrations and its free-fly test.

#include <string>
#include <tuple>

#include "host/ConsoleVariable.h"
#include "plugin/EntryGuard.h"
#include "tests/plugin/PluginFixture.h"

extern "C" void deleteMe();

namespace Quorvel::Testing {
namespace {

TEST(PluginRecordTest, GetPluginCreatesOnceAndDeleteMeIsIdempotent) {
    const std::uintptr_t first = getPlugin();
    auto* owner = reinterpret_cast<std::shared_ptr<DollyCamPlugin>*>(first);
    DollyCamPlugin* created = owner->get();
    ASSERT_NE(created, nullptr);
    EXPECT_EQ(getPlugin(), first);
    EXPECT_EQ(owner->get(), created); // the second call created nothing
    deleteMe();
    EXPECT_EQ(owner->get(), nullptr);
    deleteMe();
    EXPECT_EQ(owner->get(), nullptr);
}

// What each name says is pinned where users read it (the console's help, the session
// scripts); here, that all of them arrive and that the ranges hold.
TEST_F(PluginTest, RegistersFifteenVariablesAndThirtyFourCommandsWithTheirRanges) {
    std::size_t commands = 0;
    for (const auto& [name, description] : host.GetConsole().CommandDescriptions())
        if (name.rfind("dolly_", 0) == 0) {
            ++commands;
            EXPECT_FALSE(description.empty()) << name;
        }
    EXPECT_EQ(commands, 34u);
    EXPECT_EQ(host.GetConsole().Variables().size(), 15u);
    for (const Corvane::Host::ConsoleVariable* variable : host.GetConsole().Variables())
        EXPECT_TRUE(variable->Spec().saveToConfig) << variable->Spec().name;
    // Ranges, seen through the host's clamping.
    const std::tuple<const char*, const char*, const char*> typed[] = {
        {"dolly_interpmode_location", "9", "7"},    {"dolly_spline_acc", "5", "100"},
        {"dolly_spline_acc", "1000000", "1000000"}, {"dolly_chaikin_degree", "21", "20"},
        {"dolly_frame_shift", "-25", "-20"},        {"dolly_lock_car_index", "8", "7"}};
    for (const auto& [name, value, kept] : typed) {
        host.Run(std::string(name) + " " + value);
        EXPECT_EQ(host.Variable(name), kept) << name << " " << value;
    }
}

// A longer state name and the game's free-fly camera are pinned in snapshot_commands.script.
TEST_F(PluginTest, FlycamNeedsACameraAndTheWholeStateName) {
    EXPECT_FALSE(Plugin().IsInFlycam()); // menu: no camera
    host.EnterReplay();
    host.SetCameraState("CameraState_ReplayFly_T");
    EXPECT_FALSE(Plugin().IsInFlycam());
    host.EnterFlycam();
    EXPECT_TRUE(Plugin().IsInFlycam());
    host.Leave();
    EXPECT_FALSE(Plugin().IsInFlycam());
}

TEST_F(PluginTest, DrawableLivesFromInitGameToHudDestroyed) {
    Corvane::Host::Events& events = host.GetWorld().GetEvents();
    EXPECT_EQ(events.DrawableCount(), 0);
    host.EnterReplay();
    EXPECT_EQ(events.DrawableCount(), 1);
    host.Leave();
    EXPECT_EQ(events.DrawableCount(), 0);
    host.EnterReplay();
    host.EnterReplay(); // InitGame registers again each time it fires
    EXPECT_EQ(events.DrawableCount(), 1);
}

TEST(EntryGuardTest, TurnsAnyExceptionIntoOneConsoleLine) {
    TestHost host;
    ASSERT_TRUE(host.Load(&exports));
    CVarManagerWrapper& console = *host.GetSession().CVarManagerHandle();
    host.ClearLines();
    RunGuarded(&console, "dolly_test", [] { throw std::out_of_range("invalid vector subscript"); });
    RunGuarded(&console, "dolly_test", [] { throw 42; });
    RunGuarded(nullptr, "dolly_test", [] { throw std::runtime_error("nowhere to report"); });
    ASSERT_EQ(host.Lines().size(), 2u);
    EXPECT_EQ(host.Lines()[0], "dolly_test failed: invalid vector subscript");
    EXPECT_EQ(host.Lines()[1], "dolly_test failed: unknown error");
    EXPECT_FALSE(host.Faulted());
}

} // namespace
} // namespace Quorvel::Testing
