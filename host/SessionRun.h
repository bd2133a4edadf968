#pragma once
// One session of corvane-sim: load the plugin, run a script, unload.

#include <filesystem>
#include <string>

#include "host/Console.h"

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

// Runs the session and returns corvane-sim's exit status (0, 1, 2 or 3). A configuration
// file that cannot be written at the end turns a success into 2.
int RunSession(const SessionRun& run);

} // namespace Corvane::Host
