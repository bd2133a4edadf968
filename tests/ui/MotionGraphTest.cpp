// The "Motion Graph" section as drawn: its panel, and where the curve lies on screen.

#include <gtest/gtest.h>

#include <optional>

#include "tests/ui/WindowFixture.h"

namespace Quorvel::Testing {
namespace {

using Corvane::Host::Rgba;
using Corvane::Host::WidgetRect;

class MotionGraph : public WindowTest {
protected:
    // The colour on screen at a normalised graph point (u across, v up) of the panel.
    Rgba At(const WidgetRect& panel, float u, float v) {
        const float left = panel.minX + 24.0f; // the plot inside the panel's margins
        const float width = panel.maxX - panel.minX - 48.0f;
        const float top = panel.minY + 12.0f;
        return host.Picture().At(static_cast<int>(left + u * width),
                                 static_cast<int>(top + (1.0f - v) * 156.0f));
    }
};

TEST_F(MotionGraph, TwoWaypointsRunFromLowerLeftToUpperRight) {
    Put(30, {0, 0, 0});
    ShowOnly("Motion Graph");
    EXPECT_FALSE(host.Widget("##graphbg")); // one waypoint: no graph
    Put(90, {100, 0, 0});
    host.Tick();
    const std::optional<WidgetRect> panel = host.Widget("##graphbg");
    ASSERT_TRUE(panel);
    EXPECT_EQ(panel->maxY - panel->minY, 180.0f);
    // Automatic handles lie along the diagonal, so the curve does too: cyan at its middle.
    const Rgba middle = At(*panel, 0.5f, 0.5f);
    EXPECT_GT(middle.b, 150);
    EXPECT_GT(middle.g, 120);
    EXPECT_LT(middle.r, 100);
    // Off the diagonal, away from grid lines and verticals, only the dark background.
    for (const Rgba off : {At(*panel, 0.2f, 0.8f), At(*panel, 0.8f, 0.2f)}) {
        EXPECT_LT(off.r, 40);
        EXPECT_LT(off.g, 40);
        EXPECT_LT(off.b, 50);
    }
}

} // namespace
} // namespace Quorvel::Testing
