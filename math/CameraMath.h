#pragma once
// The camera's basis and the tests built on it, for the overlay and the path tools. The host
// projects with maths of its own, so that it judges the plugin's independently.
// Rotations are in rotator units (65536 a turn); the basis is in world space, Z up.

#include "corvane/wrappers/WrapperStructs.h"

namespace Quorvel::Math {

struct Vec3d {
    double x = 0.0, y = 0.0, z = 0.0;
};

struct CameraBasis {
    Vec3d forward; // where the camera looks
    Vec3d right;   // to the right of the image
    Vec3d up;      // to the top of the image
};

// Pitch, yaw and roll given in rotator units, turned as the game turns its camera: yaw about
// up (+X towards +Y), pitch up, and a positive roll clockwise as seen from behind.
CameraBasis MakeCameraBasis(double pitch, double yaw, double roll);
// The overlay's basis: pitch and yaw converted to radians with the factor the caller draws
// with (the path overlay's, or the gizmo's and shapes', Angles.h), no roll.
CameraBasis MakeCameraBasis(const Rotator& rotation, float unitsToRadians);

// The in-front test: the unit vector from the camera to the point has a positive dot product
// with the camera's forward vector (cos p cos y, cos p sin y, sin p). A point at the camera's
// own location, or nearer than minDistance (world units), is not in front.
bool IsInFront(const Vector& cameraLocation, const Vec3d& forward, const Vector& point,
               double minDistance = 0.0);

// World units spanned by one canvas pixel at a distance from the camera, for a horizontal field
// of view in degrees across canvasWidth pixels.
float WorldUnitsPerPixel(float fovDegrees, float distance, int canvasWidth);

} // namespace Quorvel::Math
