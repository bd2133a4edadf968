#pragma once
// What must hold after every game frame of a session, however it was driven: the promises the
// soak test and the console fuzzer check. Reads the plugin's state (it links the plugin's
// objects); drives nothing.

#include <string>

#include "plugin/DollyCamPlugin.h"
#include "tests/support/TestHost.h"

namespace Quorvel::Testing {

// "" when every invariant holds, else the first broken one in one line:
//   - no exception reached the host and no non-finite value was written to the camera;
//   - the camera the game holds is finite;
//   - every waypoint is keyed by its own frame and lies in the world, and the path spans at
//     most the limit;
//   - both strategies hold the current path (every waypoint, bit for bit, nothing outside its
//     span, and for the location strategy nothing more when nothing subdivides it): they were
//     rebuilt after each change;
//   - the undo history stays within its bounds of steps and kept bytes.
std::string BrokenInvariant(const TestHost& host, const DollyCamPlugin& plugin);

} // namespace Quorvel::Testing
