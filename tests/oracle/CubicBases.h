#pragma once
// The cubic blends of the Hermite-family strategies, in single precision; t runs from 0 at the
// segment's start to 1 at its end.

namespace Oracle {

// (2t^3 - 3t^2 + 1) p0 + (t^3 - 2t^2 + t) m0 + (3t^2 - 2t^3) p1 + (t^3 - t^2) m1.
float HermiteBasis(float t, float p0, float m0, float p1, float m1);
// 0.5 (2 p1 + (p2 - p0) t + (2 p0 - 5 p1 + 4 p2 - p3) t^2 + (3 p1 - p0 - 3 p2 + p3) t^3).
float CatmullRomBasis(float t, float p0, float p1, float p2, float p3);

} // namespace Oracle
