#pragma once
// The session `corvane-sim demo` runs: a short tour of the plugin in a replay.

namespace Corvane::Host {

const char* DemoScript();

} // namespace Corvane::Host
