#pragma once
// Colours of the "Snapshots" section (RGBA floats), and the one-off coloured button: its colour
// and hovered colour are pushed for that button only.

#include <imgui.h>

inline const ImVec4 kHeadingRed(1.0f, 0.42f, 0.42f, 1.0f);
inline const ImVec4 kHeadingOrange(1.0f, 0.65f, 0.1f, 1.0f);
inline const ImVec4 kDeleteButton(0.55f, 0.1f, 0.1f, 1.0f);
inline const ImVec4 kDeleteButtonHovered(0.8f, 0.15f, 0.15f, 1.0f);
inline const ImVec4 kActiveButton(0.15f, 0.55f, 0.15f, 1.0f);
inline const ImVec4 kActiveButtonHovered(0.2f, 0.75f, 0.2f, 1.0f);
inline const ImVec4 kDivider(0.29f, 0.145f, 0.157f, 1.0f);
inline const ImVec4 kDividerHovered(0.45f, 0.22f, 0.24f, 1.0f);

struct ButtonColours {
    ImVec4 normal;
    ImVec4 hovered;
};

inline bool ColouredButton(const char* label, const ButtonColours& colours,
                           const ImVec2& size = ImVec2(0, 0)) {
    ImGui::PushStyleColor(ImGuiCol_Button, colours.normal);
    ImGui::PushStyleColor(ImGuiCol_ButtonHovered, colours.hovered);
    const bool pressed = ImGui::Button(label, size);
    ImGui::PopStyleColor(2);
    return pressed;
}

inline bool ColouredSmallButton(const char* label, const ButtonColours& colours) {
    ImGui::PushStyleColor(ImGuiCol_Button, colours.normal);
    ImGui::PushStyleColor(ImGuiCol_ButtonHovered, colours.hovered);
    const bool pressed = ImGui::SmallButton(label);
    ImGui::PopStyleColor(2);
    return pressed;
}
