#include "ui/FiniteDrag.h"

#include <imgui.h>

#include <cmath>

DragEdit DragFiniteFloat(const char* label, float* value, float speed, float min, float max,
                         const char* format) {
    // min == max is ImGui's "no range".
    const ImGuiSliderFlags flags = min < max ? ImGuiSliderFlags_AlwaysClamp : 0;
    float edited = *value;
    if (!ImGui::DragFloat(label, &edited, speed, min, max, format, flags))
        return DragEdit::None;
    if (!std::isfinite(edited))
        return DragEdit::Refused;
    *value = edited;
    return DragEdit::Changed;
}
