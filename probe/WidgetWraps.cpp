// ImGui's widget functions as the plugin's own objects call them. The linker sends those calls
// here (-Wl,--wrap=SYMBOL, see probe/CMakeLists.txt), hence the mangled names: each one draws
// through the library's function (__real_SYMBOL), then reports what it drew
// (probe/ItemReport.h). Calls inside the library between its own objects come here too, which
// reports nothing new: windows without a title bar are skipped and the first report of a label
// in a frame is the one a host keeps.

#include <imgui.h>

#include <cstddef>

#include "probe/ItemReport.h"

using Quorvel::Probe::DrawnItem;

extern "C" {

// --- Buttons -----------------------------------------------------------------------------------

bool __real__ZN5ImGui6ButtonEPKcRK6ImVec2(const char* label, const ImVec2& size);
bool __wrap__ZN5ImGui6ButtonEPKcRK6ImVec2(const char* label, const ImVec2& size) {
    const DrawnItem item(label);
    return item.Report(__real__ZN5ImGui6ButtonEPKcRK6ImVec2(label, size));
}

bool __real__ZN5ImGui11SmallButtonEPKc(const char* label);
bool __wrap__ZN5ImGui11SmallButtonEPKc(const char* label) {
    const DrawnItem item(label);
    return item.Report(__real__ZN5ImGui11SmallButtonEPKc(label));
}

bool __real__ZN5ImGui15InvisibleButtonEPKcRK6ImVec2i(const char* id, const ImVec2& size,
                                                     ImGuiButtonFlags flags);
bool __wrap__ZN5ImGui15InvisibleButtonEPKcRK6ImVec2i(const char* id, const ImVec2& size,
                                                     ImGuiButtonFlags flags) {
    const DrawnItem item(id);
    return item.Report(__real__ZN5ImGui15InvisibleButtonEPKcRK6ImVec2i(id, size, flags));
}

bool __real__ZN5ImGui10SelectableEPKcbiRK6ImVec2(const char* label, bool selected,
                                                 ImGuiSelectableFlags flags, const ImVec2& size);
bool __wrap__ZN5ImGui10SelectableEPKcbiRK6ImVec2(const char* label, bool selected,
                                                 ImGuiSelectableFlags flags, const ImVec2& size) {
    const DrawnItem item(label);
    return item.Report(__real__ZN5ImGui10SelectableEPKcbiRK6ImVec2(label, selected, flags, size));
}

bool __real__ZN5ImGui10SelectableEPKcPbiRK6ImVec2(const char* label, bool* selected,
                                                  ImGuiSelectableFlags flags, const ImVec2& size);
bool __wrap__ZN5ImGui10SelectableEPKcPbiRK6ImVec2(const char* label, bool* selected,
                                                  ImGuiSelectableFlags flags, const ImVec2& size) {
    const DrawnItem item(label);
    return item.Report(__real__ZN5ImGui10SelectableEPKcPbiRK6ImVec2(label, selected, flags, size));
}

bool __real__ZN5ImGui8CheckboxEPKcPb(const char* label, bool* value);
bool __wrap__ZN5ImGui8CheckboxEPKcPb(const char* label, bool* value) {
    const DrawnItem item(label);
    return item.Report(__real__ZN5ImGui8CheckboxEPKcPb(label, value));
}

// --- Inputs, drags and sliders -----------------------------------------------------------------

bool __real__ZN5ImGui9InputTextEPKcPcmiPFiP26ImGuiInputTextCallbackDataEPv(
    const char* label, char* text, std::size_t capacity, ImGuiInputTextFlags flags,
    ImGuiInputTextCallback callback, void* user);
bool __wrap__ZN5ImGui9InputTextEPKcPcmiPFiP26ImGuiInputTextCallbackDataEPv(
    const char* label, char* text, std::size_t capacity, ImGuiInputTextFlags flags,
    ImGuiInputTextCallback callback, void* user) {
    const DrawnItem item(label);
    return item.Report(__real__ZN5ImGui9InputTextEPKcPcmiPFiP26ImGuiInputTextCallbackDataEPv(
        label, text, capacity, flags, callback, user));
}

bool __real__ZN5ImGui8InputIntEPKcPiiii(const char* label, int* value, int step, int fastStep,
                                        ImGuiInputTextFlags flags);
bool __wrap__ZN5ImGui8InputIntEPKcPiiii(const char* label, int* value, int step, int fastStep,
                                        ImGuiInputTextFlags flags) {
    const DrawnItem item(label);
    return item.Report(__real__ZN5ImGui8InputIntEPKcPiiii(label, value, step, fastStep, flags));
}

bool __real__ZN5ImGui9DragFloatEPKcPffffS1_i(const char* label, float* value, float speed,
                                             float min, float max, const char* format,
                                             ImGuiSliderFlags flags);
bool __wrap__ZN5ImGui9DragFloatEPKcPffffS1_i(const char* label, float* value, float speed,
                                             float min, float max, const char* format,
                                             ImGuiSliderFlags flags) {
    const DrawnItem item(label);
    return item.Report(
        __real__ZN5ImGui9DragFloatEPKcPffffS1_i(label, value, speed, min, max, format, flags));
}

bool __real__ZN5ImGui11SliderFloatEPKcPfffS1_i(const char* label, float* value, float min,
                                               float max, const char* format,
                                               ImGuiSliderFlags flags);
bool __wrap__ZN5ImGui11SliderFloatEPKcPfffS1_i(const char* label, float* value, float min,
                                               float max, const char* format,
                                               ImGuiSliderFlags flags) {
    const DrawnItem item(label);
    return item.Report(
        __real__ZN5ImGui11SliderFloatEPKcPfffS1_i(label, value, min, max, format, flags));
}

bool __real__ZN5ImGui10ColorEdit4EPKcPfi(const char* label, float* colour,
                                         ImGuiColorEditFlags flags);
bool __wrap__ZN5ImGui10ColorEdit4EPKcPfi(const char* label, float* colour,
                                         ImGuiColorEditFlags flags) {
    const DrawnItem item(label);
    return item.Report(__real__ZN5ImGui10ColorEdit4EPKcPfi(label, colour, flags));
}

// --- Combos, sections and windows --------------------------------------------------------------

bool __real__ZN5ImGui10BeginComboEPKcS1_i(const char* label, const char* preview,
                                          ImGuiComboFlags flags);
bool __wrap__ZN5ImGui10BeginComboEPKcS1_i(const char* label, const char* preview,
                                          ImGuiComboFlags flags) {
    const DrawnItem item(label);
    return item.ReportCombo(__real__ZN5ImGui10BeginComboEPKcS1_i(label, preview, flags));
}

bool __real__ZN5ImGui16CollapsingHeaderEPKci(const char* label, ImGuiTreeNodeFlags flags);
bool __wrap__ZN5ImGui16CollapsingHeaderEPKci(const char* label, ImGuiTreeNodeFlags flags) {
    const DrawnItem item(label);
    return item.Report(__real__ZN5ImGui16CollapsingHeaderEPKci(label, flags));
}

bool __real__ZN5ImGui5BeginEPKcPbi(const char* name, bool* open, ImGuiWindowFlags flags);
bool __wrap__ZN5ImGui5BeginEPKcPbi(const char* name, bool* open, ImGuiWindowFlags flags) {
    const bool expanded = __real__ZN5ImGui5BeginEPKcPbi(name, open, flags);
    Quorvel::Probe::ReportWindow(name, open != nullptr);
    return expanded;
}

} // extern "C"
