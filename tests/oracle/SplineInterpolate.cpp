#include <new>

#include "tests/oracle/Spline.h"

namespace Oracle::Spline {

namespace {

// Float divisions widened to double, kept as they were: results are pinned bit for bit.
const double kSixth = static_cast<double>(1.0f / 6.0f);
const double kThird = static_cast<double>(1.0f / 3.0f);
const double kTwoThirds = static_cast<double>(2.0f / 3.0f);

// A point-major matrix of rows of `dim` doubles.
struct Rows {
    std::size_t dim;
    std::vector<double> values;

    double* Row(std::size_t r) { return values.data() + r * dim; }
    const double* Row(std::size_t r) const { return values.data() + r * dim; }
};

// Right-hand side of x[r-1] + 4 x[r] + x[r+1] = 6 P[r+1] for the m = n - 2 interior de Boor
// points, with the fixed end points moved to the right. The two subtractions are interleaved
// per coordinate, the last point's taken from the last coordinate backwards; with one interior
// row the order decides the last bit.
Rows RightHandSide(const Rows& points, std::size_t n) {
    const std::size_t dim = points.dim;
    const std::size_t m = n - 2;
    Rows rhs{dim, std::vector<double>(m * dim)};
    for (std::size_t r = 0; r < m; ++r)
        for (std::size_t j = 0; j < dim; ++j)
            rhs.Row(r)[j] = 6.0 * points.Row(r + 1)[j];
    for (std::size_t c = 0; c < dim; ++c) {
        rhs.Row(0)[c] -= points.Row(0)[c];
        rhs.Row(m - 1)[dim - 1 - c] -= points.Row(n - 1)[dim - 1 - c];
    }
    return rhs;
}

// Solves the 1-4-1 tridiagonal system in place (Thomas algorithm); rhs becomes the solution.
void SolveOneFourOne(Rows& rhs, std::size_t m) {
    const std::size_t dim = rhs.dim;
    if (m == 1) {
        for (std::size_t j = 0; j < dim; ++j)
            rhs.Row(0)[j] = rhs.Row(0)[j] * 0.25;
        return;
    }
    std::vector<double> cp(m);
    cp[0] = 1.0 / 4.0;
    for (std::size_t j = 0; j < dim; ++j)
        rhs.Row(0)[j] = rhs.Row(0)[j] / 4.0;
    for (std::size_t r = 1; r < m; ++r) {
        const double q = 1.0 / (4.0 - cp[r - 1]);
        cp[r] = q;
        for (std::size_t j = 0; j < dim; ++j)
            rhs.Row(r)[j] = (rhs.Row(r)[j] - rhs.Row(r - 1)[j]) * q;
    }
    for (std::size_t r = m - 1; r >= 1; --r)
        for (std::size_t j = 0; j < dim; ++j)
            rhs.Row(r - 1)[j] = rhs.Row(r - 1)[j] - cp[r - 1] * rhs.Row(r)[j];
}

// The de Boor points b[0..n-1]: the two end points and the solved interior ones.
Rows DeBoorPoints(const Rows& points, std::size_t n) {
    const std::size_t dim = points.dim;
    Rows b{dim, points.values};
    if (n < 3)
        return b;
    Rows x = RightHandSide(points, n);
    SolveOneFourOne(x, n - 2);
    for (std::size_t r = 0; r + 2 < n; ++r)
        for (std::size_t j = 0; j < dim; ++j)
            b.Row(r + 1)[j] = x.Row(r)[j];
    return b;
}

// The segment joints s[i]: the end points, and (b[i-1] + 4 b[i] + b[i+1]) / 6 between.
Rows Joints(const Rows& b, std::size_t n) {
    Rows s{b.dim, b.values};
    for (std::size_t i = 1; i + 1 < n; ++i)
        for (std::size_t j = 0; j < b.dim; ++j) {
            double v = kSixth * b.Row(i - 1)[j];
            v += kTwoThirds * b.Row(i)[j];
            v += kSixth * b.Row(i + 1)[j];
            s.Row(i)[j] = v;
        }
    return s;
}

std::vector<double> BezierControlPoints(const Rows& b, const Rows& s, std::size_t n) {
    const std::size_t dim = b.dim;
    std::vector<double> ctrlp;
    ctrlp.reserve(4 * (n - 1) * dim);
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const double* b0 = b.Row(i);
        const double* b1 = b.Row(i + 1);
        ctrlp.insert(ctrlp.end(), s.Row(i), s.Row(i) + dim);
        for (std::size_t j = 0; j < dim; ++j)
            ctrlp.push_back(kTwoThirds * b0[j] + kThird * b1[j]);
        for (std::size_t j = 0; j < dim; ++j)
            ctrlp.push_back(kThird * b0[j] + kTwoThirds * b1[j]);
        ctrlp.insert(ctrlp.end(), s.Row(i + 1), s.Row(i + 1) + dim);
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
            const Rows input{dimension, points};
            const Rows b = DeBoorPoints(input, n);
            ctrlp = BezierControlPoints(b, Joints(b, n), n);
        }
        spline = BSpline{dimension, std::move(ctrlp), BezierKnots(n)};
    } catch (const std::bad_alloc&) {
        return Status::Failure("out of memory");
    }
    return Status::Success();
}

} // namespace Oracle::Spline
