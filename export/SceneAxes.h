#pragma once
// From the game's camera to the axes of exported scenes, in one place.
//
// The game's world is left-handed, Z up, 1 unit = 1 cm, rotations in rotator units, and the
// field of view is horizontal. Exported scenes are right-handed: a game point (x, y, z) is
// (x, -y, z) / 100 metres Z up (Blender's frame), and glTF and .chan files turn that to Y up,
// (X, Y, Z) -> (X, Z, -Y). An exported camera looks down its local -Z with +Y up and +X to
// the image's right, as glTF, Blender and Nuke cameras all do.

namespace Quorvel::Export {

struct Vec3 {
    double x = 0.0, y = 0.0, z = 0.0;
};

// Unit quaternion, (x, y, z) the vector part.
struct Quat {
    double x = 0.0, y = 0.0, z = 0.0, w = 1.0;
};

// Game world units -> metres, right-handed Y up.
Vec3 ToYUpMetres(double x, double y, double z);

// The turn that takes an exported camera from its rest pose (looking down -Z, +Y up) to the
// game camera's pose, in the Y-up frame. Pitch, yaw and roll in rotator units.
Quat CameraOrientationYUp(double pitch, double yaw, double roll);

// The same turn as Euler angles in degrees for the order ZXY (Z applied first, then X, then
// Y: R = Ry * Rx * Rz), Nuke's camera default. At straight up or down, z is 0.
Vec3 EulerZxyDegrees(const Quat& q);

// The vertical field of view of a horizontal one in degrees over a canvas of the aspect
// (width / height), in degrees (.chan) or radians (glTF).
double VerticalFovDegrees(double horizontalDegrees, double aspect);
double VerticalFovRadians(double horizontalDegrees, double aspect);

} // namespace Quorvel::Export
