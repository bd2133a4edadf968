#include "tools/SnapshotPrinting.h"

#include <cmath>
#include <iomanip>
#include <sstream>

namespace {

// Truncated toward zero; a float beyond the range of long long is printed as the
// truncated double instead of overflowing.
std::string WholeUnits(float value) {
    const double whole = std::trunc(static_cast<double>(value));
    if (std::fabs(whole) < 9.0e18)
        return std::to_string(static_cast<long long>(whole));
    std::ostringstream out;
    out << std::fixed << std::setprecision(0) << whole;
    return out.str();
}

} // namespace

std::string FormatFixed(float value, int decimals) {
    std::ostringstream out;
    out << std::fixed << std::setprecision(decimals) << static_cast<double>(value);
    return out.str();
}

void PrintSnapshot(CVarManagerWrapper& console, const CameraSnapshot& snapshot) {
    console.log("Frame: " + std::to_string(snapshot.frame));
    console.log("Time: " + FormatFixed(snapshot.timestamp, 5));
    console.log("FOV: " + FormatFixed(snapshot.FOV, 5));
    console.log("Location " + FormatFixed(snapshot.location.X, 2) + ", " +
                FormatFixed(snapshot.location.Y, 2) + ", " + FormatFixed(snapshot.location.Z, 2));
    console.log("Rotation " + WholeUnits(snapshot.rotation.pitch) + ", " +
                WholeUnits(snapshot.rotation.yaw) + ", " + WholeUnits(snapshot.rotation.roll));
}
