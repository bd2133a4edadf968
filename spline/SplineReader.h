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
    // The parameter of the point Bisect(spline, query) gives, for a query that is not
    // persnickety, whose index is below the dimension and whose maxIterations is not 0.
    double BisectParameter(const BisectQuery& query);

    // Every bisection starts with the same midpoints: those of the first kGridDepth levels,
    // the multiples of 2^-kGridDepth, have their coordinate 0 worked out once, by the first
    // bisection of coordinate 0.
    static constexpr std::size_t kGridDepth = 12;

private:
    void BuildGrid();
    // The bisection from level `count` on, over [low, high].
    double BisectFrom(const BisectQuery& query, std::size_t count, double low, double high) const;
    double BisectInSegment(const BisectQuery& query, std::size_t count, double low, double high,
                           const Place& lowPlace) const;

    const BSpline& spline;
    std::vector<double> joints; // the distinct knot values, 0 to 1
    bool usable = false;
    // grid[k - 1]: coordinate 0 at u = k 2^-kGridDepth, 0 < k < 2^kGridDepth.
    std::vector<double> grid;
    // The grid never falls from one point to the next (and holds no NaN): a bisection's first
    // levels then end where a binary search over it ends.
    bool gridAscends = false;
};

} // namespace Quorvel::Spline
