// CVarManagerWrapper and CVarWrapper over the simulated console.

#include <utility>

#include "corvane/wrappers/CVarManagerWrapper.h"
#include "corvane/wrappers/CVarWrapper.h"
#include "host/Console.h"
#include "host/ConsoleVariable.h"
#include "host/ValueText.h"

using Corvane::Host::Console;
using Corvane::Host::ConsoleVariable;

namespace {

ConsoleVariable* VariableAt(std::uintptr_t address) {
    return ConsoleVariable::FromAddress(address);
}

} // namespace

// --- CVarManagerWrapper ------------------------------------------------------------------------

CVarWrapper CVarManagerWrapper::registerCvar(const std::string& name,
                                             const std::string& defaultValue,
                                             const std::string& description, bool searchable,
                                             bool hasMin, float min, bool hasMax, float max,
                                             bool saveToConfig) {
    Console* console = Console::FromAddress(memory_address);
    if (console == nullptr)
        return CVarWrapper();
    Corvane::Host::VariableSpec spec;
    spec.name = name;
    spec.defaultValue = defaultValue;
    spec.description = description;
    spec.searchable = searchable;
    spec.range = {hasMin, min, hasMax, max};
    spec.saveToConfig = saveToConfig;
    return CVarWrapper(console->Register(std::move(spec)).Address());
}

void CVarManagerWrapper::registerNotifier(const std::string& name, NotifierHandler handler,
                                          const std::string& description,
                                          unsigned char permissions) {
    if (Console* console = Console::FromAddress(memory_address))
        console->RegisterNotifier(name, std::move(handler), description, permissions);
}

CVarWrapper CVarManagerWrapper::getCvar(const std::string& name) {
    Console* console = Console::FromAddress(memory_address);
    ConsoleVariable* variable = console == nullptr ? nullptr : console->Find(name);
    return CVarWrapper(variable == nullptr ? 0 : variable->Address());
}

// The simulated console does not echo the lines it runs, so the log flag changes nothing.
void CVarManagerWrapper::executeCommand(const std::string& command, bool /*log*/) {
    if (Console* console = Console::FromAddress(memory_address))
        console->Execute(command);
}

void CVarManagerWrapper::log(const std::string& text) {
    if (Console* console = Console::FromAddress(memory_address))
        console->Log(text);
}

// --- CVarWrapper -----------------------------------------------------------------------------

std::string CVarWrapper::getCVarName() const {
    const ConsoleVariable* variable = VariableAt(memory_address);
    return variable == nullptr ? std::string() : variable->Name();
}

int CVarWrapper::getIntValue() const {
    const ConsoleVariable* variable = VariableAt(memory_address);
    return variable == nullptr ? 0 : Corvane::Host::ReadInt(variable->Value());
}

float CVarWrapper::getFloatValue() const {
    const ConsoleVariable* variable = VariableAt(memory_address);
    return variable == nullptr ? 0.0f : Corvane::Host::ReadFloat(variable->Value());
}

bool CVarWrapper::getBoolValue() const {
    const ConsoleVariable* variable = VariableAt(memory_address);
    return variable != nullptr && Corvane::Host::ReadBool(variable->Value());
}

std::string CVarWrapper::getStringValue() const {
    const ConsoleVariable* variable = VariableAt(memory_address);
    return variable == nullptr ? std::string() : variable->Value();
}

std::string CVarWrapper::getDescription() const {
    const ConsoleVariable* variable = VariableAt(memory_address);
    return variable == nullptr ? std::string() : variable->Spec().description;
}

void CVarWrapper::setValue(const std::string& value) {
    if (ConsoleVariable* variable = VariableAt(memory_address))
        variable->Set(value);
}

void CVarWrapper::setValue(int value) {
    setValue(std::to_string(value));
}

void CVarWrapper::setValue(float value) {
    setValue(Corvane::Host::FormatNumber(value));
}

void CVarWrapper::addOnValueChanged(ValueChangedHandler handler) {
    if (ConsoleVariable* variable = VariableAt(memory_address))
        variable->AddHandler(std::move(handler));
}

void CVarWrapper::bindTo(std::shared_ptr<bool> target) {
    if (ConsoleVariable* variable = VariableAt(memory_address))
        variable->Bind(std::move(target));
}

void CVarWrapper::bindTo(std::shared_ptr<std::string> target) {
    if (ConsoleVariable* variable = VariableAt(memory_address))
        variable->Bind(std::move(target));
}
