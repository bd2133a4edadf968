#pragma once
// The location/rotation mode pairs the oracle tests run: every mode for both channels, the
// pairs the settings window picks (cubic Hermite with the B-spline), and the two linear modes
// together (one shared strategy, yet not the same mode).

#include <ostream>
#include <string>
#include <vector>

namespace Quorvel::Testing {

struct ModePair {
    int location = 5;
    int rotation = 5;

    std::string Name() const {
        return "location" + std::to_string(location) + "_rotation" + std::to_string(rotation);
    }
};

inline void PrintTo(const ModePair& modes, std::ostream* out) {
    *out << "modes " << modes.location << "/" << modes.rotation;
}

inline const std::vector<ModePair>& ModePairs() {
    static const std::vector<ModePair> pairs = {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4},
                                                {5, 5}, {6, 6}, {7, 7}, {7, 5}, {0, 3}};
    return pairs;
}

} // namespace Quorvel::Testing
