#include "spline/SplineReader.h"

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

// Evaluate's FindSpan and knot snapping, over the joints: knot index k = 4 g + 3 stands for
// joint g, the last copy of it.
SplineReader::Place SplineReader::Locate(double u) const {
    const std::size_t last = joints.size() - 1;
    std::size_t g = last;
    if (!KnotsEqual(joints[last], u)) {
        // The joint at or below u: u < 1 here, and the joints are nearly evenly spaced.
        g = static_cast<std::size_t>(u * static_cast<double>(last));
        if (g >= last)
            g = last - 1;
        while (joints[g + 1] <= u)
            ++g;
        while (joints[g] > u)
            --g;
    }
    while (g < last && KnotsEqual(u, joints[g + 1]))
        ++g;
    Place place;
    if (!KnotsEqual(u, joints[g])) {
        place.inside = true;
        place.first = BSpline::kOrder * g;
        place.t = (u - joints[g]) / (joints[g + 1] - joints[g]);
    } else if (g == 0) {
        place.first = 0;
    } else if (g == last) {
        place.first = spline.NumControlPoints() - 1;
    } else { // an interior joint: the end of the segment before it
        place.first = BSpline::kOrder * g - 1;
    }
    return place;
}

double SplineReader::CoordinateAt(double u, std::size_t index) const {
    const std::size_t dim = spline.Dimension();
    const Place place = Locate(u);
    const double* p = spline.ControlPoints().data() + place.first * dim + index;
    return place.inside ? Blend(p, dim, place.t) : *p;
}

void SplineReader::PointAt(const Place& place, double* point, std::size_t from) const {
    const std::size_t dim = spline.Dimension();
    const double* p = spline.ControlPoints().data() + place.first * dim;
    for (std::size_t j = from; j < dim; ++j)
        point[j] = place.inside ? Blend(p + j, dim, place.t) : p[j];
}

void SplineReader::BuildGrid() {
    const std::size_t size = (std::size_t{1} << kGridDepth) - 1;
    const double step = 1.0 / static_cast<double>(std::size_t{1} << kGridDepth);
    grid.resize(size);
    gridAscends = true;
    for (std::size_t k = 0; k < size; ++k) {
        grid[k] = CoordinateAt(static_cast<double>(k + 1) * step, 0);
        gridAscends = gridAscends && !std::isnan(grid[k]) && (k == 0 || grid[k - 1] <= grid[k]);
    }
}

double SplineReader::BisectFrom(const BisectQuery& query, std::size_t count, double low,
                                double high) const {
    // Deep in a bisection the interval usually lies inside one segment, clear of the snapping
    // distance of both its joints: every midpoint then evaluates in that segment.
    const Place lowPlace = Locate(low);
    const std::size_t g = lowPlace.first / BSpline::kOrder;
    if (lowPlace.inside && high < joints[g + 1] && !KnotsEqual(high, joints[g + 1]))
        return BisectInSegment(query, count, low, high, lowPlace);
    const double epsilon = std::fabs(query.epsilon);
    for (;; ++count) {
        const double mid = (low + high) / 2.0;
        const double coordinate = CoordinateAt(mid, query.index);
        if (std::fabs(coordinate - query.value) <= epsilon || count == query.maxIterations)
            return mid;
        // Either half is as likely: choosing without a branch saves a misprediction a level.
        const bool above = (coordinate < query.value) == query.ascending;
        low = above ? mid : low;
        high = above ? high : mid;
    }
}

// Inside one segment the levels are taken a batch at a time: the midpoints the search will
// most likely visit, those on the way to where the chord over the interval meets the value,
// are evaluated independently of each other, and then checked in order as the search would
// have met them. The first level that turns the other way ends the batch; what was evaluated
// beyond it is dropped.
double SplineReader::BisectInSegment(const BisectQuery& query, std::size_t count, double low,
                                     double high, const Place& lowPlace) const {
    constexpr std::size_t kMaxBatch = 24;
    const double epsilon = std::fabs(query.epsilon);
    const std::size_t dim = spline.Dimension();
    const std::size_t g = lowPlace.first / BSpline::kOrder;
    const double start = joints[g];
    const double width = joints[g + 1] - joints[g];
    const double* points = spline.ControlPoints().data() + lowPlace.first * dim + query.index;
    for (;;) {
        const double atLow = Blend(points, dim, (low - start) / width);
        const double atHigh = Blend(points, dim, (high - start) / width);
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
        double mids[kMaxBatch], values[kMaxBatch];
        bool up[kMaxBatch];
        double a = low, b = high;
        for (std::size_t i = 0; i < batch; ++i) {
            mids[i] = (a + b) / 2.0;
            up[i] = mids[i] < guess;
            a = up[i] ? mids[i] : a;
            b = up[i] ? b : mids[i];
        }
        for (std::size_t i = 0; i < batch; ++i)
            values[i] = Blend(points, dim, (mids[i] - start) / width);
        for (std::size_t i = 0; i < batch; ++i, ++count) {
            if (std::fabs(values[i] - query.value) <= epsilon || count == query.maxIterations)
                return mids[i];
            const bool above = (values[i] < query.value) == query.ascending;
            low = above ? mids[i] : low;
            high = above ? high : mids[i];
            if (above != up[i]) {
                ++count;
                break;
            }
        }
    }
}

double SplineReader::BisectParameter(const BisectQuery& query) {
    if (query.index != 0 || query.maxIterations < kGridDepth)
        return BisectFrom(query, 0, 0.0, 1.0);
    if (grid.empty())
        BuildGrid();
    const double epsilon = std::fabs(query.epsilon);
    const double step = 1.0 / static_cast<double>(std::size_t{1} << kGridDepth);
    if (gridAscends && query.ascending) {
        // Going up exactly where the grid point is below the value, the first levels end in the
        // gap after the grid points below it; they pass the ancestors of that gap on the way,
        // and stop at the first of them close enough.
        std::size_t below = 0; // grid points below the value, by a branch-free binary search
        for (std::size_t half = std::size_t{1} << (kGridDepth - 1); half > 0; half /= 2)
            below += grid[below + half - 1] < query.value ? half : 0;
        for (std::size_t depth = 0; depth < kGridDepth; ++depth) {
            const std::size_t shift = kGridDepth - 1 - depth;
            const std::size_t k = (((below >> (shift + 1)) << 1) + 1) << shift;
            if (std::fabs(grid[k - 1] - query.value) <= epsilon)
                return static_cast<double>(k) * step;
        }
        return BisectFrom(query, kGridDepth, static_cast<double>(below) * step,
                          static_cast<double>(below + 1) * step);
    }
    // The same levels walked one by one, each midpoint read off the grid.
    double low = 0.0, high = 1.0;
    for (std::size_t count = 0; count < kGridDepth; ++count) {
        const double mid = (low + high) / 2.0;
        const double coordinate = grid[static_cast<std::size_t>(mid / step) - 1];
        if (std::fabs(coordinate - query.value) <= epsilon)
            return mid;
        const bool above = (coordinate < query.value) == query.ascending;
        low = above ? mid : low;
        high = above ? high : mid;
    }
    return BisectFrom(query, kGridDepth, low, high);
}

} // namespace Quorvel::Spline
