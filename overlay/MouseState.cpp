#include "overlay/MouseState.h"

#include <imgui.h>

#include <algorithm>
#include <cmath>

namespace {

// Wide enough for any screen, narrow enough that the pixel arithmetic cannot overflow.
constexpr float kPixelLimit = 1.0e7f;

int ToPixel(float value) {
    return static_cast<int>(std::clamp(value, -kPixelLimit, kPixelLimit));
}

float FiniteOrZero(float value) {
    return std::isfinite(value) ? value : 0.0f;
}

} // namespace

MouseState ReadMouseState() {
    MouseState state;
    if (ImGui::GetCurrentContext() == nullptr)
        return state;
    const ImGuiIO& io = ImGui::GetIO();
    state.hasContext = true;
    state.hasPosition = ImGui::IsMousePosValid(&io.MousePos) && std::isfinite(io.MousePos.x) &&
                        std::isfinite(io.MousePos.y);
    if (state.hasPosition)
        state.position = Vector2(ToPixel(io.MousePos.x), ToPixel(io.MousePos.y));
    state.leftDown = io.MouseDown[0];
    state.leftClicked = io.MouseClicked[0];
    state.rightDown = io.MouseDown[1];
    state.wheel = FiniteOrZero(io.MouseWheel);
    state.deltaX = FiniteOrZero(io.MouseDelta.x);
    state.deltaY = FiniteOrZero(io.MouseDelta.y);
    state.overImGui = io.WantCaptureMouse || ImGui::IsWindowHovered(ImGuiHoveredFlags_AnyWindow) ||
                      ImGui::IsAnyItemHovered() || ImGui::IsAnyItemActive();
    return state;
}
