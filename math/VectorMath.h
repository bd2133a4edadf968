#pragma once
// Small operations on the SDK's Vector (world units, Z up) that the SDK type does not carry.

#include <cmath>

#include "corvane/wrappers/WrapperStructs.h"

namespace Quorvel::Math {

inline float Dot(const Vector& a, const Vector& b) {
    return a.X * b.X + a.Y * b.Y + a.Z * b.Z;
}

inline float Length(const Vector& v) {
    return std::sqrt(Dot(v, v));
}

inline bool IsFinite(const Vector& v) {
    return std::isfinite(v.X) && std::isfinite(v.Y) && std::isfinite(v.Z);
}

} // namespace Quorvel::Math
