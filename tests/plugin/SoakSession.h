#pragma once
// A long seeded random session through the host's library, as a user with a mouse in one hand
// and the console in the other would drive it: console commands and variables with ordinary,
// boundary and malformed arguments, the settings window's widgets by label, mouse drags and
// the wheel over the view, replay jumps and pauses, leaving and re-entering, the window opened
// and closed, undo and redo. After every game frame it checks tests/support/SessionInvariants.h.
// The same seed gives the same session.

#include <cstdint>
#include <deque>
#include <random>
#include <string>
#include <vector>

#include "tests/support/TestHost.h"

class DollyCamPlugin;

namespace Quorvel::Testing {

struct SoakCounts {
    long frames = 0;
    long commands = 0; // console lines, variables included
    long widgetActions = 0;
    long mouseGestures = 0;
    long worldEvents = 0;
};

class SoakSession {
public:
    SoakSession(TestHost& host, DollyCamPlugin& plugin, std::uint32_t seed);

    // Runs random actions until `frames` game frames have run or an invariant breaks; returns
    // the broken invariant with the actions that led to it, or "".
    std::string Run(long frames);
    const SoakCounts& Counts() const { return counts; }

private:
    void Act();
    void Console();
    void Widget();
    void ViewportGesture();
    void World();
    void Keys();

    // One game frame, checked.
    void Frame();
    std::string Argument();
    std::string FileName();
    template <typename T> const T& Pick(const std::vector<T>& from);
    int Uniform(int low, int high);
    void Note(const std::string& action);

    TestHost& host;
    DollyCamPlugin& plugin;
    std::mt19937 random;
    SoakCounts counts;
    std::string broken;
    std::deque<std::string> recent; // the last actions, for the report
};

} // namespace Quorvel::Testing
