#include <cmath>

#include "tests/oracle/Angles.h"
#include "tests/oracle/InterpStrategies.h"
#include "tests/oracle/PoseValues.h"

namespace Oracle {

namespace {

// Up to this degree (21 waypoints) the binomial coefficient is the exact factorial quotient in
// 64-bit integers; 21! no longer fits.
constexpr int kMaxExactDegree = 20;

// C(n, i) (1 - t)^(n - i) t^i in log space, for degrees whose coefficient or powers would
// overflow or underflow on their own (C(1030, 515) exceeds double; 0.5^1100 is 0). oneMinusT is
// formed in float as at low degrees. Far outside [0, 1] the term itself can be infinite; the
// pose guard then reports no value.
double BernsteinLogSpace(int n, int i, double oneMinusT, double t) {
    double logTerm = std::lgamma(n + 1.0) - std::lgamma(i + 1.0) - std::lgamma(n - i + 1.0);
    bool negative = false;
    const int powers[2] = {n - i, i};
    const double bases[2] = {oneMinusT, t};
    for (int k = 0; k < 2; ++k) {
        if (powers[k] == 0)
            continue; // x^0 is 1, also for x = 0
        if (bases[k] == 0.0)
            return 0.0;
        logTerm += powers[k] * std::log(std::fabs(bases[k]));
        negative = negative != (bases[k] < 0.0 && powers[k] % 2 == 1);
    }
    const double term = std::exp(logTerm);
    return negative ? -term : term;
}

// Whole rotator units; a later waypoint's value is unwrapped against the running total so the
// curve turns the shorter way.
int UnwrapWhole(int running, float stored) {
    const float delta = WrapAngleDelta(stored - static_cast<float>(running));
    return TruncateToInt(static_cast<double>(running) + static_cast<double>(TruncateToInt(delta)));
}

} // namespace

NBezierInterpStrategy::NBezierInterpStrategy(const SnapshotMap& path, int chaikinDegree)
    : InterpStrategy(path, chaikinDegree) {}

std::uint64_t NBezierInterpStrategy::Factorial(std::uint64_t k) {
    const auto cached = factorialCache.find(k);
    if (cached != factorialCache.end())
        return cached->second;
    const std::uint64_t value = k < 2 ? 1 : k * Factorial(k - 1);
    factorialCache[k] = value;
    return value;
}

float NBezierInterpStrategy::Bernstein(int n, int i, float t) {
    const float oneMinusT = 1.0f - t;
    if (n > kMaxExactDegree)
        return static_cast<float>(
            BernsteinLogSpace(n, i, static_cast<double>(oneMinusT), static_cast<double>(t)));
    const auto un = static_cast<std::uint64_t>(n);
    const auto ui = static_cast<std::uint64_t>(i);
    const auto c = static_cast<float>(Factorial(un) / (Factorial(ui) * Factorial(un - ui)));
    const double powers =
        std::pow(static_cast<double>(oneMinusT), n - i) * std::pow(static_cast<double>(t), i);
    return c * static_cast<float>(powers);
}

CameraPose NBezierInterpStrategy::Evaluate(float time, int /*frame*/) {
    if (waypoints->empty())
        return CameraPose{};
    const int n = static_cast<int>(waypoints->size()) - 1;
    const float first = waypoints->begin()->second.timestamp;
    const float span = waypoints->rbegin()->second.timestamp - first;
    // All waypoints at one moment: the curve is read at its start rather than at 0/0.
    const float t = span == 0.0f ? 0.0f : (time - first) / span;

    CameraPose pose;
    int pitch = 0, yaw = 0, roll = 0; // running whole-unit rotation, unwrapped along the path
    int i = 0;
    for (const auto& [key, w] : *waypoints) {
        const float b = Bernstein(n, i, t);
        pose.x += b * w.location.X;
        pose.y += b * w.location.Y;
        pose.z += b * w.location.Z;
        pose.FOV += (w.weight * w.FOV) * b;
        if (i == 0) {
            pitch = TruncateToInt(w.rotation.pitch);
            yaw = TruncateToInt(w.rotation.yaw);
            roll = TruncateToInt(w.rotation.roll);
        } else {
            pitch = UnwrapWhole(pitch, w.rotation.pitch);
            yaw = UnwrapWhole(yaw, w.rotation.yaw);
            roll = UnwrapWhole(roll, w.rotation.roll);
        }
        pose.pitch += std::trunc(static_cast<float>(pitch) * b);
        pose.yaw += std::trunc(static_cast<float>(yaw) * b);
        pose.roll += std::trunc(static_cast<float>(roll) * b);
        ++i;
    }
    return FiniteOrZero(pose);
}

} // namespace Oracle
