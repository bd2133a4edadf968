#pragma once
// Case names: subject/what/.../implementation. The last part is "optimised" (the plugin as
// built) or "straightforward" (the frozen oracle); scripts/bench.sh pairs the two by the rest
// of the name.

#include <string>

namespace Quorvel::Bench {

inline constexpr const char* kOptimised = "optimised";
inline constexpr const char* kStraightforward = "straightforward";

inline std::string ModesName(int location, int rotation) {
    return "modes_" + std::to_string(location) + "_" + std::to_string(rotation);
}

inline std::string SpeedName(bool speedNormalisation) {
    return speedNormalisation ? "speed_norm_on" : "speed_norm_off";
}

} // namespace Quorvel::Bench
