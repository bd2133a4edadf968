// The host's ImGui frame as the probe plugin, linked into this test with its own copy of
// ImGui, meets it: the context it is handed, its window, and what it leaves open.

#include "host/GuiContext.h"

#include <gtest/gtest.h>
#include <imgui.h>

#include <cstring>

#include "tests/host/ProbePlugin.h"
#include "tests/support/TestHost.h"

namespace {

using Quorvel::Testing::TestHost;

// Whether the last rendered frame has a window named name.
bool FrameShowsWindow(TestHost& host, const char* name) {
    const ImDrawData* data = host.GetWorld().Gui().DrawData();
    if (data == nullptr)
        return false;
    for (int i = 0; i < data->CmdListsCount; ++i) {
        const ImDrawList* list = data->CmdLists[i];
        if (std::strcmp(list->_OwnerName, name) == 0 && list->VtxBuffer.Size > 0)
            return true;
    }
    return false;
}

TEST(GuiFrameTest, ThePluginGetsTheContextAfterLoadingAndAgainInEveryFrame) {
    TestHost host;
    ASSERT_TRUE(host.Load(&exports));
    const std::string context = std::to_string(host.GetWorld().Gui().Address());
    host.Run("probe_imgui");
    EXPECT_EQ(host.LastLine(), "imgui context=" + context + " adoptions=1");
    host.Tick(3); // with the window closed, and in the menu
    host.Run("probe_imgui");
    EXPECT_EQ(host.LastLine(), "imgui context=" + context + " adoptions=4");
}

// Drawn in every frame while open; closed through togglemenu or by the window itself through
// the host's menu command.
TEST(GuiFrameTest, TheWindowIsDrawnInEveryFrameWhileItIsOpen) {
    TestHost host;
    ASSERT_TRUE(host.Load(&exports));
    host.Tick(2);
    EXPECT_FALSE(FrameShowsWindow(host, "Probe"));
    host.Run("togglemenu probe");
    host.Tick(2); // ImGui shows a new window from its second frame
    EXPECT_TRUE(FrameShowsWindow(host, "Probe"));
    host.Run("togglemenu probe");
    host.Tick();
    EXPECT_FALSE(FrameShowsWindow(host, "Probe"));
    host.Run("togglemenu probe");
    host.Run("probe_close 1");
    host.Tick();
    EXPECT_EQ(host.LastLine(), "window closed");
    EXPECT_FALSE(host.GetSession().WindowOpen());
    host.Tick(2);
    EXPECT_FALSE(FrameShowsWindow(host, "Probe"));
    EXPECT_EQ(host.Errors(), "");
}

TEST(GuiFrameTest, WhatThePluginLeavesOpenIsClosedAndReportedAndTheNextFrameIsWhole) {
    const struct {
        const char* fail;
        const char* errors;
    } cases[] = {
        {"unbalanced", "corvane-sim: the plugin left ImGui unbalanced in the window pass: "
                       "Recovered from missing End() for 'Probe'\n"},
        {"window", "corvane-sim: exception escaped from the window slot DrawWindow: probe window "
                   "failure\ncorvane-sim: the plugin left ImGui unbalanced in the window pass: "
                   "Recovered from missing End() for 'Probe'\n"},
    };
    for (const auto& c : cases) {
        TestHost host;
        ASSERT_TRUE(host.Load(&exports));
        host.Run("togglemenu probe");
        host.Run(std::string("probe_fail ") + c.fail);
        host.Tick();
        EXPECT_EQ(host.Errors(), c.errors);
        EXPECT_TRUE(host.Faulted());
        host.Run("probe_fail none");
        host.Tick(2);
        EXPECT_TRUE(FrameShowsWindow(host, "Probe")) << c.fail;
        EXPECT_EQ(host.Errors(), c.errors); // nothing more
    }
}

TEST(GuiFrameTest, TheFontHasTheEmDashPluginsWrite) {
    TestHost host;
    const ImFontGlyph* dash = host.GetWorld().Gui().DefaultFont()->FindGlyphNoFallback(0x2014);
    ASSERT_NE(dash, nullptr); // without it the text shows a question mark
    EXPECT_EQ(dash->AdvanceX, 7.0f);
    EXPECT_TRUE(dash->Visible);
}

} // namespace
