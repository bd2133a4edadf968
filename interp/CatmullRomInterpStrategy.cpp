#include "interp/CatmullRomInterpStrategy.h"

#include "interp/CubicBases.h"
#include "interp/PoseValues.h"

CatmullRomInterpStrategy::CatmullRomInterpStrategy(const std::shared_ptr<SnapshotMap>& path,
                                                   int chaikinDegree)
    : InterpStrategy(path, chaikinDegree),
      fallback(std::make_shared<LinearInterpStrategy>(points)) {}

CameraPose CatmullRomInterpStrategy::Evaluate(float time, int frame) {
    if (Size() < 4)
        return CameraPose{};
    const std::size_t next = UpperBound(frame);
    if (next == Size() || next == 0 || next + 1 == Size())
        return fallback->Evaluate(time, frame);

    const std::size_t before = next - 1;
    const CameraSnapshot& p1 = At(before);
    const CameraSnapshot& p2 = At(next);
    const CameraSnapshot& p3 = At(next + 1);
    // The first segment has no waypoint before A: A is repeated.
    const CameraSnapshot& p0 = before == 0 ? p1 : At(before - 1);

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

std::string CatmullRomInterpStrategy::GetName() {
    return kName;
}
