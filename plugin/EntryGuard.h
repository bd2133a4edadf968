#pragma once
// The one place where exceptions stop: every entry point the host calls runs its body
// through RunGuarded, so a failure becomes one console line and the host carries on.

#include <functional>

#include "corvane/wrappers/CVarManagerWrapper.h"

void RunGuarded(CVarManagerWrapper* console, const char* entryPoint,
                const std::function<void()>& body);
