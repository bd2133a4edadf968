#include "host/NearClip.h"

#include <cstddef>

namespace Corvane::Host {

namespace {

bool Visible(const ViewPoint& p) {
    return p.ahead >= kNearPlane;
}

// Where the segment a -> b crosses the near plane (a and b on either side of it).
ViewPoint Crossing(const ViewPoint& a, const ViewPoint& b) {
    const double t = (kNearPlane - a.ahead) / (b.ahead - a.ahead);
    return {kNearPlane, a.right + (b.right - a.right) * t, a.up + (b.up - a.up) * t};
}

} // namespace

std::vector<ViewPoint> ClipPolygonToNear(const std::vector<ViewPoint>& polygon) {
    std::vector<ViewPoint> kept;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const ViewPoint& current = polygon[i];
        const ViewPoint& next = polygon[(i + 1) % polygon.size()];
        if (Visible(current))
            kept.push_back(current);
        if (Visible(current) != Visible(next))
            kept.push_back(Crossing(current, next));
    }
    return kept;
}

bool ClipSegmentToNear(ViewPoint& a, ViewPoint& b) {
    if (!Visible(a) && !Visible(b))
        return false;
    if (!Visible(a))
        a = Crossing(a, b);
    else if (!Visible(b))
        b = Crossing(a, b);
    return true;
}

} // namespace Corvane::Host
