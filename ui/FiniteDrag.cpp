#include "ui/FiniteDrag.h"

#include <imgui.h>

#include <cmath>

bool DragFiniteFloat(const char* label, float* value, float speed, float min, float max,
                     const char* format) {
    // min == max is ImGui's "no range".
    const ImGuiSliderFlags flags = min < max ? ImGuiSliderFlags_AlwaysClamp : 0;
    float edited = *value;
    if (!ImGui::DragFloat(label, &edited, speed, min, max, format, flags) || !std::isfinite(edited))
        return false;
    *value = edited;
    return true;
}
