// The guard that refuses typed values that are not finite, once per edit of a widget.

#include "ui/FiniteEdit.h"

#include <imgui_internal.h>

#include <cmath>

namespace {

// The window's storage slot for a widget's mark, apart from anything ImGui keeps under its ID.
ImGuiID MarkKey(ImGuiID widget) {
    static const char kSalt[] = "refusal reported";
    return ImHashData(&widget, sizeof widget, ImHashStr(kSalt));
}

} // namespace

WidgetEdit::WidgetEdit(const char* label) : id(ImGui::GetID(label)) {
    if (ImGui::GetActiveID() != id && RefusalReported(id))
        ImGui::GetStateStorage()->SetBool(MarkKey(id), false);
}

DragEdit WidgetEdit::Check(bool changed, bool finite) const {
    if (!changed)
        return DragEdit::None;
    if (finite)
        return DragEdit::Changed;
    if (RefusalReported(id))
        return DragEdit::None;
    MarkRefusalReported(id);
    return DragEdit::Refused;
}

bool AcceptEdit(DragEdit edit, CVarManagerWrapper& console, const char* message) {
    if (edit == DragEdit::Refused)
        console.log(message);
    return edit == DragEdit::Changed;
}

DragEdit DragFiniteFloat(const char* label, float* value, float speed, float min, float max,
                         const char* format) {
    const ImGuiSliderFlags flags = min < max ? ImGuiSliderFlags_AlwaysClamp : 0;
    const WidgetEdit guard(label);
    float edited = *value;
    const bool changed = ImGui::DragFloat(label, &edited, speed, min, max, format, flags);
    const DragEdit edit = guard.Check(changed, std::isfinite(edited));
    if (edit == DragEdit::Changed)
        *value = edited;
    return edit;
}

void DragRow::Add(DragEdit edit) {
    activated |= ImGui::IsItemActivated();
    refused |= edit == DragEdit::Refused;
    if (edit == DragEdit::Changed) {
        changed = true;
        changedDrag = ImGui::GetItemID();
    }
}

DragRow DragFiniteVector(const char* const labels[3], Vector& value, float speed, float min,
                         float max, const char* format) {
    DragRow row;
    float* components[] = {&value.X, &value.Y, &value.Z};
    ImGui::PushItemWidth(90.0f);
    for (int k = 0; k < 3; ++k) {
        if (k > 0)
            ImGui::SameLine();
        row.Add(DragFiniteFloat(labels[k], components[k], speed, min, max, format));
    }
    ImGui::PopItemWidth();
    return row;
}

bool RefusalReported(ImGuiID widget) {
    return ImGui::GetStateStorage()->GetBool(MarkKey(widget), false);
}

void MarkRefusalReported(ImGuiID widget) {
    ImGui::GetStateStorage()->SetBool(MarkKey(widget), true);
}
