#include "host/Perspective.h"

#include <cmath>

namespace Corvane::Host {

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kRadiansPerUnit = 2.0 * kPi / 65536.0;
constexpr double kFallbackFov = 90.0;

struct Turn {
    double cosine, sine;
    explicit Turn(int units)
        : cosine(std::cos(units * kRadiansPerUnit)), sine(std::sin(units * kRadiansPerUnit)) {}
};

struct Vec {
    double x, y, z;
};

// The camera's axes start as the world's (ahead +X, right +Y, up +Z); they are rolled about
// ahead, pitched about right, then yawed about up.
Vec Roll(const Vec& v, const Turn& t) { // right (+Y) turns down towards -Z
    return {v.x, t.cosine * v.y + t.sine * v.z, -t.sine * v.y + t.cosine * v.z};
}

Vec Pitch(const Vec& v, const Turn& t) { // ahead (+X) turns up towards +Z
    return {t.cosine * v.x - t.sine * v.z, v.y, t.sine * v.x + t.cosine * v.z};
}

Vec Yaw(const Vec& v, const Turn& t) { // ahead (+X) turns towards +Y
    return {t.cosine * v.x - t.sine * v.y, t.sine * v.x + t.cosine * v.y, v.z};
}

} // namespace

Perspective::Perspective(const POV& camera, int canvasWidth, int canvasHeight)
    : origin(camera.location) {
    const Turn pitch(camera.rotation.Pitch), yaw(camera.rotation.Yaw), roll(camera.rotation.Roll);
    const auto orient = [&](const Vec& axis) {
        const Vec v = Yaw(Pitch(Roll(axis, roll), pitch), yaw);
        return Axis{v.x, v.y, v.z};
    };
    ahead = orient({1.0, 0.0, 0.0});
    right = orient({0.0, 1.0, 0.0});
    up = orient({0.0, 0.0, 1.0});

    const double fov = camera.fov > 0.0f && camera.fov < 180.0f ? camera.fov : kFallbackFov;
    centreX = canvasWidth / 2.0;
    centreY = canvasHeight / 2.0;
    focalPixels = centreX / std::tan(fov / 2.0 * kPi / 180.0);
}

ViewPoint Perspective::ToView(const Vector& point) const {
    const double dx = double(point.X) - origin.X;
    const double dy = double(point.Y) - origin.Y;
    const double dz = double(point.Z) - origin.Z;
    const auto along = [&](const Axis& a) {
        return dx * a.x + dy * a.y + dz * a.z;
    };
    return {along(ahead), along(right), along(up)};
}

CanvasPoint Perspective::ToCanvas(const ViewPoint& view) const {
    const double scale = PixelsPerUnit(view.ahead);
    return {centreX + view.right * scale, centreY - view.up * scale};
}

} // namespace Corvane::Host
