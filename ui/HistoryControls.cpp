#include "ui/HistoryControls.h"

#include <imgui.h>

#include <string>

namespace {

// True when pressed; disabled without a step, whose name the tooltip shows otherwise.
bool HistoryButton(const char* label, const std::string& stepName) {
    const bool none = stepName.empty();
    ImGui::BeginDisabled(none);
    const bool pressed = ImGui::Button(label);
    ImGui::EndDisabled();
    if (!none && ImGui::IsItemHovered())
        ImGui::SetTooltip("%s", stepName.c_str());
    return pressed && !none;
}

bool KeyPressed(ImGuiKey key) {
    return ImGui::IsKeyPressed(ImGui::GetKeyIndex(key));
}

} // namespace

void DrawHistoryButtons(WindowContext& ctx) {
    ImGui::SameLine();
    if (HistoryButton("Undo", ctx.history.UndoName()))
        ctx.stepHistory(HistoryStep::Undo);
    ImGui::SameLine();
    if (HistoryButton("Redo", ctx.history.RedoName()))
        ctx.stepHistory(HistoryStep::Redo);
}

void HandleHistoryKeys(WindowContext& ctx) {
    const ImGuiIO& io = ImGui::GetIO();
    if (!io.KeyCtrl || io.WantTextInput ||
        !ImGui::IsWindowFocused(ImGuiFocusedFlags_RootAndChildWindows))
        return;
    if (KeyPressed(ImGuiKey_Z))
        ctx.stepHistory(io.KeyShift ? HistoryStep::Redo : HistoryStep::Undo);
    else if (KeyPressed(ImGuiKey_Y))
        ctx.stepHistory(HistoryStep::Redo);
}
