// The settings window's side of the host interface.

#include <imgui.h>

#include "plugin/DollyCamPlugin.h"

void DollyCamPlugin::DrawWindow() {}

std::string DollyCamPlugin::WindowMenuName() {
    return "dollycam";
}

std::string DollyCamPlugin::WindowMenuTitle() {
    return "Quorvel";
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
}
