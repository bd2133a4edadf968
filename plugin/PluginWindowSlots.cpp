// The settings window's side of the host interface.

#include <imgui.h>

#include "plugin/DollyCamPlugin.h"
#include "ui/SettingsWindow.h"

WindowContext DollyCamPlugin::MakeWindowContext() {
    return WindowContext{*dollyCam,
                         *cvarManager,
                         *gameWrapper,
                         selectedFrame,
                         autoModeWaypointCount,
                         orbitView,
                         gizmo,
                         referenceShapes,
                         panels,
                         pathTools,
                         isWindowOpen,
                         blockGameInput,
                         history,
                         [this](HistoryStep step) {
                             StepHistory(step);
                         }};
}

void DollyCamPlugin::DrawWindow() {
    Guarded("DrawWindow", [this] {
        // The host hands its context over before drawing; without one there is nowhere to draw.
        if (ImGui::GetCurrentContext() == nullptr)
            return;
        WindowContext ctx = MakeWindowContext();
        DrawSettingsWindow(ctx);
        // A drag, a slider or a typed field is one step from activation to release.
        windowGestureHeld = ImGui::IsAnyItemActive() || panels.timeline.Active();
        CheckpointHistoryUnlessHeld();
    });
}

std::string DollyCamPlugin::WindowMenuName() {
    return kWindowMenuName;
}

std::string DollyCamPlugin::WindowMenuTitle() {
    return kWindowTitle;
}

void DollyCamPlugin::AdoptImGuiContext(std::uintptr_t context) {
    // The plugin carries its own copy of the library; drawing goes into the host's frame
    // through the host's context.
    ImGui::SetCurrentContext(reinterpret_cast<ImGuiContext*>(context));
}

bool DollyCamPlugin::WantsInputBlocked() {
    return blockGameInput;
}

bool DollyCamPlugin::IsOverlayActive() {
    return true;
}

void DollyCamPlugin::WindowOpened() {
    isWindowOpen = true;
}

void DollyCamPlugin::WindowClosed() {
    isWindowOpen = false;
    // No frame of the window will come to release what it held.
    windowGestureHeld = false;
}
