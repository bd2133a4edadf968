#include "host/GuiContext.h"

#include <imgui.h>
#include <imgui_internal.h>

#include <cstdarg>
#include <cstdio>

#include "host/GuiInput.h"

namespace Corvane::Host {

namespace {

using ReportLine = std::function<void(const std::string&)>;

void ReportRecovery(void* userData, const char* format, ...) {
    char line[256];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(line, sizeof line, format, arguments);
    va_end(arguments);
    (*static_cast<const ReportLine*>(userData))(line);
}

} // namespace

GuiContext::GuiContext() {
    ImGuiContext* previous = ImGui::GetCurrentContext();
    context = ImGui::CreateContext();
    ImGui::SetCurrentContext(context);
    ImGuiIO& io = ImGui::GetIO();
    io.IniFilename = nullptr;
    io.LogFilename = nullptr;
    io.BackendRendererName = "corvane-sim";
    io.BackendFlags |= ImGuiBackendFlags_RendererHasVtxOffset;
    unsigned char* pixels = nullptr;
    io.Fonts->GetTexDataAsAlpha8(&pixels, &fontTexture.width, &fontTexture.height);
    fontTexture.alpha = pixels;
    io.Fonts->SetTexID(&fontTexture);
    MapKeys(io);
    context->TestEngine = widgets.Probe();
    ImGui::SetCurrentContext(previous);
}

GuiContext::~GuiContext() {
    ImGui::DestroyContext(context);
}

void GuiContext::MakeCurrent() const {
    ImGui::SetCurrentContext(context);
}

void GuiContext::BeginFrame(Vector2 displaySize, double seconds, const PointerFrame& pointer,
                            const KeyboardFrame& keyboard) {
    MakeCurrent();
    ImGuiIO& io = ImGui::GetIO();
    io.DisplaySize = ImVec2(float(displaySize.X), float(displaySize.Y));
    io.DeltaTime = float(seconds);
    FeedPointer(io, pointer);
    FeedKeyboard(io, keyboard);
    widgets.BeginFrame();
    ImGui::NewFrame();
    inFrame = true;
}

void GuiContext::CloseLeftOpen(const ReportLine& report) {
    if (!inFrame)
        return;
    MakeCurrent();
    ReportLine reportLine = report;
    ImGui::ErrorCheckEndFrameRecover(&ReportRecovery, &reportLine);
}

void GuiContext::EndFrame() {
    if (!inFrame)
        return;
    MakeCurrent();
    ImGui::Render();
    widgets.EndFrame();
    inFrame = false;
    rendered = true;
}

const ImDrawData* GuiContext::DrawData() const {
    if (!rendered)
        return nullptr;
    MakeCurrent();
    return ImGui::GetDrawData();
}

ImFont* GuiContext::DefaultFont() const {
    MakeCurrent();
    return ImGui::GetIO().Fonts->Fonts[0];
}

} // namespace Corvane::Host
