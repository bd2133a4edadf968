#include "host/Console.h"

#include <utility>

#include "host/ConsoleInput.h"

namespace Corvane::Host {

Console::Console(Guard& guard, LogSink sink) : guard(guard), sink(std::move(sink)) {}

ConsoleVariable& Console::Register(VariableSpec spec) {
    auto found = variables.find(spec.name);
    if (found != variables.end())
        return *found->second;
    const std::string name = spec.name;
    auto variable = std::make_unique<ConsoleVariable>(*this, std::move(spec));
    return *variables.emplace(name, std::move(variable)).first->second;
}

ConsoleVariable* Console::Find(const std::string& name) const {
    const auto found = variables.find(name);
    return found == variables.end() ? nullptr : found->second.get();
}

std::vector<const ConsoleVariable*> Console::Variables() const {
    std::vector<const ConsoleVariable*> list;
    list.reserve(variables.size());
    for (const auto& entry : variables)
        list.push_back(entry.second.get());
    return list;
}

void Console::RegisterNotifier(const std::string& name, CommandHandler handler,
                               const std::string& description, unsigned char permissions) {
    commands[name] = Command{std::move(handler), description, permissions, false};
}

void Console::RegisterHostCommand(const std::string& name, CommandHandler handler,
                                  const std::string& description) {
    commands[name] = Command{std::move(handler), description, 0, true};
}

bool Console::HasCommand(const std::string& name) const {
    return commands.count(name) != 0;
}

std::vector<std::pair<std::string, std::string>> Console::CommandDescriptions() const {
    std::vector<std::pair<std::string, std::string>> list;
    list.reserve(commands.size());
    for (const auto& [name, command] : commands)
        list.emplace_back(name, command.description);
    return list;
}

int Console::CommandPermissions(const std::string& name) const {
    const auto found = commands.find(name);
    if (found == commands.end() || found->second.ownedByHost)
        return -1;
    return found->second.permissions;
}

void Console::Execute(const std::string& line) {
    const std::vector<std::string> words = SplitConsoleLine(line);
    if (words.empty())
        return;
    const Nesting nesting(*this, "running \"" + line + "\"");
    if (!nesting.Entered())
        return;
    const std::string& name = words.front();
    const auto command = commands.find(name);
    if (command != commands.end()) {
        // A copy: the handler may register or replace commands while it runs.
        const Command toRun = command->second;
        RunCommand(toRun, words);
        return;
    }
    if (ConsoleVariable* variable = Find(name)) {
        if (words.size() >= 2)
            variable->Set(words[1]);
        else
            Log(name + " = " + variable->Value());
        return;
    }
    Log("Unknown command: " + name);
}

void Console::RunCommand(const Command& command, const std::vector<std::string>& words) {
    if (!command.handler)
        return;
    const char* kind = command.ownedByHost ? "the host command" : "the notifier";
    guard.Run(kind, words.front(), [&] { command.handler(words); });
}

void Console::Log(const std::string& text) {
    lastLine = text;
    ++lineCount;
    if (sink)
        sink(text);
}

void Console::Echo(const std::string& line) {
    if (sink)
        sink("] " + line);
}

void Console::ForgetPlugin() {
    variables.clear();
    for (auto it = commands.begin(); it != commands.end();) {
        if (it->second.ownedByHost)
            ++it;
        else
            it = commands.erase(it);
    }
}

Console::Nesting::Nesting(Console& console, const std::string& what) : console(console) {
    entered = console.depth < kMaxNesting;
    if (entered)
        ++console.depth;
    else
        console.guard.Report("console calls nested deeper than " + std::to_string(kMaxNesting) +
                             " levels while " + what);
}

Console::Nesting::~Nesting() {
    if (entered)
        --console.depth;
}

} // namespace Corvane::Host
