#pragma once
// The corvane-sim program:
//   corvane-sim run SCRIPT [--data DIR] [--plugin PATH] [--track FILE.csv] [--echo]
//   corvane-sim demo [--out DIR]
//   corvane-sim sample PATH.json ... (host/SampleSession.h)
//   corvane-sim --help
// run: loads the plugin (default: quorvel.so beside the program) with the data folder DIR
// (default: host/DataFolder.h; created when missing), runs the script, unloads the plugin;
// --echo shows each console line of the script as "] LINE" before its answer.
// demo: the same with the embedded demo session, always echoed; its data folder is DIR or a
// new temporary folder, named on standard error.
// --help: the usage on standard output.
// A mistake on the command line (no or an unknown command, an unknown option, a missing
// value, a data folder that is a file) is one line on standard error, exit status 2.
// Exit status: 0 success; 1 a failed @expect; 2 a command-line mistake, an unreadable script,
// an unwritable track or configuration file, a refused plugin or a malformed script line;
// 3 the plugin failed.

#include <string>
#include <vector>

namespace Corvane::Host {

// arguments excludes the program name.
int RunProgram(const std::vector<std::string>& arguments);

} // namespace Corvane::Host
