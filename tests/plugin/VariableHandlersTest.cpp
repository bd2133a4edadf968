// What each variable's change does to the path engine.

#include <string>
#include <vector>

#include "core/InterpStrategyFactory.h"
#include "interp/InterpStrategy.h"
#include "tests/plugin/PluginFixture.h"

namespace Quorvel::Testing {
namespace {

TEST_F(PluginTest, NonZeroFrameShiftsAreAtLeastFiveFramesAndAtMostTwenty) {
    const std::pair<const char*, int> rows[] = {{"3", 5},     {"-3", -5}, {"0", 0}, {"25", 20},
                                                {"-12", -12}, {"5", 5},   {"1", 5}, {"-20", -20}};
    for (const auto& [typed, mirrored] : rows) {
        host.Run(std::string("dolly_frame_shift ") + typed);
        EXPECT_EQ(Cam().frameShift, mirrored) << typed;
    }
    host.Run("dolly_frame_shift 3"); // the variable keeps what was typed
    EXPECT_EQ(host.Variable("dolly_frame_shift"), "3");
}

// The names each mode reports are pinned in DollyCamTest.
TEST_F(PluginTest, CombinedModeRunsBothChannelsAndEachReportsItsStrategy) {
    EnterFlycamReplay();
    host.Run("dolly_interpmode 4");
    EXPECT_EQ(host.Variable("dolly_interpmode_location"), "4");
    EXPECT_EQ(host.Variable("dolly_interpmode_rotation"), "4");
    EXPECT_EQ(host.Lines(),
              (std::vector<std::string>{"Location interp: Catmull-Rom interpolation",
                                        "Rotation interp: Catmull-Rom interpolation"}));
    EXPECT_TRUE(Cam().sameStrategyMode);
    EXPECT_EQ(Cam().rotationStrategy, Cam().locationStrategy);
    host.Run("dolly_interpmode 2");
    EXPECT_EQ(Cam().rotationStrategy->GetName(), "cosine interpolation");
}

TEST_F(PluginTest, LinearModesShareOneObjectButAreNotTheSameMode) {
    host.Run("dolly_interpmode_location 0");
    host.Run("dolly_interpmode_rotation 3");
    EXPECT_EQ(host.LastLine(), "Rotation interp: linear interpolation");
    EXPECT_EQ(Cam().rotationStrategy, Cam().locationStrategy);
    EXPECT_FALSE(Cam().sameStrategyMode);
}

TEST_F(PluginTest, ChaikinDegreeRebuildsOnlyTheLocationStrategy) {
    host.Run("dolly_interpmode_location 0");
    host.Run("dolly_interpmode_rotation 2");
    const auto rotation = Cam().rotationStrategy;
    const auto location = Cam().locationStrategy;
    host.Run("dolly_chaikin_degree 2");
    EXPECT_NE(Cam().locationStrategy, location);
    EXPECT_EQ(Cam().rotationStrategy, rotation);
}

TEST_F(PluginTest, CarIndexReachesPlaybackAtTheNextTargetChange) {
    host.Run("dolly_lock_target 2");
    EXPECT_EQ(Cam().lockTarget, 2);
    EXPECT_EQ(Cam().lockCarIndex, 0);
    host.Run("dolly_lock_car_index 3");
    EXPECT_EQ(Cam().lockCarIndex, 0);
    host.Run("dolly_lock_target 1");
    EXPECT_EQ(Cam().lockTarget, 1);
    EXPECT_EQ(Cam().lockCarIndex, 3);
    host.Run("dolly_lock_target 0");
    EXPECT_EQ(Cam().lockTarget, 0);
}

TEST_F(PluginTest, SoftFollowChangesReprimeTheSpring) {
    Cam().softFollowPrimed = true;
    host.Run("dolly_soft_follow 1");
    EXPECT_TRUE(Cam().softFollow);
    EXPECT_FALSE(Cam().softFollowPrimed);
    Cam().softFollowPrimed = true;
    host.Run("dolly_soft_follow_tension 12.5");
    EXPECT_EQ(Cam().softFollowTension, 12.5f);
    EXPECT_FALSE(Cam().softFollowPrimed);
    EXPECT_TRUE(Cam().softFollow);
}

TEST_F(PluginTest, SpeedNormalisationSwitchedOnLaterRetimesThePlayingPath) {
    // 100 units in the first second, 1000 in the next: at the middle frame the camera is at
    // 100 by the clock, and at half the distance (550) at constant speed.
    EnterFlycamReplay();
    host.Run("dolly_interpmode 0");
    TakeAt(0, {0, 0, 100});
    TakeAt(30, {100, 0, 100});
    TakeAt(60, {1100, 0, 100});
    host.Run("dolly_activate");
    host.Pause();
    const std::pair<const char*, float> rows[] = {{"dolly_speed_norm 0", 100.0f},
                                                  {"dolly_speed_norm 1", 550.0f}};
    for (const auto& [typed, x] : rows) {
        host.Run(typed);
        host.SetFrame(10); // away and back, so the clock is taken from the frame
        host.Tick();
        host.SetFrame(30);
        host.Tick();
        EXPECT_NEAR(host.Camera().location.X, x, 0.5f) << typed;
    }
}

// The plugin keeps the accuracy for its B-spline strategies: a change reaches a strategy already
// built, which then agrees with one reading the variable itself.
TEST_F(PluginTest, SplineAccuracyReachesTheBuiltStrategy) {
    EnterFlycamReplay();
    host.Run("dolly_interpmode 5");
    for (int i = 0; i < 6; ++i)
        TakeAt(30 * i, {100.0f * i * i, 50.0f * i, 0});
    const auto strategy = Cam().locationStrategy;
    const auto reading =
        MakeInterpStrategy(5, Cam().snapshots, 0, host.GetSession().CVarManagerHandle());
    const float time = 2.37f;
    const float fine = strategy->Evaluate(time, 71).x;
    EXPECT_EQ(fine, reading->Evaluate(time, 71).x);
    host.Run("dolly_spline_acc 100");
    const float coarse = strategy->Evaluate(time, 71).x;
    EXPECT_NE(coarse, fine);
    EXPECT_EQ(coarse, reading->Evaluate(time, 71).x);
}

// What the path switched off draws is pinned in RenderTest.
TEST_F(PluginTest, RenderSwitchesAreSetAtLoadAndFollowTheirVariables) {
    // Set at the end of load from the bound value, not from a change the host reported.
    EXPECT_TRUE(Cam().showPath);
    EXPECT_TRUE(Cam().showFrameNumbers);
    host.Run("dolly_render 0");
    EXPECT_FALSE(*Plugin().renderPathFlag);
    host.Run("dolly_render_frame 0");
    EXPECT_FALSE(Cam().showFrameNumbers);
    host.Run("dolly_render 1");
    EXPECT_TRUE(Cam().showPath);
}

} // namespace
} // namespace Quorvel::Testing
