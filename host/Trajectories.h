#pragma once
// Where the ball and the cars are at a frame when nothing pins them: smooth closed paths,
// the same for every run, that move visibly from one frame to the next.
//   ball:  x = 1500 sin(2 pi f / 300), y = 2500 sin(2 pi f / 450),
//          z = 93 + 600 |sin(2 pi f / 120)| (bouncing on the floor, 93 being its radius);
//   car i: on the floor (z = 17) on a circle of radius 1200 + 400 i around the origin, one
//          turn every 240 + 60 i frames, starting i / 8 of a turn round.
// f is the frame number; lengths are world units.

#include "corvane/wrappers/WrapperStructs.h"

namespace Corvane::Host {

Vector BallPathLocation(int frame);
Vector CarPathLocation(int car, int frame);

} // namespace Corvane::Host
