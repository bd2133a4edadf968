#pragma once
// The session `corvane-sim demo` runs: a tour of the plugin in a replay, from recording a
// path to playing it, saving it and reshaping it.

#include <string>
#include <utility>
#include <vector>

namespace Corvane::Host {

const char* DemoScript();

// Files the demo expects in its data folder before it starts (relative path, contents):
// two path files that differ only in one waypoint's custom handles.
std::vector<std::pair<std::string, std::string>> DemoFiles();

} // namespace Corvane::Host
