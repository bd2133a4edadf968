#pragma once
// What a console-command handler works with. The plugin builds one in onLoad and its
// registered handlers pass it, with the typed arguments, to the functions in tools/.

#include <functional>
#include <memory>
#include <string>

#include "core/DollyCam.h"
#include "corvane/wrappers/CVarManagerWrapper.h"
#include "corvane/wrappers/GameWrapper.h"

struct CommandContext {
    std::shared_ptr<DollyCam> dollyCam;
    std::shared_ptr<CVarManagerWrapper> cvarManager;
    std::shared_ptr<GameWrapper> gameWrapper;
    // Bound to dolly_path_directory; empty means the data folder's "campaths".
    std::shared_ptr<std::string> pathDirectory;
    // The replay free-fly camera is in use.
    std::function<bool()> isInFlycam;
};
