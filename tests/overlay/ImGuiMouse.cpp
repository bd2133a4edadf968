#include "tests/overlay/ImGuiMouse.h"

#include <imgui.h>

namespace Quorvel::Testing {

ImGuiMouse::ImGuiMouse(TestHost& host, DollyCamPlugin& plugin)
    : host(host), context(ImGui::CreateContext()) {
    plugin.AdoptImGuiContext(reinterpret_cast<std::uintptr_t>(context));
    ImGuiIO& io = ImGui::GetIO();
    const Vector2 size = host.GetWorld().GetCanvas().Size();
    io.DisplaySize = ImVec2(static_cast<float>(size.X), static_cast<float>(size.Y));
    io.IniFilename = nullptr;
    unsigned char* pixels = nullptr;
    int width = 0, height = 0;
    io.Fonts->GetTexDataAsRGBA32(&pixels, &width, &height);
}

ImGuiMouse::~ImGuiMouse() {
    ImGui::DestroyContext(context);
}

void ImGuiMouse::Frame() {
    ImGui::SetCurrentContext(context);
    ImGuiIO& io = ImGui::GetIO();
    io.MousePos = ImVec2(x, y);
    io.MouseDown[0] = left;
    io.MouseDown[1] = right;
    io.MouseWheel = wheel;
    wheel = 0.0f;
    ImGui::NewFrame();
    if (windows)
        windows();
    host.Tick();
    ImGui::EndFrame();
}

void ImGuiMouse::MoveTo(int newX, int newY) {
    x = static_cast<float>(newX);
    y = static_cast<float>(newY);
    Frame();
}

void ImGuiMouse::Press(int newX, int newY) {
    left = true;
    MoveTo(newX, newY);
}

void ImGuiMouse::Release() {
    left = false;
    right = false;
    Frame();
}

void ImGuiMouse::PressRight(int newX, int newY) {
    right = true;
    MoveTo(newX, newY);
}

void ImGuiMouse::Scroll(float notches) {
    wheel = notches;
    Frame();
}

} // namespace Quorvel::Testing
