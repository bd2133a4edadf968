#pragma once
// Event hooks by script-function name and drawables, as registered by the plugin. Both are
// called through the guard, in registration order. A handler registered or removed while
// handlers run takes effect from the next firing.

#include <map>
#include <string>
#include <vector>

#include "corvane/wrappers/GameWrapper.h"
#include "host/Guard.h"

namespace Corvane::Host {

class Events {
public:
    explicit Events(Guard& guard) : guard(guard) {}

    void Hook(const std::string& eventName, GameWrapper::EventHandler handler);
    // Runs every handler hooked to eventName with that name.
    void Fire(const std::string& eventName);
    int HookCount(const std::string& eventName) const;

    void AddDrawable(GameWrapper::DrawableHandler handler);
    void RemoveDrawables() { drawables.clear(); }
    int DrawableCount() const { return static_cast<int>(drawables.size()); }
    void Draw(CanvasWrapper canvas);

    // Releases every handler (they may live in the plugin's module, which is closed next).
    void ForgetPlugin();

private:
    Guard& guard;
    std::map<std::string, std::vector<GameWrapper::EventHandler>> hooks;
    std::vector<GameWrapper::DrawableHandler> drawables;
};

} // namespace Corvane::Host
