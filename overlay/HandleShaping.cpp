#include "overlay/HandleShaping.h"

#include <algorithm>

#include "math/VectorMath.h"

namespace {

using Quorvel::Math::Dot;
using Quorvel::Math::Length;

// Handles shorter than this count as having no direction.
constexpr float kMinHandleLength = 0.1f;

const CameraSnapshot* At(const std::vector<CameraSnapshot>& path, int i) {
    return i >= 0 && i < static_cast<int>(path.size()) ? &path[static_cast<size_t>(i)] : nullptr;
}

} // namespace

bool AutoHandleOffsets(const std::vector<CameraSnapshot>& path, int i, Vector& out, Vector& in) {
    const int n = static_cast<int>(path.size());
    if (i < 0 || i >= n || n < 2)
        return false;
    const Vector p = path[static_cast<size_t>(i)].location;
    if (i == 0) {
        out = (path[1].location - p) * (1.0f / 3.0f);
        in = out * -1.0f;
    } else if (i == n - 1) {
        out = (p - path[static_cast<size_t>(n - 2)].location) * (1.0f / 3.0f);
        in = out * -1.0f;
    } else {
        out = (path[static_cast<size_t>(i + 1)].location - p) * (1.0f / 3.0f);
        in = (p - path[static_cast<size_t>(i - 1)].location) * (-1.0f / 3.0f);
    }
    return true;
}

void SeedCustomHandles(const std::vector<CameraSnapshot>& path, int i, CameraSnapshot& waypoint) {
    const CameraSnapshot* prev = At(path, i - 1);
    const CameraSnapshot* next = At(path, i + 1);
    const CameraSnapshot* nextNext = At(path, i + 2);
    const float t = waypoint.timestamp;
    // Seconds to each neighbour; a missing one borrows the span to the next waypoint.
    const float tN = next ? next->timestamp - t : 1.0f;
    const float tP = prev ? t - prev->timestamp : tN;
    const float tNN = next && nextNext ? nextNext->timestamp - next->timestamp : tN;
    const Vector pP = prev ? prev->location : waypoint.location;
    const Vector pN = next ? next->location : waypoint.location;
    const Vector pNN = nextNext ? nextNext->location : pN;
    if (next && tP + tN > 1e-6f)
        waypoint.v3_bz_ctrl_out = (pN - pP) * (1.0f / (tP + tN)) * (tN / 3.0f);
    if (prev && tNN + tN > 1e-6f)
        waypoint.v3_bz_ctrl_in = (pNN - pP) * (-1.0f / (tNN + tN)) * (tN / 3.0f);
}

Vector LimitReach(Vector handle, const Vector& origin, const CameraSnapshot* neighbour) {
    if (neighbour == nullptr)
        return handle;
    const Vector towards = neighbour->location - origin;
    const float distance = Length(towards);
    if (!(distance > 0.0f))
        return handle;
    const Vector unit = towards * (1.0f / distance);
    const float reach = Dot(handle, unit);
    return handle + unit * (std::clamp(reach, 0.0f, distance) - reach);
}

Vector OppositeHandle(const Vector& dragged, const Vector& other) {
    const float a = Length(dragged);
    if (!(a > kMinHandleLength))
        return other;
    const float b = Length(other);
    return b > kMinHandleLength ? dragged * (-b / a) : dragged * -1.0f;
}
