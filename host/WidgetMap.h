#pragma once
// The plugin's widgets by label, in canvas pixels, as its widget probe reports them while a
// frame is drawn (corvane/probe/WidgetProbe.h): what scripts and tests click, drag and type
// into.
//
// Labels are the full labels given to ImGui, "##" part included; a window is its name (the
// title bar) and, when closable, its name followed by "#CLOSE" (the close button). Only
// visible widgets are reported. When a label comes twice in a frame, the first one counts.
// Lookups see the last frame rendered; the one being drawn replaces it when it ends.

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "corvane/probe/WidgetProbe.h"

namespace Corvane::Host {

struct WidgetRect {
    float minX = 0.0f;
    float minY = 0.0f;
    float maxX = 0.0f;
    float maxY = 0.0f;

    float CentreX() const { return (minX + maxX) / 2.0f; }
    float CentreY() const { return (minY + maxY) / 2.0f; }
};

class WidgetMap {
public:
    WidgetMap();
    WidgetMap(const WidgetMap&) = delete;
    WidgetMap& operator=(const WidgetMap&) = delete;

    // What the host puts in its ImGui context for the plugin's probe; it records here.
    CorvaneWidgetProbe* Probe() { return &probe; }

    void BeginFrame();
    void Add(const std::string& label, const WidgetRect& rect);
    void EndFrame();

    // In the last rendered frame.
    std::optional<WidgetRect> Find(const std::string& label) const;
    // Every label of the last rendered frame, in byte order.
    std::vector<std::string> Labels() const;

private:
    using Rects = std::unordered_map<std::string, WidgetRect>;

    CorvaneWidgetProbe probe;
    Rects drawing;
    Rects shown;
};

} // namespace Corvane::Host
