#include "ui/FiniteDrag.h"

#include <imgui_internal.h>

#include <cmath>

namespace {

// The window's storage slot for a drag's mark, apart from anything ImGui keeps under its ID.
ImGuiID MarkKey(ImGuiID drag) {
    static const char kSalt[] = "refusal reported";
    return ImHashData(&drag, sizeof drag, ImHashStr(kSalt));
}

} // namespace

DragEdit DragFiniteFloat(const char* label, float* value, float speed, float min, float max,
                         const char* format) {
    // min == max is ImGui's "no range".
    const ImGuiSliderFlags flags = min < max ? ImGuiSliderFlags_AlwaysClamp : 0;
    const ImGuiID drag = ImGui::GetID(label);
    // Checked before drawing: the frame that ends an edit may still offer its refused value.
    if (ImGui::GetActiveID() != drag && RefusalReported(drag))
        ImGui::GetStateStorage()->SetBool(MarkKey(drag), false);
    float edited = *value;
    const bool changed = ImGui::DragFloat(label, &edited, speed, min, max, format, flags);
    DragEdit edit = DragEdit::None;
    if (changed && std::isfinite(edited)) {
        *value = edited;
        edit = DragEdit::Changed;
    } else if (changed && !RefusalReported(drag)) {
        MarkRefusalReported(drag);
        edit = DragEdit::Refused;
    }
    return edit;
}

ImGuiID LastItemId() {
    return ImGui::GetItemID();
}

bool RefusalReported(ImGuiID drag) {
    return ImGui::GetStateStorage()->GetBool(MarkKey(drag), false);
}

void MarkRefusalReported(ImGuiID drag) {
    ImGui::GetStateStorage()->SetBool(MarkKey(drag), true);
}
