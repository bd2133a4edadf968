#include "tests/support/SessionInvariants.h"

#include <algorithm>
#include <cmath>

#include "interp/InterpStrategy.h"
#include "path/PathLimits.h"

namespace Quorvel::Testing {
namespace {

// A strategy's copy of the path is its own (protected); a member pointer taken in a derived
// class reads it without a friend in the plugin's code.
struct StrategyPoints : InterpStrategy {
    static const PathPoints& Of(const InterpStrategy& strategy) {
        return *(strategy.*&StrategyPoints::points);
    }
};

bool Finite(const POV& pov) {
    const float values[] = {pov.location.X, pov.location.Y, pov.location.Z, pov.fov};
    return std::all_of(std::begin(values), std::end(values),
                       [](float v) { return std::isfinite(v); });
}

// Chaikin subdivision keeps every waypoint at its frame and adds points between them only.
std::string StaleStrategy(const InterpStrategy& strategy, const SnapshotMap& path,
                          bool subdivided) {
    const PathPoints& points = StrategyPoints::Of(strategy);
    if (path.empty())
        return points.Size() == 0 ? "" : "a strategy keeps waypoints of a cleared path";
    if (points.Size() == 0 || points.keys.front() != path.begin()->first ||
        points.keys.back() != path.rbegin()->first)
        return "a strategy spans other frames than the path";
    if (!subdivided && points.Size() != path.size())
        return "a strategy holds another number of waypoints than the path";
    for (const auto& [frame, waypoint] : path) {
        const auto at = std::lower_bound(points.keys.begin(), points.keys.end(), frame);
        if (at == points.keys.end() || *at != frame ||
            !(points.waypoints[at - points.keys.begin()] == waypoint))
            return "a strategy was not rebuilt after waypoint " + std::to_string(frame) +
                   " changed";
    }
    return "";
}

std::string BrokenPath(const DollyCam& cam, bool subdivided) {
    const SnapshotMap& path = *cam.snapshots;
    for (const auto& [frame, waypoint] : path)
        if (waypoint.frame != frame)
            return "waypoint keyed " + std::to_string(frame) + " says frame " +
                   std::to_string(waypoint.frame);
    if (!PathSpanAllowed(path))
        return "the path spans more than the limit";
    int outside = 0;
    if (!PathInWorld(path, &outside))
        return "waypoint " + std::to_string(outside) + " is outside the world";
    // A change of the Chaikin degree rebuilds the location strategy only; the rotation
    // strategy keeps the subdivision it was built with until the next change.
    const std::string stale =
        cam.locationStrategy ? StaleStrategy(*cam.locationStrategy, path, subdivided) : "";
    if (!stale.empty() || !cam.rotationStrategy)
        return stale;
    return StaleStrategy(*cam.rotationStrategy, path, true);
}

std::string BrokenHistory(const PathHistory& history) {
    const PathHistoryLimits limits;
    const size_t steps = history.UndoCount() + history.RedoCount();
    if (steps > limits.maxSteps)
        return "the history keeps " + std::to_string(steps) + " steps";
    if (steps > 1 && history.KeptBytes() > limits.maxBytes)
        return "the history keeps " + std::to_string(history.KeptBytes()) + " bytes";
    return "";
}

} // namespace

std::string BrokenInvariant(const TestHost& host, const DollyCamPlugin& plugin) {
    if (host.Faulted())
        return "the host recorded a fault: " + host.Errors();
    if (!Finite(host.Camera()))
        return "the camera is not finite";
    const DollyCam& cam = *plugin.dollyCam;
    const bool subdivided = cam.ReadIntVariable("dolly_chaikin_degree") > 0;
    const std::string path = BrokenPath(cam, subdivided);
    return path.empty() ? BrokenHistory(plugin.history) : path;
}

} // namespace Quorvel::Testing
