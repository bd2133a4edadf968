#pragma once
// A stand-in for the host console, so the strategy tests run without the host: the few console
// wrapper methods the strategies call are defined over one FakeConsole.

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "corvane/wrappers/CVarManagerWrapper.h"

struct FakeConsole {
    std::map<std::string, int> intVariables; // a missing name reads as a null variable
    std::vector<std::string> lines;          // everything logged, in order

    // A console handle over this object; valid while it lives.
    std::shared_ptr<CVarManagerWrapper> Handle();
};
