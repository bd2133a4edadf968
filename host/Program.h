#pragma once
// The corvane-sim program:
//   corvane-sim run SCRIPT [--data DIR] [--plugin PATH] [--track FILE.csv]
//   corvane-sim demo [--out DIR]
// run: loads the plugin (default: quorvel.so beside the program) with the data folder DIR
// (default: host/DataFolder.h), runs the script, unloads the plugin.
// demo: the same with the embedded demo session; its data folder is DIR or a new temporary
// folder, named on standard error.
// Exit status: 0 success; 1 a failed @expect; 2 a usage error, an unreadable script or track
// file, a refused plugin or a malformed script line; 3 the plugin failed.

#include <string>
#include <vector>

namespace Corvane::Host {

// arguments excludes the program name.
int RunProgram(const std::vector<std::string>& arguments);

} // namespace Corvane::Host
