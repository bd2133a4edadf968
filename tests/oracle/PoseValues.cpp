#include "tests/oracle/PoseValues.h"

#include <cmath>
#include <limits>

namespace Oracle {

CameraPose PoseOf(const CameraSnapshot& waypoint) {
    CameraPose pose;
    pose.x = waypoint.location.X;
    pose.y = waypoint.location.Y;
    pose.z = waypoint.location.Z;
    pose.pitch = waypoint.rotation.pitch;
    pose.yaw = waypoint.rotation.yaw;
    pose.roll = waypoint.rotation.roll;
    pose.FOV = waypoint.FOV;
    return pose;
}

CameraPose FiniteOrZero(const CameraPose& pose) {
    for (float v : {pose.x, pose.y, pose.z, pose.pitch, pose.yaw, pose.roll, pose.FOV})
        if (!std::isfinite(v))
            return CameraPose{};
    return pose;
}

int TruncateToInt(double value) {
    if (std::isnan(value))
        return 0;
    constexpr double low = std::numeric_limits<int>::min();
    constexpr double high = std::numeric_limits<int>::max();
    if (value <= low)
        return std::numeric_limits<int>::min();
    if (value >= high)
        return std::numeric_limits<int>::max();
    return static_cast<int>(value);
}

} // namespace Oracle
