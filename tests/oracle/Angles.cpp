#include "tests/oracle/Angles.h"

#include <cmath>

namespace Oracle {

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
    return WrapStepwise(static_cast<T>(std::fmod(static_cast<double>(delta), 65536.0)));
}

} // namespace

float WrapAngleDelta(float delta) {
    return WrapAny(delta);
}

double WrapAngleDelta(double delta) {
    return WrapAny(delta);
}

} // namespace Oracle
