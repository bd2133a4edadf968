#include "tests/overlay/ImGuiMouse.h"

#include <imgui.h>

namespace Quorvel::Testing {

ImGuiMouse::ImGuiMouse(TestHost& host) : host(host) {
    Corvane::Host::Session& session = host.GetSession();
    host.GetWorld().SetWindowPass([this, &session] {
        session.RunWindowPass();
        if (windows)
            windows();
    });
}

ImGuiMouse::~ImGuiMouse() {
    Corvane::Host::Session& session = host.GetSession();
    host.GetWorld().SetWindowPass([&session] { session.RunWindowPass(); });
}

void ImGuiMouse::Frame() {
    host.Tick();
}

void ImGuiMouse::MoveTo(int x, int y) {
    host.MouseMove(static_cast<float>(x), static_cast<float>(y));
    Frame();
}

void ImGuiMouse::Press(int x, int y) {
    if (!left)
        host.MouseDown(0);
    left = true;
    MoveTo(x, y);
}

void ImGuiMouse::Release() {
    if (left)
        host.MouseUp(0);
    if (right)
        host.MouseUp(1);
    left = right = false;
    Frame();
}

void ImGuiMouse::PressRight(int x, int y) {
    if (!right)
        host.MouseDown(1);
    right = true;
    MoveTo(x, y);
}

void ImGuiMouse::Scroll(float notches) {
    host.Wheel(notches);
    Frame();
}

void ImGuiMouse::RenderWithoutContext(DollyCamPlugin& plugin) {
    ImGuiContext* adopted = ImGui::GetCurrentContext();
    ImGui::SetCurrentContext(nullptr);
    host.GetWorld().GetCanvas().BeginFrame();
    plugin.Render(CanvasWrapper(host.GetWorld().CanvasAddress()));
    ImGui::SetCurrentContext(adopted);
}

} // namespace Quorvel::Testing
