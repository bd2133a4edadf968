#include "interp/PathPoints.h"

#include "interp/Chaikin.h"

namespace {

void Append(PathPoints& points, const SnapshotMap& path) {
    points.keys.reserve(path.size());
    points.waypoints.reserve(path.size());
    for (const auto& [frame, waypoint] : path) {
        points.keys.push_back(frame);
        points.waypoints.push_back(waypoint);
    }
}

} // namespace

std::shared_ptr<const PathPoints> MakePathPoints(const std::shared_ptr<SnapshotMap>& path,
                                                 int chaikinDegree) {
    auto points = std::make_shared<PathPoints>();
    if (!path)
        return points;
    Append(*points, *path);
    if (chaikinDegree > 0 && path->size() >= 2)
        SubdivideChaikin(*points, chaikinDegree);
    return points;
}
