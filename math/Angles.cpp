#include "math/Angles.h"

#include <cmath>
#include <limits>

namespace Quorvel::Math {

namespace {

// Beyond this many turns the stepwise loop is replaced by a remainder.
constexpr double kMaxLoopTurns = 512.0;

template <typename T> T WrapStepwise(T delta) {
    while (delta > T(32768))
        delta -= T(65536);
    while (delta < T(-32768))
        delta += T(65536);
    return delta;
}

template <typename T> T WrapAny(T delta) {
    if (!std::isfinite(delta))
        return T(0);
    if (std::fabs(static_cast<double>(delta)) <= kMaxLoopTurns * 65536.0)
        return WrapStepwise(delta);
    // The remainder is exact in double; the result lies in (-65536, 65536) and the loop
    // finishes it in at most one step each way.
    return WrapStepwise(static_cast<T>(std::fmod(static_cast<double>(delta), 65536.0)));
}

} // namespace

float WrapAngleDelta(float delta) {
    return WrapAny(delta);
}
double WrapAngleDelta(double delta) {
    return WrapAny(delta);
}

int WholeRotatorUnits(float units) {
    constexpr double kMax = std::numeric_limits<int>::max();
    constexpr double kMin = std::numeric_limits<int>::min();
    const double whole = std::trunc(static_cast<double>(units));
    if (!(whole > kMin))
        return std::numeric_limits<int>::min();
    if (!(whole < kMax))
        return std::numeric_limits<int>::max();
    return static_cast<int>(whole);
}

} // namespace Quorvel::Math
