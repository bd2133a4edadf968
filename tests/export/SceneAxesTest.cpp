// The exported camera against poses whose answers are known by hand, in glTF's Y-up metres:
// game +X stays +X, game +Y (left-handed) becomes +Z, game up becomes +Y.

#include <gtest/gtest.h>

#include <cmath>

#include "export/SceneAxes.h"

using namespace Quorvel::Export;

namespace {

// v turned by the unit quaternion q.
Vec3 Turn(const Quat& q, const Vec3& v) {
    const Vec3 u{q.x, q.y, q.z};
    const auto cross = [](const Vec3& a, const Vec3& b) {
        return Vec3{a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
    };
    const Vec3 t = cross(u, v);
    const Vec3 t2{2 * t.x, 2 * t.y, 2 * t.z};
    const Vec3 c = cross(u, t2);
    return {v.x + q.w * t2.x + c.x, v.y + q.w * t2.y + c.y, v.z + q.w * t2.z + c.z};
}

void ExpectNear(const Vec3& got, const Vec3& want, const char* what, const char* pose) {
    EXPECT_NEAR(got.x, want.x, 1e-9) << what << " of " << pose;
    EXPECT_NEAR(got.y, want.y, 1e-9) << what << " of " << pose;
    EXPECT_NEAR(got.z, want.z, 1e-9) << what << " of " << pose;
}

} // namespace

TEST(SceneAxes, LocationsBecomeYUpMetres) {
    ExpectNear(ToYUpMetres(100, 200, 300), {1, 3, 2}, "location", "(100, 200, 300)");
    ExpectNear(ToYUpMetres(-50, -1000, 0), {-0.5, 0, -10}, "location", "(-50, -1000, 0)");
}

TEST(SceneAxes, CamerasLookWhereTheGameCameraLooksWithTheSameUp) {
    // The camera's own view direction is -Z and its image's up +Y.
    const struct {
        const char* pose;
        double pitch, yaw, roll;
        Vec3 forward, up;
        Vec3 eulerZxy; // degrees: x, y, z
    } kPoses[] = {
        {"yaw 0 (game +X)", 0, 0, 0, {1, 0, 0}, {0, 1, 0}, {0, -90, 0}},
        {"yaw 16384 (game +Y)", 0, 16384, 0, {0, 0, 1}, {0, 1, 0}, {0, 180, 0}},
        {"yaw -16384 (game -Y)", 0, -16384, 0, {0, 0, -1}, {0, 1, 0}, {0, 0, 0}},
        // Straight up the image's top points back, the way the camera came from.
        {"pitch 16384 (up)", 16384, 0, 0, {0, 1, 0}, {-1, 0, 0}, {90, -90, 0}},
        // Clockwise as seen from behind: the image's top leans to the camera's right, game +Y.
        {"roll 16384", 0, 0, 16384, {1, 0, 0}, {0, 0, 1}, {0, -90, -90}},
        {"roll -16384", 0, 0, -16384, {1, 0, 0}, {0, 0, -1}, {0, -90, 90}},
    };
    for (const auto& c : kPoses) {
        const Quat q = CameraOrientationYUp(c.pitch, c.yaw, c.roll);
        ExpectNear(Turn(q, {0, 0, -1}), c.forward, "forward", c.pose);
        ExpectNear(Turn(q, {0, 1, 0}), c.up, "up", c.pose);
        const Vec3 euler = EulerZxyDegrees(q);
        EXPECT_NEAR(euler.x, c.eulerZxy.x, 1e-7) << c.pose;
        // +180 and -180 degrees are the same turn.
        EXPECT_NEAR(std::remainder(euler.y - c.eulerZxy.y, 360.0), 0.0, 1e-7) << c.pose;
        EXPECT_NEAR(euler.z, c.eulerZxy.z, 1e-7) << c.pose;
    }
}

TEST(SceneAxes, TheVerticalFieldOfViewFollowsFromTheCanvas) {
    // tan(45) / (16 / 9) = 0.5625, and 2 atan(0.5625) is 58.7155 degrees.
    EXPECT_NEAR(VerticalFovDegrees(90, 1280.0 / 720.0), 58.715507, 1e-6);
    EXPECT_NEAR(VerticalFovDegrees(90, 1.0), 90.0, 1e-9);
    // A canvas taller than wide sees more up and down than across.
    EXPECT_NEAR(VerticalFovDegrees(60, 0.5), 98.213211, 1e-6);
}
