#pragma once
// One session of corvane-sim: load the plugin, run a script, unload.

#include <filesystem>
#include <functional>
#include <string>

#include "host/Console.h"
#include "host/ScriptRunner.h"

namespace Corvane::Host {

struct SessionRun {
    std::string scriptName;
    std::string script;
    std::filesystem::path dataFolder;
    std::filesystem::path plugin;
    std::filesystem::path track;
    // Where the plugin's console lines go; empty: standard output.
    Console::LogSink log;
    // Show every console line of the script as "] LINE" before it runs.
    bool echo = false;
};

// What a session does once its plugin has loaded, through the runner (set up with the run's
// track and echo); returns the exit status so far.
using SessionBody = std::function<int(ScriptRunner& runner)>;

// Runs the session and returns corvane-sim's exit status (0, 1, 2 or 3). A configuration
// file that cannot be written at the end turns a success into 2.
int RunSession(const SessionRun& run);
// The same with body in place of the run's script.
int RunSession(const SessionRun& run, const SessionBody& body);

} // namespace Corvane::Host
