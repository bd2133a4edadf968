// The host's mouse and keyboard on the probe plugin's widgets (ProbeWidgets.h), reached by
// label; and the window's answer to whether the game's input is blocked. The directives'
// syntax is walked through in tests/sessions/host_widgets.script.

#include "host/WidgetInput.h"

#include <gtest/gtest.h>

#include "tests/host/ProbePlugin.h"
#include "tests/host/ProbeWidgets.h"
#include "tests/support/TestHost.h"

namespace {

using Quorvel::Testing::TestHost;

class WidgetInputTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(host.Load(&exports));
        host.Run("togglemenu probe");
        host.Run("probe_widgets 1");
        host.Tick();
    }

    std::string Values() {
        host.Run("probe_values");
        return host.LastLine();
    }
    long Ticks() { return host.GetWorld().TickCount(); }

    TestHost host;
};

TEST_F(WidgetInputTest, TypingReplacesTheValueOfFieldsDragsAndSlidersInSevenFrames) {
    const long ticks = Ticks();
    EXPECT_TRUE(host.Type("Count", "42"));
    EXPECT_TRUE(host.Type("Speed", "2.5"));
    EXPECT_TRUE(host.Type("Level", "0.25"));
    EXPECT_TRUE(host.Type("Name", "hello world"));
    EXPECT_EQ(Ticks(), ticks + 28);
    EXPECT_EQ(Values(), "widgets presses=0 flag=0 count=42 speed=2.50 level=0.25 name=hello world");
    EXPECT_TRUE(host.Type("Name", "")); // an empty text clears the field
    EXPECT_EQ(Values(), "widgets presses=0 flag=0 count=42 speed=2.50 level=0.25 name=");
}

// A first drag of 40 pixels, and its seven frames, are in host_widgets.script.
TEST_F(WidgetInputTest, ADragBeginsPastImGuisThresholdAndLosesNoStep) {
    EXPECT_TRUE(host.Drag("Speed", 40, 0)); // steps of 10 pixels: none is lost
    host.Tick(9); // a press on the same spot sooner would be a double click: a text field
    EXPECT_TRUE(host.Drag("Speed", -8, 0)); // the first 2 pixels are within ImGui's threshold
    EXPECT_EQ(Values(), "widgets presses=0 flag=0 count=3 speed=1.34 level=0.50 name=abc");
}

TEST_F(WidgetInputTest, ALabelNotOnScreenRunsNoFrameAndChangesNothing) {
    const long ticks = Ticks();
    EXPECT_FALSE(host.Click("Press")); // the label is "Press##probe"
    EXPECT_FALSE(host.Drag("speed", 10, 0));
    EXPECT_FALSE(host.Type("Nothing", "1"));
    EXPECT_FALSE(host.Widget("Nothing"));
    EXPECT_EQ(Ticks(), ticks);
    host.Tick();
    EXPECT_EQ(Values(), "widgets presses=0 flag=0 count=3 speed=1.00 level=0.50 name=abc");
}

// The close button's line is in host_widgets.script.
TEST_F(WidgetInputTest, TheCloseButtonClosesOnlyTheWindowItBelongsTo) {
    const std::optional<Corvane::Host::WidgetRect> bar = host.Widget("Widgets");
    ASSERT_TRUE(bar);
    EXPECT_EQ(bar->minX, kWidgetsX);
    EXPECT_EQ(bar->minY, kWidgetsY);
    EXPECT_TRUE(host.Click("Widgets#CLOSE"));
    host.Tick();
    EXPECT_FALSE(host.Widget("Widgets"));
    EXPECT_TRUE(host.GetSession().WindowOpen()); // the probe's own window stays
}

// The host asks after each frame's window pass, only while the window is open.
TEST_F(WidgetInputTest, TheGameInputIsBlockedAsTheOpenWindowLastSaid) {
    const auto blockedAfterAFrame = [&] {
        host.Tick();
        return host.GetSession().GameInputBlocked();
    };
    EXPECT_FALSE(host.GetSession().GameInputBlocked());
    host.Run("probe_block 1");
    EXPECT_TRUE(blockedAfterAFrame());
    host.Run("togglemenu probe");
    EXPECT_FALSE(blockedAfterAFrame());
    host.Run("togglemenu probe");
    EXPECT_TRUE(blockedAfterAFrame());
    host.Run("probe_block 0");
    EXPECT_FALSE(blockedAfterAFrame());
    host.Run("probe_block 1");
    host.Run("probe_close 1"); // the window closes itself while drawing
    EXPECT_FALSE(blockedAfterAFrame());
}

} // namespace
