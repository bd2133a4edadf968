// corvane-sim: the simulated host program (see host/Program.h).

#include <string>
#include <vector>

#include "host/Program.h"

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return Corvane::Host::RunProgram(arguments);
}
