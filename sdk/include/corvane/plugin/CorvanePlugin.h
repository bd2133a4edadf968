#pragma once
// The base of every plugin. The host fills the two handles, then calls onLoad.

#include <memory>

#include "corvane/wrappers/CVarManagerWrapper.h"
#include "corvane/wrappers/GameWrapper.h"

namespace Corvane::Plugin {

class CorvanePlugin {
public:
    std::shared_ptr<CVarManagerWrapper> cvarManager;
    std::shared_ptr<GameWrapper> gameWrapper;

    virtual void onLoad() {}
    virtual void onUnload() {}

protected:
    // Plugins are owned through the record's shared pointer; never deleted through this base.
    ~CorvanePlugin() = default;
};

} // namespace Corvane::Plugin
