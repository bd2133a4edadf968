#include "tests/oracle/CubicBases.h"

namespace Oracle {

float HermiteBasis(float t, float p0, float m0, float p1, float m1) {
    const float t2 = t * t;
    const float t3 = t2 * t;
    return (2.0f * t3 - 3.0f * t2 + 1.0f) * p0 + (t3 - 2.0f * t2 + t) * m0 +
           (3.0f * t2 - 2.0f * t3) * p1 + (t3 - t2) * m1;
}

float CatmullRomBasis(float t, float p0, float p1, float p2, float p3) {
    const float t2 = t * t;
    const float t3 = t2 * t;
    return 0.5f * (2.0f * p1 + (p2 - p0) * t + (2.0f * p0 - 5.0f * p1 + 4.0f * p2 - p3) * t2 +
                   (3.0f * p1 - p0 - 3.0f * p2 + p3) * t3);
}

} // namespace Oracle
