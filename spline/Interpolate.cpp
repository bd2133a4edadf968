#include "spline/Interpolate.h"

#include <new>
#include <string>

namespace Quorvel::Spline {

namespace {

// The fractions are float divisions widened to double, so interior points are met only to a
// relative 3e-8; the end points are met exactly. Every step is kept as it is because the
// reference cases in tests/spline/data pin the results bit for bit.
const double kSixth = static_cast<double>(1.0f / 6.0f);
const double kThird = static_cast<double>(1.0f / 3.0f);
const double kTwoThirds = static_cast<double>(2.0f / 3.0f);

// Solves x[r-1] + 4 x[r] + x[r+1] = 6 P[r+1] for the m = n - 2 interior de Boor points, with
// the fixed end points moved to the right, in place over b's rows 1 to n - 2 (b holds the
// points, row-major, `dim` to a row). The right-hand side's two subtractions are interleaved
// per coordinate, the last point's taken from the last coordinate backwards; with one interior
// row the order decides the last bit. The system is 1-4-1 tridiagonal (Thomas algorithm).
void SolveInteriorDeBoorPoints(double* b, std::size_t n, std::size_t dim) {
    const std::size_t m = n - 2;
    double* x = b + dim; // row r of the system is row r + 1 of b
    const double* first = b;
    const double* last = b + (n - 1) * dim;
    for (std::size_t k = 0; k < m * dim; ++k)
        x[k] = 6.0 * x[k];
    for (std::size_t c = 0; c < dim; ++c) {
        x[c] -= first[c];
        x[(m - 1) * dim + dim - 1 - c] -= last[dim - 1 - c];
    }
    if (m == 1) {
        for (std::size_t j = 0; j < dim; ++j)
            x[j] = x[j] * 0.25;
        return;
    }
    std::vector<double> cp(m);
    cp[0] = 1.0 / 4.0;
    for (std::size_t j = 0; j < dim; ++j)
        x[j] = x[j] / 4.0;
    for (std::size_t r = 1; r < m; ++r) {
        const double q = 1.0 / (4.0 - cp[r - 1]);
        cp[r] = q;
        double* row = x + r * dim;
        const double* previous = row - dim;
        for (std::size_t j = 0; j < dim; ++j)
            row[j] = (row[j] - previous[j]) * q;
    }
    for (std::size_t r = m - 1; r >= 1; --r) {
        double* row = x + (r - 1) * dim;
        const double* next = row + dim;
        for (std::size_t j = 0; j < dim; ++j)
            row[j] = row[j] - cp[r - 1] * next[j];
    }
}

// Segment i's Bezier points from the de Boor points b: the joint s[i], two thirds of the way
// along b[i] b[i+1] from either end, the joint s[i+1]. A joint is an end point, or
// (b[i-1] + 4 b[i] + b[i+1]) / 6 between.
std::vector<double> BezierControlPoints(const double* b, std::size_t n, std::size_t dim) {
    std::vector<double> ctrlp(4 * (n - 1) * dim);
    double* out = ctrlp.data();
    for (std::size_t i = 0; i + 1 < n; ++i, out += 4 * dim) {
        const double* b0 = b + i * dim;
        const double* b1 = b0 + dim;
        for (std::size_t j = 0; j < dim; ++j) {
            out[dim + j] = kTwoThirds * b0[j] + kThird * b1[j];
            out[2 * dim + j] = kThird * b0[j] + kTwoThirds * b1[j];
        }
    }
    // Each joint ends one segment and starts the next.
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = 0; j < dim; ++j) {
            const double* bi = b + i * dim;
            double v = bi[j];
            if (i > 0 && i + 1 < n) {
                v = kSixth * (bi - dim)[j];
                v += kTwoThirds * bi[j];
                v += kSixth * (bi + dim)[j];
            }
            if (i > 0)
                ctrlp[(4 * (i - 1) + 3) * dim + j] = v;
            if (i + 1 < n)
                ctrlp[4 * i * dim + j] = v;
        }
    return ctrlp;
}

// Four copies of each joint's parameter: 0, j * fac for the interior joints, 1. fac is a float
// division widened, so the interior knots are not exactly j / (n - 1).
std::vector<double> BezierKnots(std::size_t n) {
    const std::size_t segments = n < 2 ? 1 : n - 1;
    const double fac = static_cast<double>(1.0f / static_cast<float>(segments));
    std::vector<double> knots;
    knots.reserve(4 * (segments + 1));
    knots.insert(knots.end(), 4, 0.0);
    for (std::size_t j = 1; j < segments; ++j)
        knots.insert(knots.end(), 4, static_cast<double>(j) * fac);
    knots.insert(knots.end(), 4, 1.0);
    return knots;
}

Status CheckInput(const std::vector<double>& points, std::size_t dimension) {
    if (dimension == 0)
        return Status::Failure("unsupported dimension: 0");
    if (points.size() % dimension != 0)
        return Status::Failure("#points % dimension != 0");
    const std::size_t n = points.size() / dimension;
    if (n == 0)
        return Status::Failure("num(points) == 0");
    if (4 * n > kMaxKnots)
        return Status::Failure("unsupported number of knots: " + std::to_string(4 * n) + " > " +
                               std::to_string(kMaxKnots));
    return Status::Success();
}

} // namespace

Status InterpolateCubicNatural(const std::vector<double>& points, std::size_t dimension,
                               BSpline& spline) {
    Status status = CheckInput(points, dimension);
    if (!status.ok)
        return status;
    const std::size_t n = points.size() / dimension;
    try {
        std::vector<double> ctrlp;
        if (n == 1) {
            for (int copy = 0; copy < 4; ++copy)
                ctrlp.insert(ctrlp.end(), points.begin(), points.end());
        } else {
            std::vector<double> b = points;
            if (n >= 3)
                SolveInteriorDeBoorPoints(b.data(), n, dimension);
            ctrlp = BezierControlPoints(b.data(), n, dimension);
        }
        spline = BSpline(dimension, std::move(ctrlp), BezierKnots(n));
    } catch (const std::bad_alloc&) {
        return Status::Failure("out of memory");
    }
    return Status::Success();
}

} // namespace Quorvel::Spline
