#include "FakeConsole.h"

#include <cstdint>

#include "corvane/wrappers/CVarWrapper.h"

std::shared_ptr<CVarManagerWrapper> FakeConsole::Handle() {
    return std::make_shared<CVarManagerWrapper>(reinterpret_cast<std::uintptr_t>(this));
}

// A variable's address is that of its int in FakeConsole::intVariables.
CVarWrapper CVarManagerWrapper::getCvar(const std::string& name) {
    auto* console = reinterpret_cast<FakeConsole*>(memory_address);
    const auto found = console->intVariables.find(name);
    if (found == console->intVariables.end())
        return CVarWrapper();
    return CVarWrapper(reinterpret_cast<std::uintptr_t>(&found->second));
}

void CVarManagerWrapper::log(const std::string& text) {
    reinterpret_cast<FakeConsole*>(memory_address)->lines.push_back(text);
}

// A null variable reads as 0, as a stale one might.
int CVarWrapper::getIntValue() const {
    return memory_address == 0 ? 0 : *reinterpret_cast<const int*>(memory_address);
}
