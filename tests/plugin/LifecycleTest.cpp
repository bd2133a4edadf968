// The plugin's entry points, its registrations and its free-fly test.

#include <string>

#include "host/ConsoleVariable.h"
#include "plugin/EntryGuard.h"
#include "tests/plugin/PluginFixture.h"

extern "C" void deleteMe();

namespace Quorvel::Testing {
namespace {

TEST(PluginRecordTest, DescribesThePlugin) {
    EXPECT_EQ(exports.apiBuild, 95);
    EXPECT_STREQ(exports.sourceName, "dollycamplugin");
    EXPECT_STREQ(exports.className, "DollyCamPlugin");
    EXPECT_STREQ(exports.pluginName, "Quorvel");
    EXPECT_STREQ(exports.pluginVersion, "1.0");
    EXPECT_EQ(exports.typeFlags, 0x14u);
}

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

TEST_F(PluginTest, RegistersEveryVariableWithItsDefaultAndRange) {
    struct Row {
        const char* name;
        const char* value;
        const char* description;
    };
    const Row rows[] = {
        {"cl_dollycam_settings_open", "0", "Open DollyCam settings"},
        {"dolly_interpmode", "5", "Used interp mode"},
        {"dolly_interpmode_location", "5", "Interp mode for location"},
        {"dolly_interpmode_rotation", "5", "Interp mode for rotation"},
        {"dolly_path_directory", "", "Location for saving/loading paths"},
        {"dolly_render", "1", "Render camera path"},
        {"dolly_render_frame", "1", "Render frame numbers on path"},
        {"dolly_chaikin_degree", "0", "Chaikin subdivision amount"},
        {"dolly_spline_acc", "7500", "Spline interp accuracy"},
        {"dolly_lock_target", "0", "Smart target lock (0=None, 1=Ball, 2=Car)"},
        {"dolly_lock_car_index", "0", "Car index for target lock"},
        {"dolly_soft_follow", "0", "Enable soft/lag follow"},
        {"dolly_soft_follow_tension", "5.0", "Spring tension for soft follow (higher=snappier)"},
        {"dolly_frame_shift", "0", "Frame shift offset (-20..+20; abs>=5 when non-zero)"},
        {"dolly_speed_norm", "0", "Arc-length speed normalisation"},
    };
    EXPECT_EQ(host.GetConsole().Variables().size(), std::size(rows));
    for (const Row& row : rows) {
        const Corvane::Host::ConsoleVariable* variable = host.GetConsole().Find(row.name);
        ASSERT_NE(variable, nullptr) << row.name;
        EXPECT_EQ(variable->Value(), row.value) << row.name;
        EXPECT_EQ(variable->Spec().description, row.description) << row.name;
        EXPECT_TRUE(variable->Spec().saveToConfig) << row.name;
    }
    // Ranges, seen through the host's clamping.
    host.Run("dolly_interpmode_location 9");
    EXPECT_EQ(host.Variable("dolly_interpmode_location"), "7");
    host.Run("dolly_spline_acc 5");
    EXPECT_EQ(host.Variable("dolly_spline_acc"), "100");
    host.Run("dolly_spline_acc 1000000");
    EXPECT_EQ(host.Variable("dolly_spline_acc"), "1000000");
    host.Run("dolly_chaikin_degree 21");
    EXPECT_EQ(host.Variable("dolly_chaikin_degree"), "20");
}

TEST_F(PluginTest, RegistersEveryCommandWithItsPermission) {
    const std::pair<const char*, int> commands[] = {
        {"dolly_path_clear", 0},          {"dolly_snapshot_take", 0x40},
        {"dolly_activate", 0x40},         {"dolly_deactivate", 0x40},
        {"dolly_replayinfo", 0x40},       {"dolly_path_save", 0},
        {"dolly_path_load", 0},           {"dolly_cam_clone", 0x40},
        {"dolly_cam_show", 0x40},         {"dolly_cam_set_location", 0x40},
        {"dolly_cam_set_rotation", 0x40}, {"dolly_cam_set_fov", 0x40},
        {"dolly_cam_set_frame", 0x40},    {"dolly_snapshot_list", 0},
        {"dolly_snapshot_info", 0},       {"dolly_snapshot_override", 0x40},
        {"dolly_snapshot_delete", 0x40},  {"dolly_snapshot_select", 0x40},
        {"dolly_bezier_weight", 0},       {"dolly_path_mirror", 0},
        {"dolly_path_offset", 0},         {"dolly_path_scale", 0},
        {"dolly_path_rotate", 0},         {"dolly_path_reverse", 0},
        {"dolly_path_smooth", 0},         {"dolly_preset_save", 0},
        {"dolly_preset_load", 0},         {"dolly_preset_delete", 0},
        {"dolly_preset_list", 0},
    };
    EXPECT_EQ(std::size(commands), 29u);
    for (const auto& [name, permissions] : commands)
        EXPECT_EQ(host.GetConsole().CommandPermissions(name), permissions) << name;
}

TEST_F(PluginTest, MirrorsAreSetAtTheEndOfLoad) {
    // Set from the bound value and unconditionally, not from a change the host reported.
    EXPECT_TRUE(Cam().showPath);
    EXPECT_TRUE(Cam().showFrameNumbers);
}

TEST_F(PluginTest, FlycamNeedsAReplayOrGameACameraAndTheExactState) {
    EXPECT_FALSE(Plugin().IsInFlycam()); // menu: no camera
    host.EnterReplay();
    EXPECT_FALSE(Plugin().IsInFlycam()); // the replay starts in another camera state
    host.SetCameraState("CameraState_ReplayFly_TA_");
    EXPECT_FALSE(Plugin().IsInFlycam());
    host.SetCameraState("CameraState_ReplayFly_T");
    EXPECT_FALSE(Plugin().IsInFlycam());
    host.EnterFlycam();
    EXPECT_TRUE(Plugin().IsInFlycam());
    host.Leave();
    EXPECT_FALSE(Plugin().IsInFlycam());
    host.EnterGame();
    host.EnterFlycam();
    EXPECT_TRUE(Plugin().IsInFlycam());
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
