#include <cmath>

#include "tests/oracle/InterpStrategies.h"
#include "tests/oracle/PoseValues.h"

namespace Oracle {

namespace {

constexpr double kPi = 3.141592653589793;

// The eased blend factor for a position u in the segment: cosine in double, then float.
float Ease(float u) {
    const double c = std::cos(static_cast<double>(u) * kPi);
    return static_cast<float>((1.0 - c) * 0.5);
}

float Blend(float a, float b, float mu) {
    return (1.0f - mu) * a + mu * b;
}

} // namespace

CosineInterpStrategy::CosineInterpStrategy(const SnapshotMap& path) : InterpStrategy(path, 0) {}

CameraPose CosineInterpStrategy::Evaluate(float time, int frame) {
    Segment segment;
    if (!FindSegment(frame, segment))
        return CameraPose{};
    const CameraSnapshot& a = segment.a->second;
    const CameraSnapshot& b = segment.b->second;
    const float span = b.timestamp - a.timestamp;
    if (span == 0.0f) // two waypoints at one moment: hold the earlier one
        return FiniteOrZero(PoseOf(a));
    const float mu = Ease((time - a.timestamp) / span);

    CameraPose pose;
    pose.x = Blend(a.location.X, b.location.X, mu);
    pose.y = Blend(a.location.Y, b.location.Y, mu);
    pose.z = Blend(a.location.Z, b.location.Z, mu);
    pose.pitch = Blend(a.rotation.pitch, b.rotation.pitch, mu);
    pose.yaw = Blend(a.rotation.yaw, b.rotation.yaw, mu);
    pose.roll = Blend(a.rotation.roll, b.rotation.roll, mu);
    pose.FOV = Blend(a.FOV, b.FOV, mu);
    return FiniteOrZero(pose);
}

} // namespace Oracle
