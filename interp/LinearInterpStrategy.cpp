#include "interp/LinearInterpStrategy.h"

#include <utility>

#include "interp/PoseValues.h"
#include "math/Angles.h"

namespace {

// ((b - a) * s) / d + a, in that order.
float Lerp(float a, float b, float s, float d) {
    return ((b - a) * s) / d + a;
}

// a + t * (the shorter turn from a to b); the result may lie beyond +-32768 rotator units.
float TurnShorter(float a, float b, float t) {
    return a + t * Quorvel::Math::WrapAngleDelta(b - a);
}

} // namespace

LinearInterpStrategy::LinearInterpStrategy(const std::shared_ptr<SnapshotMap>& path,
                                           int chaikinDegree)
    : InterpStrategy(path, chaikinDegree) {}

LinearInterpStrategy::LinearInterpStrategy(std::shared_ptr<const PathPoints> points)
    : InterpStrategy(std::move(points)) {}

CameraPose LinearInterpStrategy::Evaluate(float time, int frame) {
    std::size_t i = 0;
    if (!FindSegment(frame, i))
        return CameraPose{};
    const CameraSnapshot& a = At(i);
    const CameraSnapshot& b = At(i + 1);
    const float s = time - a.timestamp;
    const float d = b.timestamp - a.timestamp;
    if (d == 0.0f) // two waypoints at one moment: hold the earlier one
        return FiniteOrZero(PoseOf(a));
    const float t = s / d;

    CameraPose pose;
    pose.x = Lerp(a.location.X, b.location.X, s, d);
    pose.y = Lerp(a.location.Y, b.location.Y, s, d);
    pose.z = Lerp(a.location.Z, b.location.Z, s, d);
    pose.FOV = Lerp(a.FOV, b.FOV, s, d);
    pose.pitch = TurnShorter(a.rotation.pitch, b.rotation.pitch, t);
    pose.yaw = TurnShorter(a.rotation.yaw, b.rotation.yaw, t);
    pose.roll = TurnShorter(a.rotation.roll, b.rotation.roll, t);
    return FiniteOrZero(pose);
}

std::string LinearInterpStrategy::GetName() {
    return kName;
}
