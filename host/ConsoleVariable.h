#pragma once
// One console variable: its registration, its text value, its bindings and change handlers.
// The text rules (reading numbers, clamping) are those of host/ValueText.h.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "corvane/wrappers/CVarWrapper.h"
#include "host/ValueText.h"

namespace Corvane::Host {

class Console;

struct VariableSpec {
    std::string name;
    std::string defaultValue;
    std::string description;
    bool searchable = true;
    ValueRange range;
    bool saveToConfig = true;
};

class ConsoleVariable {
public:
    ConsoleVariable(Console& console, VariableSpec spec);
    ConsoleVariable(const ConsoleVariable&) = delete;
    ConsoleVariable& operator=(const ConsoleVariable&) = delete;

    const VariableSpec& Spec() const { return spec; }
    const std::string& Name() const { return spec.name; }
    const std::string& Value() const { return value; }

    // Every set is reported, even one that leaves the text unchanged: the text is stored
    // (clamped), every binding is updated, then the handlers run in registration order with
    // the old text. A handler added while handlers run is first called at the next set.
    void Set(const std::string& text);
    void AddHandler(CVarWrapper::ValueChangedHandler handler);
    // The target takes the current value at once and follows every later set.
    void Bind(std::shared_ptr<bool> target);
    void Bind(std::shared_ptr<std::string> target);

    std::uintptr_t Address() const { return reinterpret_cast<std::uintptr_t>(this); }
    static ConsoleVariable* FromAddress(std::uintptr_t address) {
        return reinterpret_cast<ConsoleVariable*>(address);
    }

private:
    void UpdateBindings() const;

    Console& console;
    VariableSpec spec;
    std::string value;
    std::vector<CVarWrapper::ValueChangedHandler> handlers;
    std::vector<std::shared_ptr<bool>> boolTargets;
    std::vector<std::shared_ptr<std::string>> textTargets;
};

} // namespace Corvane::Host
