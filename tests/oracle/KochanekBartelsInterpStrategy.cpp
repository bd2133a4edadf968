#include <algorithm>
#include <iterator>

#include "tests/oracle/InterpStrategies.h"
#include "tests/oracle/PoseValues.h"

namespace Oracle {

namespace {

constexpr float kMinSpan = 1e-6f;

// The segment's two waypoints, the time spans (seconds, at least 1e-6) before, of and after
// it, and the position t in it, clamped to [0, 1].
struct Window {
    const CameraSnapshot& p1;
    const CameraSnapshot& p2;
    float h0, h1, h2;
    float t;
};

// One channel's value; v0..v3 are its values at the waypoints before A, A, B and after B.
float Blend(const Window& w, float v0, float v1, float v2, float v3) {
    const float tension1 = w.p1.v3_kb_tension, bias1 = w.p1.v3_kb_bias;
    const float cont1 = w.p1.v3_kb_continuity;
    const float tension2 = w.p2.v3_kb_tension, bias2 = w.p2.v3_kb_bias;
    const float cont2 = w.p2.v3_kb_continuity;
    // Outgoing tangent at A and incoming tangent at B, in units per second.
    const float m1 = (1.0f - tension1) * (1.0f + bias1) * (1.0f + cont1) / 2.0f * (v1 - v0) / w.h0 +
                     (1.0f - tension1) * (1.0f - bias1) * (1.0f - cont1) / 2.0f * (v2 - v1) / w.h1;
    const float m2 = (1.0f - tension2) * (1.0f + bias2) * (1.0f - cont2) / 2.0f * (v2 - v1) / w.h1 +
                     (1.0f - tension2) * (1.0f - bias2) * (1.0f + cont2) / 2.0f * (v3 - v2) / w.h2;
    const float t = w.t;
    const float t2 = t * t;
    const float t3 = t2 * t;
    return (2.0f * t3 - 3.0f * t2 + 1.0f) * v1 + (t3 - 2.0f * t2 + t) * w.h1 * m1 +
           (3.0f * t2 - 2.0f * t3) * v2 + (t3 - t2) * w.h1 * m2;
}

} // namespace

KochanekBartelsInterpStrategy::KochanekBartelsInterpStrategy(const SnapshotMap& path,
                                                             int chaikinDegree)
    : InterpStrategy(path, 0),
      fallback(std::make_unique<LinearInterpStrategy>(path, chaikinDegree)) {}

CameraPose KochanekBartelsInterpStrategy::Evaluate(float time, int frame) {
    if (waypoints->size() < 4)
        return fallback->Evaluate(time, frame);
    Segment segment;
    if (!FindSegment(frame, segment) || segment.a == waypoints->begin() ||
        std::next(segment.b) == waypoints->end())
        return fallback->Evaluate(time, frame);

    const CameraSnapshot& p0 = std::prev(segment.a)->second;
    const CameraSnapshot& p1 = segment.a->second;
    const CameraSnapshot& p2 = segment.b->second;
    const CameraSnapshot& p3 = std::next(segment.b)->second;
    const float h0 = std::max(p1.timestamp - p0.timestamp, kMinSpan);
    const float h1 = std::max(p2.timestamp - p1.timestamp, kMinSpan);
    const float h2 = std::max(p3.timestamp - p2.timestamp, kMinSpan);
    const float t = std::clamp((time - p1.timestamp) / h1, 0.0f, 1.0f);
    const Window w{p1, p2, h0, h1, h2, t};

    CameraPose pose;
    pose.x = Blend(w, p0.location.X, p1.location.X, p2.location.X, p3.location.X);
    pose.y = Blend(w, p0.location.Y, p1.location.Y, p2.location.Y, p3.location.Y);
    pose.z = Blend(w, p0.location.Z, p1.location.Z, p2.location.Z, p3.location.Z);
    pose.pitch =
        Blend(w, p0.rotation.pitch, p1.rotation.pitch, p2.rotation.pitch, p3.rotation.pitch);
    pose.yaw = Blend(w, p0.rotation.yaw, p1.rotation.yaw, p2.rotation.yaw, p3.rotation.yaw);
    pose.roll = Blend(w, p0.rotation.roll, p1.rotation.roll, p2.rotation.roll, p3.rotation.roll);
    pose.FOV = Blend(w, p0.FOV, p1.FOV, p2.FOV, p3.FOV);
    return FiniteOrZero(pose);
}

} // namespace Oracle
