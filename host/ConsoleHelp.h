#pragma once
// The host's console help: the commands a user types to find their way around the console.
//
//   help           every command, one line each in name order: "NAME - DESCRIPTION" ("NAME"
//                  alone when it has no description)
//   help NAME      that command's line, or for a variable one line with its description,
//                  value, default and range:
//                    NAME - DESCRIPTION (value "V", default "D", range 0 to 20)
//                  the range reads "range 0 to 20", "range 100 or more", "range 5 or less"
//                  or "any value"; a name that is neither logs
//                    No command or variable named NAME
//   cvarlist       every variable, one line each in name order, as typing its name shows
//                  it: "NAME = VALUE"
// A name that is both a command and a variable is described as the command, which is what
// typing it runs. More words than these log the command's usage line.

#include <string>

#include "host/Console.h"
#include "host/ConsoleVariable.h"

namespace Corvane::Host {

void RegisterHelpCommands(Console& console);

// The lines of help NAME.
std::string CommandHelpLine(const std::string& name, const std::string& description);
std::string VariableHelpLine(const ConsoleVariable& variable);

} // namespace Corvane::Host
