#include "interp/Chaikin.h"

#include <algorithm>
#include <cstddef>
#include <vector>

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

// The new points of one pass in frame order, the first made kept where frames coincide.
std::vector<CameraSnapshot> NewPoints(const std::vector<CameraSnapshot>& waypoints) {
    std::vector<CameraSnapshot> made;
    made.reserve(2 * waypoints.size());
    for (std::size_t i = 0; i + 1 < waypoints.size(); ++i) {
        made.push_back(BlendSnapshots(waypoints[i], waypoints[i + 1], 0.75f));
        made.push_back(BlendSnapshots(waypoints[i], waypoints[i + 1], 0.25f));
    }
    std::stable_sort(
        made.begin(), made.end(),
        [](const CameraSnapshot& a, const CameraSnapshot& b) { return a.frame < b.frame; });
    made.erase(std::unique(made.begin(), made.end(),
                           [](const CameraSnapshot& a, const CameraSnapshot& b) {
                               return a.frame == b.frame;
                           }),
               made.end());
    return made;
}

// Merges the new points in; a frame the path already has keeps its waypoint.
void SubdivideOnce(PathPoints& points) {
    const std::vector<CameraSnapshot> made = NewPoints(points.waypoints);
    PathPoints merged;
    merged.keys.reserve(points.Size() + made.size());
    merged.waypoints.reserve(points.Size() + made.size());
    std::size_t i = 0, k = 0;
    while (i < points.Size() || k < made.size()) {
        if (k == made.size() || (i < points.Size() && points.keys[i] <= made[k].frame)) {
            if (k < made.size() && points.keys[i] == made[k].frame)
                ++k;
            merged.keys.push_back(points.keys[i]);
            merged.waypoints.push_back(points.waypoints[i]);
            ++i;
        } else {
            merged.keys.push_back(made[k].frame);
            merged.waypoints.push_back(made[k]);
            ++k;
        }
    }
    points = std::move(merged);
}

} // namespace

void SubdivideChaikin(PathPoints& points, int degree) {
    for (int pass = 0; pass < degree; ++pass) {
        const std::size_t before = points.Size();
        SubdivideOnce(points);
        if (points.Size() == before)
            break; // saturated: every frame between neighbours is taken
    }
}

void SubdivideChaikin(SnapshotMap& path, int degree) {
    PathPoints points;
    for (const auto& [frame, waypoint] : path) {
        points.keys.push_back(frame);
        points.waypoints.push_back(waypoint);
    }
    SubdivideChaikin(points, degree);
    path.clear();
    for (std::size_t i = 0; i < points.Size(); ++i)
        path.emplace_hint(path.end(), points.keys[i], points.waypoints[i]);
}
