// The widget probe (probe/) in an ImGui context of this test's own, reporting into the host's
// widget map: this program is linked as the plugin is, so its own ImGui calls are wrapped.

#include "host/WidgetMap.h"

#include <gtest/gtest.h>
#include <imgui.h>
#include <imgui_internal.h>

#include <functional>
#include <map>
#include <string>

namespace {

using Corvane::Host::WidgetMap;
using Corvane::Host::WidgetRect;

WidgetRect LastItemRect() {
    const ImVec2 min = ImGui::GetItemRectMin(), max = ImGui::GetItemRectMax();
    return WidgetRect{min.x, min.y, max.x, max.y};
}

void ExpectRect(const WidgetMap& map, const std::string& label, const WidgetRect& expected) {
    const std::optional<WidgetRect> found = map.Find(label);
    ASSERT_TRUE(found) << label;
    EXPECT_EQ(found->minX, expected.minX) << label;
    EXPECT_EQ(found->minY, expected.minY) << label;
    EXPECT_EQ(found->maxX, expected.maxX) << label;
    EXPECT_EQ(found->maxY, expected.maxY) << label;
}

class WidgetProbeTest : public testing::Test {
protected:
    void SetUp() override {
        context = ImGui::CreateContext();
        ImGui::SetCurrentContext(context);
        ImGuiIO& io = ImGui::GetIO();
        io.IniFilename = nullptr;
        io.DisplaySize = ImVec2(800, 600);
        io.DeltaTime = 1.0f / 30.0f;
        unsigned char* pixels = nullptr;
        int width = 0, height = 0;
        io.Fonts->GetTexDataAsAlpha8(&pixels, &width, &height);
        context->TestEngine = map.Probe();
    }
    void TearDown() override { ImGui::DestroyContext(context); }

    void Frame(const std::function<void()>& draw) {
        map.BeginFrame();
        ImGui::NewFrame();
        draw();
        ImGui::Render();
        map.EndFrame();
    }

    // A window placed at (x, y) with the given size, drawn by draw.
    static void Window(const char* name, ImVec2 place, ImVec2 size,
                       const std::function<void()>& draw, bool* open = nullptr,
                       ImGuiWindowFlags flags = 0) {
        ImGui::SetNextWindowPos(place, ImGuiCond_Always);
        ImGui::SetNextWindowSize(size, ImGuiCond_Always);
        if (ImGui::Begin(name, open, flags))
            draw();
        ImGui::End();
    }

    // Moves the mouse to the centre of label and clicks: pressed for a frame, released for one.
    void ClickAt(const std::string& label, const std::function<void()>& draw) {
        const std::optional<WidgetRect> rect = map.Find(label);
        ASSERT_TRUE(rect) << label;
        ImGuiIO& io = ImGui::GetIO();
        io.MousePos = ImVec2(rect->CentreX(), rect->CentreY());
        io.MouseDown[0] = true;
        Frame(draw);
        io.MouseDown[0] = false;
        Frame(draw);
    }

    ImGuiContext* context = nullptr;
    WidgetMap map;
};

TEST_F(WidgetProbeTest, EveryWrappedWidgetReportsItsOwnRectangleUnderItsFullLabel) {
    bool flag = false, toggled = false;
    char text[16] = "abc";
    int count = 1;
    float drag = 0.0f, slide = 0.0f, colour[4] = {1, 0, 0, 1};
    std::map<std::string, WidgetRect> drawn;
    // Draws one widget and notes the rectangle ImGui gives it.
    const auto item = [&](const char* label, const std::function<void()>& widget) {
        widget();
        drawn[label] = LastItemRect();
    };
    const auto draw = [&] {
        Window("Panel", ImVec2(10, 10), ImVec2(400, 500), [&] {
            item("Go##first", [] { ImGui::Button("Go##first"); });
            item("Small", [] { ImGui::SmallButton("Small"); });
            item("##area", [] { ImGui::InvisibleButton("##area", ImVec2(40, 10)); });
            item("Pick", [] { ImGui::Selectable("Pick", false); });
            item("Toggle", [&] { ImGui::Selectable("Toggle", &toggled); });
            item("Flag", [&] { ImGui::Checkbox("Flag", &flag); });
            item("Text", [&] { ImGui::InputText("Text", text, sizeof text); });
            item("Count", [&] { ImGui::InputInt("Count", &count); });
            item("Drag", [&] { ImGui::DragFloat("Drag", &drag); });
            item("Slide", [&] { ImGui::SliderFloat("Slide", &slide, 0.0f, 1.0f); });
            item("Colour", [&] { ImGui::ColorEdit4("Colour", colour); });
            item("Combo", [] {
                if (ImGui::BeginCombo("Combo", "one"))
                    ImGui::EndCombo();
            });
            item("Section", [] { ImGui::CollapsingHeader("Section", 0); });
        });
    };
    Frame(draw);
    Frame(draw);
    ASSERT_EQ(drawn.size(), 13u);
    for (const auto& [label, rect] : drawn)
        ExpectRect(map, label, rect);
}

TEST_F(WidgetProbeTest, WidgetsOutOfSightAreLeftOut) {
    // A window 100 pixels high has room for the first few of 30 buttons; a collapsed one for
    // none, though its title bar still shows.
    const auto draw = [&] {
        Window("Short", ImVec2(10, 10), ImVec2(200, 100), [] {
            for (int i = 0; i < 30; ++i)
                ImGui::Button(("B" + std::to_string(i)).c_str());
        });
        ImGui::SetNextWindowPos(ImVec2(300, 10), ImGuiCond_Always);
        ImGui::SetNextWindowCollapsed(true, ImGuiCond_Always);
        ImGui::Begin("Folded"); // drawn into whatever Begin says, as a careless caller does
        ImGui::Button("Inside folded");
        ImGui::End();
    };
    Frame(draw);
    Frame(draw);
    EXPECT_TRUE(map.Find("B0"));
    EXPECT_FALSE(map.Find("B29"));
    EXPECT_TRUE(map.Find("Folded"));
    EXPECT_FALSE(map.Find("Inside folded"));
}

TEST_F(WidgetProbeTest, AWindowReportsItsTitleBarAndTheCloseButtonImGuiPlacesOnIt) {
    bool open = true;
    const auto draw = [&] {
        if (open)
            Window(
                "Tool", ImVec2(100, 50), ImVec2(200, 150), [] {}, &open);
        Window("Fixed", ImVec2(400, 50), ImVec2(200, 150), [] {});
        Window(
            "Bare", ImVec2(400, 300), ImVec2(200, 150), [] {}, nullptr,
            ImGuiWindowFlags_NoTitleBar);
    };
    Frame(draw);
    const ImGuiStyle& style = ImGui::GetStyle();
    const float barHeight = ImGui::GetFontSize() + 2.0f * style.FramePadding.y;
    ExpectRect(map, "Tool", WidgetRect{100, 50, 300, 50 + barHeight});
    EXPECT_TRUE(map.Find("Fixed"));
    EXPECT_FALSE(map.Find("Fixed#CLOSE")); // no open flag, no close button
    EXPECT_FALSE(map.Find("Bare"));
    ClickAt("Tool#CLOSE", draw);
    EXPECT_FALSE(open);
}

TEST_F(WidgetProbeTest, AnOpenComboKeepsItsOwnRectangleAndReportsItsItems) {
    const auto draw = [&] {
        Window("Panel", ImVec2(10, 10), ImVec2(300, 300), [] {
            if (ImGui::BeginCombo("Combo", "one")) {
                ImGui::Selectable("one", true);
                ImGui::Selectable("two", false);
                ImGui::EndCombo();
            }
        });
    };
    Frame(draw);
    const WidgetRect closed = *map.Find("Combo");
    EXPECT_FALSE(map.Find("two"));
    ClickAt("Combo", draw);
    Frame(draw); // a popup shows from its second frame
    ExpectRect(map, "Combo", closed);
    const std::optional<WidgetRect> item = map.Find("two");
    ASSERT_TRUE(item);
    EXPECT_GT(item->minY, closed.maxY - 1); // in the popup, below the combo
}

TEST_F(WidgetProbeTest, TheMapShowsTheLastFrameEndedWithTheFirstOfEachLabel) {
    WidgetRect drawn[2];
    const auto twice = [&] {
        Window("Panel", ImVec2(10, 10), ImVec2(300, 300), [&] {
            for (int id = 0; id < 2; ++id) {
                ImGui::PushID(id);
                ImGui::Button("Same");
                drawn[id] = LastItemRect();
                ImGui::PopID();
            }
        });
    };
    Frame(twice);
    ExpectRect(map, "Same", drawn[0]);
    EXPECT_LT(drawn[0].maxY, drawn[1].minY);
    Frame([&] {
        EXPECT_TRUE(map.Find("Same")); // while a frame is drawn, the last one stays readable
    });
    EXPECT_FALSE(map.Find("Same"));
    EXPECT_FALSE(map.Find("Panel"));
}

TEST_F(WidgetProbeTest, NothingIsReportedWithoutTheHostsProbeInTheContext) {
    int foreignCalls = 0;
    CorvaneWidgetProbe foreign{0, &foreignCalls,
                               [](void* user, const char*, float, float, float, float) {
                                   ++*static_cast<int*>(user);
                               }};
    const auto draw = [] {
        Window("Panel", ImVec2(10, 10), ImVec2(300, 300), [] { ImGui::Button("Go"); });
    };
    for (void* engine : {static_cast<void*>(nullptr), static_cast<void*>(&foreign)}) {
        context->TestEngine = engine;
        Frame(draw);
        EXPECT_FALSE(map.Find("Go"));
    }
    EXPECT_EQ(foreignCalls, 0);
}

} // namespace
