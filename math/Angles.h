#pragma once
// Angle units and conversions shared by the strategies, the overlay and the host.
//
// Rotations are kept in rotator units: 65536 a full turn, 32768 a half turn, positive pitch
// looks up, yaw = atan2(y, x). Several conversions exist with slightly different constants;
// each is kept where the path maths was tuned with it, and named here so the difference shows.

namespace Quorvel::Math {

inline constexpr float kUnitsPerTurn = 65536.0f;
inline constexpr float kUnitsPerHalfTurn = 32768.0f;

// Radians -> rotator units, with the 5-digit pi used throughout the plugin.
inline constexpr float kRadiansToUnits = 32768.0f / 3.14159f;
inline constexpr float kDegreesToUnits = 182.04445f;
inline constexpr float kRadiansToDegrees = 57.295776f;
// Rotator units -> radians as the handle gizmo and reference shapes compute it.
inline constexpr float kUnitsToRadians = 3.14159f * 3.0517578e-5f;
// Rotator units -> radians as the path overlay computes it.
inline constexpr float kUnitsToRadiansOverlay = 9.58738e-5f;
inline constexpr float kUnitsToDegrees = 0.005493164f;
// Degrees -> radians as the handle gizmo computes its scale from the field of view.
inline constexpr float kDegreesToRadians = 3.14159f / 180.0f;

// Brings a rotator difference into [-32768, 32768] by whole turns: subtract 65536 while above
// 32768, then add 65536 while below -32768 (both bounds are kept as they are). Angles too large
// for that loop to end in a few hundred steps are reduced with a remainder instead, and a
// non-finite angle gives 0, so the result is always finite.
float WrapAngleDelta(float delta);
double WrapAngleDelta(double delta);

// A rotation component as the game camera holds it: truncated toward zero to whole rotator
// units (100.9 -> 100, -0.7 -> 0), saturated at the int range so no float can overflow it.
int WholeRotatorUnits(float units);

} // namespace Quorvel::Math
