#include <iterator>

#include "tests/oracle/CubicBases.h"
#include "tests/oracle/InterpStrategies.h"
#include "tests/oracle/PoseValues.h"

namespace Oracle {

CatmullRomInterpStrategy::CatmullRomInterpStrategy(const SnapshotMap& path, int chaikinDegree)
    : InterpStrategy(path, chaikinDegree),
      fallback(std::make_unique<LinearInterpStrategy>(path, chaikinDegree)) {}

CameraPose CatmullRomInterpStrategy::Evaluate(float time, int frame) {
    if (waypoints->size() < 4)
        return CameraPose{};
    const auto next = waypoints->upper_bound(frame);
    if (next == waypoints->end() || next == waypoints->begin() ||
        std::next(next) == waypoints->end())
        return fallback->Evaluate(time, frame);

    const auto before = std::prev(next);
    const CameraSnapshot& p1 = before->second;
    const CameraSnapshot& p2 = next->second;
    const CameraSnapshot& p3 = std::next(next)->second;
    // The first segment has no waypoint before A: A is repeated.
    const CameraSnapshot& p0 = before == waypoints->begin() ? p1 : std::prev(before)->second;

    const float span = p2.timestamp - p1.timestamp;
    if (span == 0.0f) // two waypoints at one moment: hold the earlier one
        return FiniteOrZero(PoseOf(p1));
    const float t = (time - p1.timestamp) / span;

    CameraPose pose;
    pose.x = CatmullRomBasis(t, p0.location.X, p1.location.X, p2.location.X, p3.location.X);
    pose.y = CatmullRomBasis(t, p0.location.Y, p1.location.Y, p2.location.Y, p3.location.Y);
    pose.z = CatmullRomBasis(t, p0.location.Z, p1.location.Z, p2.location.Z, p3.location.Z);
    pose.pitch = CatmullRomBasis(t, p0.rotation.pitch, p1.rotation.pitch, p2.rotation.pitch,
                                 p3.rotation.pitch);
    pose.yaw =
        CatmullRomBasis(t, p0.rotation.yaw, p1.rotation.yaw, p2.rotation.yaw, p3.rotation.yaw);
    pose.roll =
        CatmullRomBasis(t, p0.rotation.roll, p1.rotation.roll, p2.rotation.roll, p3.rotation.roll);
    pose.FOV = CatmullRomBasis(t, p0.FOV, p1.FOV, p2.FOV, p3.FOV);
    return FiniteOrZero(pose);
}

} // namespace Oracle
