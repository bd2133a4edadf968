#include "host/Events.h"

#include <utility>

namespace Corvane::Host {

void Events::Hook(const std::string& eventName, GameWrapper::EventHandler handler) {
    if (handler)
        hooks[eventName].push_back(std::move(handler));
}

void Events::Fire(const std::string& eventName) {
    const auto found = hooks.find(eventName);
    if (found == hooks.end())
        return;
    const auto toRun = found->second;
    for (const auto& handler : toRun)
        guard.Run("the hook of", eventName, [&] { handler(eventName); });
}

int Events::HookCount(const std::string& eventName) const {
    const auto found = hooks.find(eventName);
    return found == hooks.end() ? 0 : static_cast<int>(found->second.size());
}

void Events::AddDrawable(GameWrapper::DrawableHandler handler) {
    if (handler)
        drawables.push_back(std::move(handler));
}

void Events::Draw(CanvasWrapper canvas) {
    const auto toRun = drawables;
    for (const auto& drawable : toRun)
        guard.Run("a drawable", "", [&] { drawable(canvas); });
}

void Events::ForgetPlugin() {
    hooks.clear();
    drawables.clear();
}

} // namespace Corvane::Host
