#pragma once
// The look the window's panels share: heading colours, the one-off coloured buttons, and the
// waypoint dots that the timeline and the motion graph draw alike. ImVec4 colours are RGBA
// floats in 0..1.

#include <imgui.h>

inline const ImVec4 kHeadingRed(1.0f, 0.42f, 0.42f, 1.0f);
inline const ImVec4 kHeadingOrange(1.0f, 0.65f, 0.1f, 1.0f); // also warnings

// A button's colour and hovered colour, pushed for that button only.
struct ButtonColours {
    ImVec4 normal;
    ImVec4 hovered;
};

inline const ButtonColours kDeleteButton{ImVec4(0.55f, 0.1f, 0.1f, 1.0f),
                                         ImVec4(0.8f, 0.15f, 0.15f, 1.0f)};
inline const ButtonColours kActiveButton{ImVec4(0.15f, 0.55f, 0.15f, 1.0f),
                                         ImVec4(0.2f, 0.75f, 0.2f, 1.0f)};
inline const ButtonColours kDivider{ImVec4(0.29f, 0.145f, 0.157f, 1.0f),
                                    ImVec4(0.45f, 0.22f, 0.24f, 1.0f)};

inline constexpr ImU32 kDotOutline = IM_COL32(220, 220, 220, 200);

// A waypoint's dot: the first and last waypoints' colour wins over the selected one.
inline ImU32 WaypointDotColour(bool endDot, bool selected) {
    if (endDot)
        return IM_COL32(180, 80, 255, 255);
    return selected ? IM_COL32(255, 140, 30, 255) : IM_COL32(50, 150, 255, 255);
}

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

// What a panel that needs a path shows without one.
inline void DrawNoWaypoints() {
    ImGui::TextColored(kHeadingOrange, "No waypoints.");
}
