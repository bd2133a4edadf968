// The window's look: dark red-brown surfaces with a coral accent.

#include <imgui.h>

#include "ui/SettingsWindow.h"

namespace {

ImVec4 Rgb(float r, float g, float b) {
    return ImVec4(r, g, b, 1.0f);
}

} // namespace

void ApplyWindowTheme(ImGuiStyle& style) {
    // Pixels.
    style.WindowRounding = 8.0f;
    style.ChildRounding = 8.0f;
    style.PopupRounding = 8.0f;
    style.FrameRounding = 8.0f;
    style.ScrollbarRounding = 8.0f;
    style.GrabRounding = 8.0f;
    style.TabRounding = 8.0f;
    style.FramePadding = ImVec2(6.0f, 4.0f);
    style.ItemSpacing = ImVec2(8.0f, 6.0f);

    ImVec4* c = style.Colors;
    c[ImGuiCol_Text] = Rgb(0.9f, 0.86f, 0.86f);
    c[ImGuiCol_TextDisabled] = Rgb(0.54f, 0.44f, 0.45f);
    c[ImGuiCol_WindowBg] = Rgb(0.078f, 0.047f, 0.051f);
    c[ImGuiCol_ChildBg] = Rgb(0.094f, 0.055f, 0.059f);
    c[ImGuiCol_PopupBg] = Rgb(0.094f, 0.055f, 0.059f);
    c[ImGuiCol_Border] = Rgb(0.29f, 0.145f, 0.157f);
    c[ImGuiCol_FrameBg] = Rgb(0.18f, 0.09f, 0.098f);
    c[ImGuiCol_FrameBgHovered] = Rgb(0.25f, 0.12f, 0.13f);
    c[ImGuiCol_FrameBgActive] = Rgb(0.3f, 0.14f, 0.15f);
    c[ImGuiCol_TitleBg] = Rgb(0.11f, 0.063f, 0.067f);
    c[ImGuiCol_TitleBgActive] = Rgb(0.16f, 0.085f, 0.09f);
    c[ImGuiCol_TitleBgCollapsed] = Rgb(0.11f, 0.063f, 0.067f);
    c[ImGuiCol_ScrollbarBg] = Rgb(0.078f, 0.047f, 0.051f);
    c[ImGuiCol_ScrollbarGrab] = Rgb(0.29f, 0.145f, 0.157f);
    c[ImGuiCol_ScrollbarGrabHovered] = Rgb(0.9f, 0.32f, 0.34f);
    c[ImGuiCol_ScrollbarGrabActive] = Rgb(1.0f, 0.42f, 0.42f);
    c[ImGuiCol_CheckMark] = Rgb(1.0f, 0.42f, 0.42f);
    c[ImGuiCol_SliderGrab] = Rgb(1.0f, 0.42f, 0.42f);
    c[ImGuiCol_SliderGrabActive] = Rgb(1.0f, 0.55f, 0.55f);
    c[ImGuiCol_Button] = Rgb(0.18f, 0.09f, 0.098f);
    c[ImGuiCol_ButtonHovered] = Rgb(0.29f, 0.145f, 0.157f);
    c[ImGuiCol_ButtonActive] = Rgb(0.9f, 0.32f, 0.34f);
    c[ImGuiCol_Header] = Rgb(0.25f, 0.122f, 0.133f);
    c[ImGuiCol_HeaderHovered] = Rgb(0.32f, 0.16f, 0.172f);
    c[ImGuiCol_HeaderActive] = Rgb(0.9f, 0.32f, 0.34f);
    c[ImGuiCol_Separator] = Rgb(0.3f, 0.15f, 0.16f);
    c[ImGuiCol_SeparatorHovered] = Rgb(1.0f, 0.42f, 0.42f);
    c[ImGuiCol_SeparatorActive] = Rgb(1.0f, 0.55f, 0.55f);
}
