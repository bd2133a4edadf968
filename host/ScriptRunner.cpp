#include "host/ScriptRunner.h"

#include <sstream>
#include <utility>

namespace Corvane::Host {

ScriptRunner::ScriptRunner(Session& session, std::string scriptName)
    : session(session), scriptName(std::move(scriptName)), directives(session) {}

int ScriptRunner::Run(const std::string& script) {
    std::istringstream lines(script);
    std::string line;
    int number = 0;
    while (std::getline(lines, line)) {
        const int status = RunLine(line, ++number);
        if (status != 0)
            return status;
    }
    return 0;
}

int ScriptRunner::RunLine(const std::string& rawLine, int number) {
    std::string line = rawLine;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    const size_t start = line.find_first_not_of(" \t");
    if (start == std::string::npos || line[start] == '#')
        return 0;
    line.erase(0, start);

    const int faultsBefore = session.GetGuard().FaultCount();
    LineOutcome outcome;
    if (line.front() == '@')
        outcome = directives.Run(line);
    else
        RunConsoleLine(line);

    if (outcome.status == 2)
        return Fail(2, number, outcome.message + ": " + line);
    if (session.GetGuard().FaultCount() > faultsBefore)
        return Fail(3, number, "the plugin failed while running: " + line);
    if (outcome.status != 0)
        return Fail(outcome.status, number, outcome.message);
    return 0;
}

void ScriptRunner::RunConsoleLine(const std::string& line) {
    Console& console = session.GetConsole();
    if (echo)
        console.Echo(line);
    console.Execute(line);
}

int ScriptRunner::Fail(int status, int number, const std::string& message) {
    session.GetGuard().Errors() << "corvane-sim: " << scriptName << ":" << number << ": " << message
                                << '\n';
    return status;
}

} // namespace Corvane::Host
