#pragma once
// The host's Dear ImGui context, one per world. Its copy of the library is private to
// libcorvane.so; a plugin draws into it with its own copy, through the context's address
// (PluginWindow::AdoptImGuiContext).
//
// A frame: BeginFrame feeds the IO (display size in canvas pixels, seconds since the last
// frame, the pointer and the keyboard, host/GuiInput.h) and starts it; the plugin draws;
// CloseLeftOpen ends whatever the plugin left open; EndFrame renders it into draw data, which stays
// valid until the next BeginFrame. The default font is baked into an alpha texture (host/Texture.h)
// for the host's rasterizer. No settings file is read or written.
//
// The context carries the host's widget map (host/WidgetMap.h) for the plugin's widget probe
// to report into; each frame's widgets become readable when it ends.

#include <cstdint>
#include <functional>
#include <string>

#include "corvane/wrappers/WrapperStructs.h"
#include "host/KeyboardInput.h"
#include "host/PointerInput.h"
#include "host/Texture.h"
#include "host/WidgetMap.h"

struct ImGuiContext;
struct ImDrawData;
struct ImFont;

namespace Corvane::Host {

class GuiContext {
public:
    GuiContext();
    ~GuiContext();
    GuiContext(const GuiContext&) = delete;
    GuiContext& operator=(const GuiContext&) = delete;

    // The ImGuiContext* as an integer, as plugins receive it.
    std::uintptr_t Address() const { return reinterpret_cast<std::uintptr_t>(context); }
    // Makes this the current context of the host's copy of ImGui; every method does it too.
    void MakeCurrent() const;

    void BeginFrame(Vector2 displaySize, double seconds, const PointerFrame& pointer,
                    const KeyboardFrame& keyboard);
    // Ends every window, child window, group, tree node and pushed ID, style or colour the
    // frame still has open, giving one line for each to report.
    void CloseLeftOpen(const std::function<void(const std::string&)>& report);
    void EndFrame();

    // The draw data of the last frame ended; null before the first.
    const ImDrawData* DrawData() const;
    const Texture& FontTexture() const { return fontTexture; }
    ImFont* DefaultFont() const;
    // The widgets of the last frame ended.
    const WidgetMap& Widgets() const { return widgets; }

private:
    ImGuiContext* context = nullptr;
    Texture fontTexture;
    WidgetMap widgets;
    bool inFrame = false;
    bool rendered = false;
};

} // namespace Corvane::Host
