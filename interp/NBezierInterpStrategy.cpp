#include "interp/NBezierInterpStrategy.h"

#include <cmath>
#include <cstdint>
#include <utility>

#include "interp/PoseValues.h"
#include "math/Angles.h"

namespace {

// Up to this degree (21 waypoints) the binomial coefficient is the exact factorial quotient in
// 64-bit integers; 21! no longer fits.
constexpr int kMaxExactDegree = 20;
constexpr double kZeroInFloatLog = -104.0;

// Whole rotator units; a later waypoint's value is unwrapped against the running total so the
// curve turns the shorter way.
int UnwrapWhole(int running, float stored) {
    const float delta = Quorvel::Math::WrapAngleDelta(stored - static_cast<float>(running));
    return TruncateToInt(static_cast<double>(running) + static_cast<double>(TruncateToInt(delta)));
}

// k! for k <= 20, exact.
std::uint64_t Factorial(int k) {
    std::uint64_t value = 1;
    for (int j = 2; j <= k; ++j)
        value *= static_cast<std::uint64_t>(j);
    return value;
}

} // namespace

NBezierInterpStrategy::NBezierInterpStrategy(const std::shared_ptr<SnapshotMap>& path,
                                             int chaikinDegree)
    : InterpStrategy(path, chaikinDegree) {}

NBezierInterpStrategy::NBezierInterpStrategy(std::shared_ptr<const PathPoints> points)
    : InterpStrategy(std::move(points)) {}

void NBezierInterpStrategy::Prepare() {
    prepared = true;
    const int n = static_cast<int>(Size()) - 1;
    degree = n;
    controls.resize(Size());
    weights.resize(Size());
    int pitch = 0, yaw = 0, roll = 0; // running whole-unit rotation, unwrapped along the path
    for (int i = 0; i <= n; ++i) {
        const CameraSnapshot& w = At(static_cast<std::size_t>(i));
        ControlPoint& c = controls[static_cast<std::size_t>(i)];
        c.location = w.location;
        c.weightedFov = w.weight * w.FOV;
        if (i == 0) {
            pitch = TruncateToInt(w.rotation.pitch);
            yaw = TruncateToInt(w.rotation.yaw);
            roll = TruncateToInt(w.rotation.roll);
        } else {
            pitch = UnwrapWhole(pitch, w.rotation.pitch);
            yaw = UnwrapWhole(yaw, w.rotation.yaw);
            roll = UnwrapWhole(roll, w.rotation.roll);
        }
        c.pitch = static_cast<float>(pitch);
        c.yaw = static_cast<float>(yaw);
        c.roll = static_cast<float>(roll);
        if (n > kMaxExactDegree) {
            c.logCoefficient =
                std::lgamma(n + 1.0) - std::lgamma(i + 1.0) - std::lgamma(n - i + 1.0);
        } else {
            c.coefficient = static_cast<float>(Factorial(n) / (Factorial(i) * Factorial(n - i)));
        }
    }
}

// Above degree 20, C(n, i) (1 - t)^(n - i) t^i is formed in log space, as its coefficient or
// powers would overflow or underflow on their own (C(1030, 515) exceeds double; 0.5^1100 is 0).
// Far outside [0, 1] the term itself can be infinite; the pose guard then reports no value.
// The logarithms of |1 - t| and |t| are the caller's, taken once for all control points.
float NBezierInterpStrategy::Bernstein(int i, float t, double logAbsOneMinusT,
                                       double logAbsT) const {
    const int n = degree;
    const float oneMinusT = 1.0f - t;
    const ControlPoint& c = controls[static_cast<std::size_t>(i)];
    if (n <= kMaxExactDegree) {
        const double powers =
            std::pow(static_cast<double>(oneMinusT), n - i) * std::pow(static_cast<double>(t), i);
        return c.coefficient * static_cast<float>(powers);
    }
    double logTerm = c.logCoefficient;
    bool negative = false;
    const int powers[2] = {n - i, i};
    const double bases[2] = {static_cast<double>(oneMinusT), static_cast<double>(t)};
    const double logs[2] = {logAbsOneMinusT, logAbsT};
    for (int k = 0; k < 2; ++k) {
        if (powers[k] == 0)
            continue; // x^0 is 1, also for x = 0
        if (bases[k] == 0.0)
            return 0.0f;
        logTerm += powers[k] * logs[k];
        negative = negative != (bases[k] < 0.0 && powers[k] % 2 == 1);
    }
    // Below e^-104 the term is under half the least float above 0 (2^-150 = e^-103.97), and
    // rounds to a zero of its sign however exp rounds it.
    if (logTerm < kZeroInFloatLog)
        return negative ? -0.0f : 0.0f;
    const double term = std::exp(logTerm);
    return static_cast<float>(negative ? -term : term);
}

CameraPose NBezierInterpStrategy::Evaluate(float time, int /*frame*/) {
    if (Size() == 0)
        return CameraPose{};
    if (!prepared)
        Prepare();
    const int n = degree;
    const float first = At(0).timestamp;
    const float span = At(Size() - 1).timestamp - first;
    // All waypoints at one moment: the curve is read at its start rather than at 0/0.
    const float t = span == 0.0f ? 0.0f : (time - first) / span;
    double logAbsOneMinusT = 0.0, logAbsT = 0.0;
    if (n > kMaxExactDegree) {
        logAbsOneMinusT = std::log(std::fabs(static_cast<double>(1.0f - t)));
        logAbsT = std::log(std::fabs(static_cast<double>(t)));
    }

    for (int i = 0; i <= n; ++i)
        weights[static_cast<std::size_t>(i)] = Bernstein(i, t, logAbsOneMinusT, logAbsT);
    // Seven running sums in their own variables: kept in registers, not in a pose in memory.
    float x = 0.0f, y = 0.0f, z = 0.0f, fov = 0.0f, pitch = 0.0f, yaw = 0.0f, roll = 0.0f;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ControlPoint& c = controls[i];
        const float b = weights[i];
        x += b * c.location.X;
        y += b * c.location.Y;
        z += b * c.location.Z;
        fov += c.weightedFov * b;
        pitch += std::trunc(c.pitch * b);
        yaw += std::trunc(c.yaw * b);
        roll += std::trunc(c.roll * b);
    }
    const CameraPose pose{x, y, z, pitch, yaw, roll, fov};
    return FiniteOrZero(pose);
}

std::string NBezierInterpStrategy::GetName() {
    return kName;
}
