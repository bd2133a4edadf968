// The plugin's settings window, reached by label through the host's widget map and mouse,
// with the plugin's own objects linked into this test (and so its widget probe).

#include <gtest/gtest.h>

#include <string>

#include "tests/ui/WindowFixture.h"

namespace Quorvel::Testing {
namespace {

using Corvane::Host::WidgetRect;

class PluginWindowTest : public WindowTest {
protected:
    float Top(const std::string& label) {
        const std::optional<WidgetRect> rect = host.Widget(label);
        EXPECT_TRUE(rect) << label;
        return rect ? rect->minY : 0.0f;
    }
};

TEST_F(PluginWindowTest, TheTitleBarCloseButtonAndSectionsAreOnScreenInOrder) {
    EXPECT_TRUE(host.Widget("Quorvel#CLOSE"));
    ASSERT_TRUE(host.Click("Snapshots")); // folded, so that every header fits the window
    const char* const fromTop[] = {"Quorvel", "Snapshots", "Motion Graph", "Reference Shapes",
                                   "Path Tools"};
    for (size_t i = 1; i < std::size(fromTop); ++i)
        EXPECT_LT(Top(fromTop[i - 1]), Top(fromTop[i])) << fromTop[i];
}

TEST_F(PluginWindowTest, ClickingASectionHeaderUnfoldsItAndClickingAgainFoldsIt) {
    ASSERT_TRUE(host.Click("Snapshots"));
    const float folded = Top("Reference Shapes");
    const long ticks = host.GetWorld().TickCount();
    ASSERT_TRUE(host.Click("Motion Graph"));
    EXPECT_EQ(host.GetWorld().TickCount(), ticks + 3);
    EXPECT_GT(Top("Reference Shapes"), folded); // the sections below move down at once
    ASSERT_TRUE(host.Click("Motion Graph"));
    EXPECT_EQ(Top("Reference Shapes"), folded);
}

} // namespace
} // namespace Quorvel::Testing
