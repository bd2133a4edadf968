#include "tests/oracle/Angles.h"
#include "tests/oracle/InterpStrategies.h"
#include "tests/oracle/PoseValues.h"

namespace Oracle {

namespace {

// ((b - a) * s) / d + a, in that order.
float Lerp(float a, float b, float s, float d) {
    return ((b - a) * s) / d + a;
}

// a + t * (the shorter turn from a to b); the result may lie beyond +-32768 rotator units.
float TurnShorter(float a, float b, float t) {
    return a + t * WrapAngleDelta(b - a);
}

} // namespace

LinearInterpStrategy::LinearInterpStrategy(const SnapshotMap& path, int chaikinDegree)
    : InterpStrategy(path, chaikinDegree) {}

CameraPose LinearInterpStrategy::Evaluate(float time, int frame) {
    Segment segment;
    if (!FindSegment(frame, segment))
        return CameraPose{};
    const CameraSnapshot& a = segment.a->second;
    const CameraSnapshot& b = segment.b->second;
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

} // namespace Oracle
