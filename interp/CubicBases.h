#pragma once
// The cubic blends of the Hermite-family strategies, in single precision. t runs from 0 at the
// segment's start to 1 at its end. Inline: they run seven times an evaluation.

// The cubic from p0 with slope m0 to p1 with slope m1 (slopes per unit of t):
// (2t^3 - 3t^2 + 1) p0 + (t^3 - 2t^2 + t) m0 + (3t^2 - 2t^3) p1 + (t^3 - t^2) m1.
inline float HermiteBasis(float t, float p0, float m0, float p1, float m1) {
    const float t2 = t * t;
    const float t3 = t2 * t;
    return (2.0f * t3 - 3.0f * t2 + 1.0f) * p0 + (t3 - 2.0f * t2 + t) * m0 +
           (3.0f * t2 - 2.0f * t3) * p1 + (t3 - t2) * m1;
}

// The uniform Catmull-Rom cubic from p1 to p2, shaped by the neighbours p0 and p3:
// 0.5 (2 p1 + (p2 - p0) t + (2 p0 - 5 p1 + 4 p2 - p3) t^2 + (3 p1 - p0 - 3 p2 + p3) t^3).
inline float CatmullRomBasis(float t, float p0, float p1, float p2, float p3) {
    const float t2 = t * t;
    const float t3 = t2 * t;
    return 0.5f * (2.0f * p1 + (p2 - p0) * t + (2.0f * p0 - 5.0f * p1 + 4.0f * p2 - p3) * t2 +
                   (3.0f * p1 - p0 - 3.0f * p2 + p3) * t3);
}
