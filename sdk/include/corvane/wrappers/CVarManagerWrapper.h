#pragma once
// The host console: variables, commands (notifiers) and the log.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "corvane/wrappers/CVarWrapper.h"

class CVarManagerWrapper {
public:
    // The words of the typed line; element 0 is the command's own name.
    using NotifierHandler = std::function<void(std::vector<std::string> arguments)>;

    explicit CVarManagerWrapper(std::uintptr_t address = 0) : memory_address(address) {}

    CVarWrapper registerCvar(const std::string& name, const std::string& defaultValue,
                             const std::string& description = "", bool searchable = true,
                             bool hasMin = false, float min = 0.0f, bool hasMax = false,
                             float max = 0.0f, bool saveToConfig = true);
    void registerNotifier(const std::string& name, NotifierHandler handler,
                          const std::string& description, unsigned char permissions);
    // A null wrapper when no variable has that name.
    CVarWrapper getCvar(const std::string& name);
    // Runs a console line as if the user had typed it.
    void executeCommand(const std::string& command, bool log = true);
    // Prints one line on the host console.
    void log(const std::string& text);

private:
    std::uintptr_t memory_address;
};
