#include "host/ConsoleVariable.h"

#include <utility>

#include "host/Console.h"

namespace Corvane::Host {

ConsoleVariable::ConsoleVariable(Console& console, VariableSpec spec)
    : console(console), spec(std::move(spec)) {
    value = ClampText(this->spec.defaultValue, this->spec.range);
}

void ConsoleVariable::Set(const std::string& text) {
    const Console::Nesting nesting(console, "setting " + spec.name);
    if (!nesting.Entered())
        return;
    const std::string oldValue = value;
    value = ClampText(text, spec.range);
    UpdateBindings();
    // A copy: a handler may add handlers, and a handler's own set must not disturb this loop.
    const auto toRun = handlers;
    for (const auto& handler : toRun) {
        console.GetGuard().Run("the value-changed handler of", spec.name,
                               [&] { handler(oldValue, CVarWrapper(Address())); });
    }
}

void ConsoleVariable::AddHandler(CVarWrapper::ValueChangedHandler handler) {
    if (handler)
        handlers.push_back(std::move(handler));
}

void ConsoleVariable::Bind(std::shared_ptr<bool> target) {
    if (!target)
        return;
    *target = ReadBool(value);
    boolTargets.push_back(std::move(target));
}

void ConsoleVariable::Bind(std::shared_ptr<std::string> target) {
    if (!target)
        return;
    *target = value;
    textTargets.push_back(std::move(target));
}

void ConsoleVariable::UpdateBindings() const {
    const bool flag = ReadBool(value);
    for (const auto& target : boolTargets)
        *target = flag;
    for (const auto& target : textTargets)
        *target = value;
}

} // namespace Corvane::Host
