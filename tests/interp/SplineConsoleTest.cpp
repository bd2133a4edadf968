// The B-spline strategy on the simulated host's console: the accuracy variable as the console
// keeps it, and library errors as console lines.

#include <gtest/gtest.h>

#include <cmath>

#include "PathBuilder.h"
#include "interp/SplineInterpStrategy.h"
#include "tests/support/TestHost.h"

namespace {

class SplineOnTheConsole : public testing::Test {
protected:
    void SetUp() override {
        console = host.GetSession().CVarManagerHandle();
        console->registerCvar("dolly_spline_acc", "7500", "Spline interp accuracy", true, true,
                              100.0f);
    }

    std::shared_ptr<SplineInterpStrategy> Spline(std::shared_ptr<SnapshotMap> path) {
        auto spline = std::make_shared<SplineInterpStrategy>(path, 0);
        spline->cvarManager = console;
        return spline;
    }

    Quorvel::Testing::TestHost host;
    std::shared_ptr<CVarManagerWrapper> console;
};

TEST_F(SplineOnTheConsole, AccuracyChangesTakeEffectWithoutARebuild) {
    auto spline = Spline(TimeLine(6));
    const float time = 3.37f;
    host.Run("dolly_spline_acc 100");
    const float coarse = spline->Evaluate(time, 30).x;
    EXPECT_LE(std::fabs(coarse - 100.0f * time), 100.0f * 0.01f + 1e-3f);
    host.Run("dolly_spline_acc 7500");
    const float fine = spline->Evaluate(time, 30).x;
    EXPECT_LE(std::fabs(fine - 100.0f * time), 100.0f * 0.000134f + 1e-3f);
    EXPECT_NE(coarse, fine);
    EXPECT_FALSE(host.Faulted());
}

TEST_F(SplineOnTheConsole, LibraryErrorIsOneConsoleLine) {
    auto path = std::make_shared<SnapshotMap>();
    for (int i = 0; i < 2600; ++i)
        (*path)[i] = Waypoint(i, static_cast<float>(i) / 30.0f, {static_cast<float>(i), 0, 0});
    auto spline = Spline(path);
    host.ClearLines();
    for (int frame = 100; frame < 160; ++frame)
        EXPECT_TRUE(IsZeroPose(spline->Evaluate(static_cast<float>(frame) / 30.0f, frame)));
    ASSERT_EQ(host.Lines().size(), 1u);
    EXPECT_EQ(host.LastLine(),
              "Spline interpolation failed: unsupported number of knots: 10400 > 10000");
    EXPECT_FALSE(host.Faulted());
}

} // namespace
