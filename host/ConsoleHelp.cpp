#include "host/ConsoleHelp.h"

#include <vector>

namespace Corvane::Host {

namespace {

using Words = std::vector<std::string>;

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::string RangeText(const ValueRange& range) {
    if (range.hasMin && range.hasMax)
        return "range " + FormatNumber(range.min) + " to " + FormatNumber(range.max);
    if (range.hasMin)
        return "range " + FormatNumber(range.min) + " or more";
    if (range.hasMax)
        return "range " + FormatNumber(range.max) + " or less";
    return "any value";
}

void ListCommands(Console& console) {
    for (const auto& [name, description] : console.CommandDescriptions())
        console.Log(CommandHelpLine(name, description));
}

void DescribeName(Console& console, const std::string& name) {
    for (const auto& [command, description] : console.CommandDescriptions()) {
        if (command == name) {
            console.Log(CommandHelpLine(command, description));
            return;
        }
    }
    if (const ConsoleVariable* variable = console.Find(name))
        console.Log(VariableHelpLine(*variable));
    else
        console.Log("No command or variable named " + name);
}

void OnHelp(Console& console, const Words& words) {
    if (words.size() == 1)
        ListCommands(console);
    else if (words.size() == 2)
        DescribeName(console, words[1]);
    else
        console.Log("Usage: help [NAME]");
}

void OnCvarList(Console& console, const Words& words) {
    if (words.size() != 1) {
        console.Log("Usage: cvarlist");
        return;
    }
    for (const ConsoleVariable* variable : console.Variables())
        console.Log(variable->Name() + " = " + variable->Value());
}

} // namespace

std::string CommandHelpLine(const std::string& name, const std::string& description) {
    return description.empty() ? name : name + " - " + description;
}

std::string VariableHelpLine(const ConsoleVariable& variable) {
    const VariableSpec& spec = variable.Spec();
    return CommandHelpLine(spec.name, spec.description) + " (value " + Quoted(variable.Value()) +
           ", default " + Quoted(spec.defaultValue) + ", " + RangeText(spec.range) + ")";
}

void RegisterHelpCommands(Console& console) {
    console.RegisterHostCommand(
        "help", [&console](const Words& words) { OnHelp(console, words); },
        "List every command, or describe one command or variable: help [NAME]");
    console.RegisterHostCommand(
        "cvarlist", [&console](const Words& words) { OnCvarList(console, words); },
        "List every variable with its value");
}

} // namespace Corvane::Host
