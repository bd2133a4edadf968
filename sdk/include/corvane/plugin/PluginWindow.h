#pragma once
// A plugin's settings window, drawn with the host's Dear ImGui context.
// The host calls DrawWindow once per frame while the window is open.

#include <cstdint>
#include <string>

namespace Corvane::Plugin {

class PluginWindow {
public:
    virtual void DrawWindow() = 0;
    // The name used by the host's "togglemenu NAME" command.
    virtual std::string WindowMenuName() = 0;
    virtual std::string WindowMenuTitle() = 0;
    // The host's ImGuiContext*, as an integer; the plugin makes it its current context.
    virtual void AdoptImGuiContext(std::uintptr_t context) = 0;
    virtual bool WantsInputBlocked() = 0;
    virtual bool IsOverlayActive() = 0;
    virtual void WindowOpened() = 0;
    virtual void WindowClosed() = 0;

protected:
    ~PluginWindow() = default;
};

} // namespace Corvane::Plugin
