#pragma once
// Runs a session script, one line at a time, against a session whose plugin is loaded.
//
// A line is first stripped of a trailing carriage return and of white space at its start.
// Then: an empty line is skipped; a line starting with '#' is a comment; a line starting
// with '@' is a directive (host/ScriptDirectives.h); any other line is console input, run
// exactly as if typed (host/Console.h), and first echoed as "] LINE" when echoing is on.
//
// The run stops at the first line that fails, with the exit status and a message on the
// error stream naming the script and the line:
//   2  a directive that cannot be run:  NAME:LINE: REASON: LINE TEXT
//   1  a failed @expect:                NAME:LINE: @expect failed: expected "E", but ...
//   3  the plugin failed (an exception escaped it, or it wrote a non-finite camera value)
//      while the line ran:              NAME:LINE: the plugin failed while running: LINE TEXT
// A run that gets to the end returns 0.

#include <string>

#include "host/ScriptDirectives.h"
#include "host/Session.h"

namespace Corvane::Host {

class ScriptRunner {
public:
    ScriptRunner(Session& session, std::string scriptName);

    void SetTrack(TrackWriter* track) { directives.SetTrack(track); }
    void SetEcho(bool on) { echo = on; }
    int Run(const std::string& script);
    // One line (number is only used in messages); the status as for Run.
    int RunLine(const std::string& line, int number);

private:
    void RunConsoleLine(const std::string& line);
    int Fail(int status, int number, const std::string& message);

    Session& session;
    std::string scriptName;
    ScriptDirectives directives;
    bool echo = false;
};

} // namespace Corvane::Host
