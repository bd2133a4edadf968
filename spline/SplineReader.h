#pragma once
// Evaluate() and Bisect() again for one spline, without allocating: the same parameter
// snapping and the same arithmetic in the same order, so the same bits, at a fraction of the
// cost. Only for parameters inside the domain [0, 1], which is all a bisection ever asks.

#include <cstddef>
#include <vector>

#include "spline/BSpline.h"
#include "spline/Bisect.h"

namespace Quorvel::Spline {

class SplineReader {
public:
    // Where Evaluate places a parameter: the four control points of a segment and the position
    // t in it, or the one control point it copies on a knot. Splines with the same knots place
    // a parameter alike.
    struct Place {
        double u = 0.0;        // the parameter placed
        std::size_t first = 0; // first control point used
        bool inside = false;   // true: the segment's four points at t; false: one point
        double t = 0.0;
    };

    // The spline must outlive the reader and keep the layout InterpolateCubicNatural gives it;
    // IsUsable() tells whether it does.
    explicit SplineReader(const BSpline& spline);

    bool IsUsable() const { return usable; }
    const BSpline& Spline() const { return spline; }
    // For 0 <= u <= 1.
    Place Locate(double u) const;
    // Coordinate `index` of the point Evaluate(spline, u) gives.
    double CoordinateAt(double u, std::size_t index) const;
    // The point Evaluate gives at the place (its first, where it gives two): Dimension() values,
    // of which those before coordinate `from` are left as they are.
    void PointAt(const Place& place, double* point, std::size_t from = 0) const;
    // Where the point Bisect(spline, query) gives lies: Locate of its parameter, for a query
    // that is not persnickety, whose index is below the dimension and whose maxIterations is
    // not 0.
    Place BisectPlace(const BisectQuery& query);

    // Every bisection starts with the same midpoints: those of the first kGridDepth levels,
    // the multiples of 2^-kGridDepth, have their coordinate 0 worked out once, by the first
    // bisection of coordinate 0.
    static constexpr std::size_t kGridDepth = 12;

private:
    void BuildGrid();
    // The bisection from level `count` on, over [low, high]; `segment` is the segment whose
    // inside holds every midpoint of the interval, when that is known, or kNoSegment.
    // Values of the searched coordinate near the interval's ends, when they are at hand.
    struct Estimate;
    struct Ends {
        double low, high;
    };
    Place BisectFrom(const BisectQuery& query, std::size_t count, double low, double high,
                     std::size_t segment, const Ends* known = nullptr) const;
    Place BisectInSegment(const BisectQuery& query, std::size_t count, double low, double high,
                          std::size_t segment, const Ends* known) const;
    // The segment whose inside holds the open interval (low, high), or kNoSegment.
    std::size_t SegmentHolding(const Place& lowPlace, double high) const;
    std::size_t JointAtOrBelow(double u) const;
    Place PlaceFromJoint(double u, std::size_t joint) const;
    Place InsideSegment(double u, std::size_t segment) const;
    std::size_t JointNear(double low, double high) const;
    Place PlaceNearJoint(double u, std::size_t joint) const;
    double CoordinateAt(const Place& place, std::size_t index) const;
    // Grid points below the value, on an ascending grid.
    std::size_t GridPointsBelow(double value);
    bool MayEndOnTheGrid(std::size_t gap, double value, double epsilon) const;

    static constexpr std::size_t kNoSegment = ~std::size_t{0};

    const BSpline& spline;
    std::vector<double> joints; // the distinct knot values, 0 to 1
    bool usable = false;
    // grid[k - 1]: coordinate 0 at u = k 2^-kGridDepth, 0 < k < 2^kGridDepth.
    std::vector<double> grid;
    // cellSegment[k]: SegmentHolding for the gap between grid points k and k + 1 (point 0 is
    // u = 0, point 2^kGridDepth is u = 1), where the levels after the grid's go on.
    std::vector<std::size_t> cellSegment;
    // The grid never falls from one point to the next (and holds no NaN): a bisection's first
    // levels then end where a binary search over it ends.
    bool gridAscends = false;
    std::size_t lastGap = 0; // GridPointsBelow's last answer: where the next search starts
};

} // namespace Quorvel::Spline
