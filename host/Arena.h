#pragma once
// The field the world's ball and cars move on, as the host pictures it. World units, Z up;
// the centre spot is the origin, the field's long axis is Y.
//
// A floor of 8192 x 10240 with a line across its middle (Y = 0); a goal at each end, its
// mouth 1786 wide and 643 high on the end line, 880 deep behind it. The blue team defends
// the goal at -Y and the orange team the one at +Y; the first half of the cars (rounded
// down) are blue, the rest orange. The ball is a sphere of radius 93 (it rests at Z = 93, as
// host/Trajectories.h has it bounce); a car is a box 118 long, 84 wide and 36 high centred on
// its location and turned by its yaw (it stands at Z = 17 on the floor).

#include "host/Image.h"

namespace Corvane::Host::Arena {

inline constexpr float kHalfWidth = 4096.0f;  // X
inline constexpr float kHalfLength = 5120.0f; // Y: the end lines
inline constexpr float kGoalHalfWidth = 893.0f;
inline constexpr float kGoalHeight = 643.0f;
inline constexpr float kGoalDepth = 880.0f;
inline constexpr float kBallRadius = 93.0f;
inline constexpr float kCarLength = 118.0f;
inline constexpr float kCarWidth = 84.0f;
inline constexpr float kCarHeight = 36.0f;

// Colours of the picture.
inline constexpr Rgba kSky{58, 68, 88, 255};
inline constexpr Rgba kMenu{22, 22, 26, 255}; // no camera: nothing of the field shows
inline constexpr Rgba kFloor{48, 104, 60, 255};
inline constexpr Rgba kLines{235, 235, 235, 255};
inline constexpr Rgba kBall{228, 228, 228, 255};
inline constexpr Rgba kBallOutline{120, 120, 120, 255};
inline constexpr Rgba kBlueTeam{40, 110, 240, 255};
inline constexpr Rgba kOrangeTeam{245, 135, 30, 255};

} // namespace Corvane::Host::Arena
