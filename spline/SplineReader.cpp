#include "spline/SplineReader.h"

#include <algorithm>
#include <cmath>

#include "spline/Evaluate.h"

namespace Quorvel::Spline {

namespace {

bool KnotsEqual(double a, double b) {
    return std::fabs(a - b) < kKnotEpsilon;
}

// De Casteljau over four values `stride` apart, in Evaluate's order.
inline double Blend(const double* p, std::size_t stride, double t) {
    const double w = 1.0 - t;
    double p0 = p[0], p1 = p[stride], p2 = p[2 * stride];
    const double p3 = p[3 * stride];
    p0 = w * p0 + t * p1;
    p1 = w * p1 + t * p2;
    p2 = w * p2 + t * p3;
    p0 = w * p0 + t * p1;
    p1 = w * p1 + t * p2;
    return w * p0 + t * p1;
}

} // namespace

SplineReader::SplineReader(const BSpline& spline) : spline(spline) {
    const std::vector<double>& knots = spline.Knots();
    if (spline.IsEmpty() || knots.size() < 2 * BSpline::kOrder ||
        knots.size() % BSpline::kOrder != 0 ||
        spline.NumControlPoints() != knots.size() - BSpline::kOrder)
        return;
    for (std::size_t k = 0; k < knots.size(); k += BSpline::kOrder) {
        for (std::size_t j = 1; j < BSpline::kOrder; ++j)
            if (knots[k + j] != knots[k])
                return;
        if (!joints.empty() && !(joints.back() < knots[k]))
            return;
        joints.push_back(knots[k]);
    }
    usable = joints.front() == 0.0 && joints.back() == 1.0;
}

// Evaluate's FindSpan over the joints: knot index k = 4 g + 3 stands for joint g, the last copy
// of it. The last joint for u within snapping distance of 1, else the joint at or below u.
std::size_t SplineReader::JointAtOrBelow(double u) const {
    const std::size_t last = joints.size() - 1;
    if (KnotsEqual(joints[last], u))
        return last;
    // u < 1 here, and the joints are nearly evenly spaced.
    std::size_t g = static_cast<std::size_t>(u * static_cast<double>(last));
    if (g >= last)
        g = last - 1;
    while (joints[g + 1] <= u)
        ++g;
    while (joints[g] > u)
        --g;
    return g;
}

// Evaluate's knot snapping from the joint FindSpan found.
SplineReader::Place SplineReader::PlaceFromJoint(double u, std::size_t g) const {
    const std::size_t last = joints.size() - 1;
    while (g < last && KnotsEqual(u, joints[g + 1]))
        ++g;
    if (!KnotsEqual(u, joints[g]))
        return InsideSegment(u, g);
    Place place;
    place.u = u;
    if (g == 0)
        place.first = 0;
    else if (g == last)
        place.first = spline.NumControlPoints() - 1;
    else // an interior joint: the end of the segment before it
        place.first = BSpline::kOrder * g - 1;
    return place;
}

SplineReader::Place SplineReader::Locate(double u) const {
    return PlaceFromJoint(u, JointAtOrBelow(u));
}

SplineReader::Place SplineReader::InsideSegment(double u, std::size_t segment) const {
    Place place;
    place.u = u;
    place.inside = true;
    place.first = BSpline::kOrder * segment;
    place.t = (u - joints[segment]) / (joints[segment + 1] - joints[segment]);
    return place;
}

// Every parameter strictly between low and high is placed inside the segment low is placed in
// when high lies below that segment's end, clear of its snapping distance (low, placed inside,
// is clear of the start's).
std::size_t SplineReader::SegmentHolding(const Place& lowPlace, double high) const {
    if (!lowPlace.inside)
        return kNoSegment;
    const std::size_t g = lowPlace.first / BSpline::kOrder;
    return high < joints[g + 1] && !KnotsEqual(high, joints[g + 1]) ? g : kNoSegment;
}

double SplineReader::CoordinateAt(const Place& place, std::size_t index) const {
    const std::size_t dim = spline.Dimension();
    const double* p = spline.ControlPoints().data() + place.first * dim + index;
    return place.inside ? Blend(p, dim, place.t) : *p;
}

double SplineReader::CoordinateAt(double u, std::size_t index) const {
    return CoordinateAt(Locate(u), index);
}

void SplineReader::PointAt(const Place& place, double* point, std::size_t from) const {
    const std::size_t dim = spline.Dimension();
    const double* p = spline.ControlPoints().data() + place.first * dim;
    for (std::size_t j = from; j < dim; ++j)
        point[j] = place.inside ? Blend(p + j, dim, place.t) : p[j];
}

// The grid points ascend in u, so their joints are found by one walk over the joints.
void SplineReader::BuildGrid() {
    constexpr std::size_t cells = std::size_t{1} << kGridDepth;
    const double step = 1.0 / static_cast<double>(cells);
    const std::size_t last = joints.size() - 1;
    grid.resize(cells - 1);
    cellSegment.resize(cells);
    gridAscends = true;
    std::size_t joint = 0; // the joint at or below the grid point
    Place low = Locate(0.0);
    for (std::size_t k = 0; k < cells; ++k) {
        const double highU = static_cast<double>(k + 1) * step;
        while (joint + 1 < last && joints[joint + 1] <= highU)
            ++joint;
        const Place high = PlaceFromJoint(highU, KnotsEqual(joints[last], highU) ? last : joint);
        cellSegment[k] = SegmentHolding(low, highU);
        if (k + 1 < cells) {
            grid[k] = CoordinateAt(high, 0);
            gridAscends = gridAscends && !std::isnan(grid[k]) && (k == 0 || grid[k - 1] <= grid[k]);
        }
        low = high;
    }
}

SplineReader::Place SplineReader::BisectFrom(const BisectQuery& query, std::size_t count,
                                             double low, double high, std::size_t segment,
                                             const Ends* known) const {
    // Deep in a bisection the interval usually lies inside one segment, clear of the snapping
    // distance of both its joints: every midpoint then evaluates in that segment.
    if (segment != kNoSegment)
        return BisectInSegment(query, count, low, high, segment, known);
    Place lowPlace = Locate(low);
    const std::size_t joint = JointNear(low, high);
    const double epsilon = std::fabs(query.epsilon);
    for (;; ++count) {
        segment = SegmentHolding(lowPlace, high);
        if (segment != kNoSegment)
            return BisectInSegment(query, count, low, high, segment, nullptr);
        const double mid = (low + high) / 2.0;
        const Place place = joint == kNoSegment ? Locate(mid) : PlaceNearJoint(mid, joint);
        const double coordinate = CoordinateAt(place, query.index);
        if (std::fabs(coordinate - query.value) <= epsilon || count == query.maxIterations)
            return place;
        if ((coordinate < query.value) == query.ascending) {
            low = mid;
            lowPlace = place;
        } else {
            high = mid;
        }
    }
}

// Small intervals meet the snapping distance of one joint at most (the knot limit keeps joints
// far wider apart than a grid gap): its index, when every parameter of [low, high] is clear of
// every other joint's snapping distance and lies between that joint's neighbours.
std::size_t SplineReader::JointNear(double low, double high) const {
    const std::size_t last = joints.size() - 1;
    std::size_t j = JointAtOrBelow(low);
    if (j < last && !KnotsEqual(low, joints[j]))
        ++j; // the interval reaches toward the next joint
    const bool clearBelow = j == 0 || (low > joints[j - 1] && !KnotsEqual(low, joints[j - 1]));
    const bool clearAbove = j == last || (high < joints[j + 1] && !KnotsEqual(high, joints[j + 1]));
    return clearBelow && clearAbove ? j : kNoSegment;
}

// Locate, for a parameter JointNear vouches for.
SplineReader::Place SplineReader::PlaceNearJoint(double u, std::size_t joint) const {
    if (!KnotsEqual(u, joints[joint]))
        return InsideSegment(u, u < joints[joint] ? joint - 1 : joint);
    return PlaceFromJoint(u, joint);
}

// A segment's coordinate in power form over the segment's t, whose value at a parameter
// differs from Blend's by at most `bound` (both round a cubic of control points no larger than
// M in magnitude; each is off by a few hundred units of 2^-53 M at most, and the bound allows
// several times that). Cheaper than Blend: no division, a third of the arithmetic.
struct SplineReader::Estimate {
    double start, inverseWidth, a0, a1, a2, a3, bound;

    Estimate(const double* p, std::size_t stride, double start, double width)
        : start(start), inverseWidth(1.0 / width) {
        const double p0 = p[0], p1 = p[stride], p2 = p[2 * stride], p3 = p[3 * stride];
        a0 = p0;
        a1 = 3.0 * (p1 - p0);
        a2 = 3.0 * (p0 - 2.0 * p1 + p2);
        a3 = p3 - p0 + 3.0 * (p1 - p2);
        const double largest = std::max(std::max(std::fabs(p0), std::fabs(p1)),
                                        std::max(std::fabs(p2), std::fabs(p3)));
        bound = 0x1p-41 * largest; // 4096 units of 2^-53
    }
    double At(double u) const {
        const double t = (u - start) * inverseWidth;
        return a0 + t * (a1 + t * (a2 + t * a3));
    }
};

// Inside one segment the levels are taken a batch at a time: the midpoints the search will
// most likely visit, those on the way to where the chord over the interval meets the value,
// are estimated independently of each other, and then checked in order as the search would
// have met them. An estimate decides a level when it is clearly inside or outside epsilon of
// the value; only a close call evaluates the coordinate exactly. The first level that turns
// the other way ends the batch; what was estimated beyond it is dropped.
SplineReader::Place SplineReader::BisectInSegment(const BisectQuery& query, std::size_t count,
                                                  double low, double high, std::size_t segment,
                                                  const Ends* known) const {
    constexpr std::size_t kMaxBatch = 24;
    const double epsilon = std::fabs(query.epsilon);
    const std::size_t dim = spline.Dimension();
    const double start = joints[segment];
    const double width = joints[segment + 1] - joints[segment];
    const double* points =
        spline.ControlPoints().data() + BSpline::kOrder * segment * dim + query.index;
    const Estimate estimate(points, dim, start, width);
    // Also covers the rounding of value - coordinate, in the exact check and in the estimate's,
    // and subnormal values' absolute rounding. Not finite (never deciding) when the points or
    // the value are not.
    const double margin =
        0x1p-1000 + estimate.bound +
        0x1p-50 * (std::fabs(query.value) + estimate.bound + std::fabs(estimate.a0) +
                   std::fabs(estimate.a1) + std::fabs(estimate.a2) + std::fabs(estimate.a3));
    for (;; known = nullptr) {
        // The guess only steers which midpoints are estimated: nearby values do as well.
        const double atLow = known ? known->low : estimate.At(low);
        const double atHigh = known ? known->high : estimate.At(high);
        const double rise = atHigh - atLow;
        const double guess =
            rise != 0.0 ? low + (query.value - atLow) / rise * (high - low) : (low + high) / 2.0;
        // The search ends about when the interval's rise has halved down to epsilon.
        const double halvings = std::fabs(rise) / epsilon;
        std::size_t batch = kMaxBatch;
        if (halvings < 1.0)
            batch = 2;
        else if (halvings < 1e6)
            batch = static_cast<std::size_t>(std::ilogb(halvings)) + 2;
        double mids[kMaxBatch], offsets[kMaxBatch];
        bool up[kMaxBatch];
        double a = low, b = high;
        for (std::size_t i = 0; i < batch; ++i) {
            mids[i] = (a + b) / 2.0;
            up[i] = mids[i] < guess;
            a = up[i] ? mids[i] : a;
            b = up[i] ? b : mids[i];
        }
        for (std::size_t i = 0; i < batch; ++i)
            offsets[i] = estimate.At(mids[i]) - query.value;
        for (std::size_t i = 0; i < batch; ++i, ++count) {
            if (count == query.maxIterations)
                return InsideSegment(mids[i], segment);
            const double distance = std::fabs(offsets[i]);
            bool ends = distance + margin <= epsilon;
            bool below = offsets[i] < 0.0;
            if (!ends && !(distance - margin > epsilon)) { // a close call
                const double value = Blend(points, dim, (mids[i] - start) / width);
                ends = std::fabs(value - query.value) <= epsilon;
                below = value < query.value;
            }
            if (ends)
                return InsideSegment(mids[i], segment);
            const bool above = below == query.ascending;
            low = above ? mids[i] : low;
            high = above ? high : mids[i];
            if (above != up[i]) {
                ++count;
                break;
            }
        }
    }
}

SplineReader::Place SplineReader::BisectPlace(const BisectQuery& query) {
    if (query.index != 0 || query.maxIterations < kGridDepth)
        return BisectFrom(query, 0, 0.0, 1.0, kNoSegment);
    if (grid.empty())
        BuildGrid();
    const double epsilon = std::fabs(query.epsilon);
    const double step = 1.0 / static_cast<double>(std::size_t{1} << kGridDepth);
    if (gridAscends && query.ascending) {
        // Going up exactly where the grid point is below the value, the first levels end in the
        // gap after the grid points below it.
        const std::size_t below = GridPointsBelow(query.value);
        if (MayEndOnTheGrid(below, query.value, epsilon)) {
            // They pass the ancestors of that gap on the way, and stop at the first of them
            // close enough.
            for (std::size_t depth = 0; depth < kGridDepth; ++depth) {
                const std::size_t shift = kGridDepth - 1 - depth;
                const std::size_t k = (((below >> (shift + 1)) << 1) + 1) << shift;
                if (std::fabs(grid[k - 1] - query.value) <= epsilon)
                    return Locate(static_cast<double>(k) * step);
            }
        }
        // The gap's end points' values, where the grid has them, steer the first guess.
        const Ends ends{below > 0 ? grid[below - 1] : query.value,
                        below < grid.size() ? grid[below] : query.value};
        return BisectFrom(query, kGridDepth, static_cast<double>(below) * step,
                          static_cast<double>(below + 1) * step, cellSegment[below], &ends);
    }
    // The same levels walked one by one, each midpoint read off the grid.
    double low = 0.0, high = 1.0;
    for (std::size_t count = 0; count < kGridDepth; ++count) {
        const double mid = (low + high) / 2.0;
        const double coordinate = grid[static_cast<std::size_t>(mid / step) - 1];
        if (std::fabs(coordinate - query.value) <= epsilon)
            return Locate(mid);
        const bool above = (coordinate < query.value) == query.ascending;
        low = above ? mid : low;
        high = above ? high : mid;
    }
    return BisectFrom(query, kGridDepth, low, high,
                      cellSegment[static_cast<std::size_t>(low / step)]);
}

// Counted from the previous query's gap when the value is near it, as it is when a path is
// sampled in order; else by a branch-free binary search. The count is the same either way.
std::size_t SplineReader::GridPointsBelow(double value) {
    const std::size_t size = grid.size();
    std::size_t below = lastGap;
    if (below <= size && (below == 0 || grid[below - 1] < value)) {
        for (std::size_t walked = 0; walked < 4; ++walked, ++below)
            if (below == size || !(grid[below] < value))
                return lastGap = below;
    }
    below = 0;
    for (std::size_t half = std::size_t{1} << (kGridDepth - 1); half > 0; half /= 2)
        below += grid[below + half - 1] < value ? half : 0;
    return lastGap = below;
}

// On an ascending grid the ancestors of a gap lie, in value, at or beyond the gap's two end
// points, and the distance to the value rounds monotonically: when neither end point is within
// epsilon of the value, no ancestor is.
bool SplineReader::MayEndOnTheGrid(std::size_t gap, double value, double epsilon) const {
    return (gap > 0 && std::fabs(grid[gap - 1] - value) <= epsilon) ||
           (gap < grid.size() && std::fabs(grid[gap] - value) <= epsilon);
}

} // namespace Quorvel::Spline
