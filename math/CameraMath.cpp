#include "math/CameraMath.h"

#include <cmath>

#include "math/Angles.h"

namespace Quorvel::Math {

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kUnitsToRadiansExact = kPi / 32768.0;

double Dot(const Vec3d& a, const Vec3d& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

Vec3d ToVec3d(const Vector& v) {
    return {v.X, v.Y, v.Z};
}

Vec3d Subtract(const Vec3d& a, const Vec3d& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

// Pitch and yaw in radians: right is horizontal and up tilts with the pitch.
CameraBasis UnrolledBasis(double p, double y) {
    const double cp = std::cos(p), sp = std::sin(p);
    const double cy = std::cos(y), sy = std::sin(y);
    CameraBasis basis;
    basis.forward = {cp * cy, cp * sy, sp};
    basis.right = {-sy, cy, 0.0};
    basis.up = {-sp * cy, -sp * sy, cp};
    return basis;
}

} // namespace

CameraBasis MakeCameraBasis(double pitch, double yaw, double roll) {
    CameraBasis basis = UnrolledBasis(pitch * kUnitsToRadiansExact, yaw * kUnitsToRadiansExact);
    const double r = roll * kUnitsToRadiansExact;
    const double cr = std::cos(r), sr = std::sin(r);
    const Vec3d right0 = basis.right;
    const Vec3d up0 = basis.up;
    // The game turns the camera clockwise as seen from behind: right dips towards the old
    // down and up leans towards the old right, so the horizon climbs to the image's right.
    basis.right = {right0.x * cr - up0.x * sr, right0.y * cr - up0.y * sr,
                   right0.z * cr - up0.z * sr};
    basis.up = {up0.x * cr + right0.x * sr, up0.y * cr + right0.y * sr, up0.z * cr + right0.z * sr};
    return basis;
}

CameraBasis MakeCameraBasis(const Rotator& rotation, float unitsToRadians) {
    return UnrolledBasis(rotation.Pitch * static_cast<double>(unitsToRadians),
                         rotation.Yaw * static_cast<double>(unitsToRadians));
}

bool IsInFront(const Vector& cameraLocation, const Vec3d& forward, const Vector& point,
               double minDistance) {
    const Vec3d d = Subtract(ToVec3d(point), ToVec3d(cameraLocation));
    const double length = std::sqrt(Dot(d, d));
    if (!(length > 0.0) || length < minDistance)
        return false;
    return Dot(d, forward) / length > 0.0;
}

float WorldUnitsPerPixel(float fovDegrees, float distance, int canvasWidth) {
    return std::tan(fovDegrees * kDegreesToRadians * 0.5f) * 2.0f * distance /
           static_cast<float>(canvasWidth);
}

} // namespace Quorvel::Math
