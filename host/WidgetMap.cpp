#include "host/WidgetMap.h"

#include <algorithm>
#include <utility>

namespace Corvane::Host {

namespace {

void Record(void* user, const char* label, float minX, float minY, float maxX, float maxY) {
    static_cast<WidgetMap*>(user)->Add(label, WidgetRect{minX, minY, maxX, maxY});
}

} // namespace

WidgetMap::WidgetMap() : probe{CORVANE_WIDGET_PROBE_TAG, this, &Record} {}

void WidgetMap::BeginFrame() {
    drawing.clear();
}

void WidgetMap::Add(const std::string& label, const WidgetRect& rect) {
    drawing.emplace(label, rect);
}

void WidgetMap::EndFrame() {
    shown = std::move(drawing);
    drawing.clear();
}

std::optional<WidgetRect> WidgetMap::Find(const std::string& label) const {
    const auto found = shown.find(label);
    if (found == shown.end())
        return std::nullopt;
    return found->second;
}

std::vector<std::string> WidgetMap::Labels() const {
    std::vector<std::string> labels;
    for (const auto& [label, rect] : shown)
        labels.push_back(label);
    std::sort(labels.begin(), labels.end());
    return labels;
}

} // namespace Corvane::Host
