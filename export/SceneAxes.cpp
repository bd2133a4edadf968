#include "export/SceneAxes.h"

#include <cmath>

#include "math/CameraMath.h"

namespace Quorvel::Export {

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kMetresPerUnit = 0.01;

// A game direction in the Y-up frame: y negated into Z up, then Z up turned to Y up, which
// together swap y and z.
Vec3 ToYUp(const Math::Vec3d& v) {
    return {v.x, v.z, v.y};
}

// A rotation matrix, m[row][column], to a unit quaternion (the largest of the four terms
// is taken from the diagonal, so the division never comes near zero).
Quat FromMatrix(const double m[3][3]) {
    Quat q;
    const double trace = m[0][0] + m[1][1] + m[2][2];
    if (trace > 0.0) {
        const double s = 2.0 * std::sqrt(trace + 1.0);
        q = {(m[2][1] - m[1][2]) / s, (m[0][2] - m[2][0]) / s, (m[1][0] - m[0][1]) / s, s / 4};
    } else if (m[0][0] > m[1][1] && m[0][0] > m[2][2]) {
        const double s = 2.0 * std::sqrt(1.0 + m[0][0] - m[1][1] - m[2][2]);
        q = {s / 4, (m[0][1] + m[1][0]) / s, (m[0][2] + m[2][0]) / s, (m[2][1] - m[1][2]) / s};
    } else if (m[1][1] > m[2][2]) {
        const double s = 2.0 * std::sqrt(1.0 + m[1][1] - m[0][0] - m[2][2]);
        q = {(m[0][1] + m[1][0]) / s, s / 4, (m[1][2] + m[2][1]) / s, (m[0][2] - m[2][0]) / s};
    } else {
        const double s = 2.0 * std::sqrt(1.0 + m[2][2] - m[0][0] - m[1][1]);
        q = {(m[0][2] + m[2][0]) / s, (m[1][2] + m[2][1]) / s, s / 4, (m[1][0] - m[0][1]) / s};
    }
    const double n = std::sqrt(q.x * q.x + q.y * q.y + q.z * q.z + q.w * q.w);
    return {q.x / n, q.y / n, q.z / n, q.w / n};
}

void ToMatrix(const Quat& q, double m[3][3]) {
    const double xx = q.x * q.x, yy = q.y * q.y, zz = q.z * q.z;
    const double xy = q.x * q.y, xz = q.x * q.z, yz = q.y * q.z;
    const double wx = q.w * q.x, wy = q.w * q.y, wz = q.w * q.z;
    m[0][0] = 1 - 2 * (yy + zz), m[0][1] = 2 * (xy - wz), m[0][2] = 2 * (xz + wy);
    m[1][0] = 2 * (xy + wz), m[1][1] = 1 - 2 * (xx + zz), m[1][2] = 2 * (yz - wx);
    m[2][0] = 2 * (xz - wy), m[2][1] = 2 * (yz + wx), m[2][2] = 1 - 2 * (xx + yy);
}

double Degrees(double radians) {
    return radians * 180.0 / kPi;
}

} // namespace

Vec3 ToYUpMetres(double x, double y, double z) {
    return {x * kMetresPerUnit, z * kMetresPerUnit, y * kMetresPerUnit};
}

Quat CameraOrientationYUp(double pitch, double yaw, double roll) {
    const Math::CameraBasis basis = Math::MakeCameraBasis(pitch, yaw, roll);
    // The columns are where the camera's own x (right), y (up) and z (behind) point.
    const Vec3 right = ToYUp(basis.right), up = ToYUp(basis.up), forward = ToYUp(basis.forward);
    const double m[3][3] = {
        {right.x, up.x, -forward.x}, {right.y, up.y, -forward.y}, {right.z, up.z, -forward.z}};
    return FromMatrix(m);
}

Vec3 EulerZxyDegrees(const Quat& q) {
    // R = Ry(b) Rx(a) Rz(c) has m12 = -sin a, m02 / m22 = tan b and m10 / m11 = tan c.
    double m[3][3];
    ToMatrix(q, m);
    const double sinA = -m[1][2];
    if (std::fabs(sinA) > 1.0 - 1e-12) {
        // Straight up or down only b + c or b - c is known: all of it goes to b.
        return {Degrees(std::asin(sinA > 0 ? 1.0 : -1.0)), Degrees(std::atan2(-m[2][0], m[0][0])),
                0.0};
    }
    return {Degrees(std::asin(sinA)), Degrees(std::atan2(m[0][2], m[2][2])),
            Degrees(std::atan2(m[1][0], m[1][1]))};
}

double VerticalFovRadians(double horizontalDegrees, double aspect) {
    const double halfWidth = std::tan(horizontalDegrees * kPi / 360.0);
    return 2.0 * std::atan(halfWidth / aspect);
}

double VerticalFovDegrees(double horizontalDegrees, double aspect) {
    return Degrees(VerticalFovRadians(horizontalDegrees, aspect));
}

} // namespace Quorvel::Export
