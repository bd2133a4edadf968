#pragma once
// The rotator-unit wrap the strategies use (65536 units a turn), frozen as it was.

namespace Oracle {

// Brings a rotator difference into [-32768, 32768] by whole turns; non-finite gives 0.
float WrapAngleDelta(float delta);
double WrapAngleDelta(double delta);

} // namespace Oracle
