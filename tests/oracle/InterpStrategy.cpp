#include <algorithm>
#include <iterator>

#include "tests/oracle/InterpStrategies.h"

namespace Oracle {

namespace {

// 0.75a + 0.25b in single precision (q) or 0.25a + 0.75b (r), as the subdivision blends.
float Blend(float a, float b, float weightA) {
    return weightA * a + (1.0f - weightA) * b;
}

// The blended frame truncated toward zero. Frames beyond 2^24 are not exact in float and could
// round past a neighbour or out of int range, so the result is kept between the two frames.
int BlendFrames(int a, int b, float weightA) {
    const float blended = Blend(static_cast<float>(a), static_cast<float>(b), weightA);
    const double kept =
        std::clamp(static_cast<double>(blended), static_cast<double>(a), static_cast<double>(b));
    return static_cast<int>(kept);
}

CameraSnapshot BlendSnapshots(const CameraSnapshot& a, const CameraSnapshot& b, float weightA) {
    CameraSnapshot s; // shape parameters stay at their defaults
    s.frame = BlendFrames(a.frame, b.frame, weightA);
    s.timestamp = Blend(a.timestamp, b.timestamp, weightA);
    s.FOV = Blend(a.FOV, b.FOV, weightA);
    s.location = {Blend(a.location.X, b.location.X, weightA),
                  Blend(a.location.Y, b.location.Y, weightA),
                  Blend(a.location.Z, b.location.Z, weightA)};
    // A plain weighted average of the stored values, with no wrap-around treatment.
    s.rotation = {Blend(a.rotation.pitch, b.rotation.pitch, weightA),
                  Blend(a.rotation.yaw, b.rotation.yaw, weightA),
                  Blend(a.rotation.roll, b.rotation.roll, weightA)};
    s.weight = Blend(a.weight, b.weight, weightA);
    return s;
}

void SubdivideOnce(SnapshotMap& path) {
    SnapshotMap added;
    for (auto a = path.begin(); a != path.end() && std::next(a) != path.end(); ++a) {
        const CameraSnapshot& first = a->second;
        const CameraSnapshot& second = std::next(a)->second;
        const CameraSnapshot q = BlendSnapshots(first, second, 0.75f);
        const CameraSnapshot r = BlendSnapshots(first, second, 0.25f);
        added.emplace(q.frame, q);
        added.emplace(r.frame, r);
    }
    for (const auto& entry : added)
        path.emplace(entry);
}

} // namespace

void SubdivideChaikin(SnapshotMap& path, int degree) {
    for (int pass = 0; pass < degree; ++pass) {
        const size_t before = path.size();
        SubdivideOnce(path);
        if (path.size() == before)
            break; // saturated: every frame between neighbours is taken
    }
}

InterpStrategy::InterpStrategy(const SnapshotMap& path, int chaikinDegree)
    : waypoints(std::make_unique<SnapshotMap>(path)) {
    SubdivideChaikin(*waypoints, chaikinDegree);
}

bool InterpStrategy::FindSegment(int frame, Segment& segment) const {
    const auto b = waypoints->upper_bound(frame);
    if (b == waypoints->begin() || b == waypoints->end())
        return false;
    segment.a = std::prev(b);
    segment.b = b;
    return true;
}

} // namespace Oracle
