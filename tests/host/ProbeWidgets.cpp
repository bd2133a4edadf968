#include "tests/host/ProbeWidgets.h"

#include <imgui.h>

#include <cstdio>

void ProbeWidgets::Draw() {
    ImGui::SetNextWindowPos(ImVec2(kWidgetsX, kWidgetsY), ImGuiCond_Always);
    ImGui::SetNextWindowSize(ImVec2(kWidgetsWidth, kWidgetsHeight), ImGuiCond_Always);
    ImGui::Begin("Widgets", &open);
    if (ImGui::Button("Press##probe"))
        ++presses;
    ImGui::Checkbox("Flag", &flag);
    ImGui::InputInt("Count", &count);
    ImGui::DragFloat("Speed", &speed, 0.01f);
    ImGui::SliderFloat("Level", &level, 0.0f, 1.0f);
    ImGui::InputText("Name", name, sizeof name);
    ImGui::End();
}

std::string ProbeWidgets::ValuesLine() const {
    char line[160];
    std::snprintf(line, sizeof line,
                  "widgets presses=%d flag=%d count=%d speed=%.2f level=%.2f name=%s", presses,
                  flag, count, double(speed), double(level), name);
    return line;
}
