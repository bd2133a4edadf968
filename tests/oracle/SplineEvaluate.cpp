#include <cmath>
#include <cstdio>

#include "tests/oracle/Spline.h"

namespace Oracle::Spline {

namespace {

bool KnotsEqual(double a, double b) {
    return std::fabs(a - b) < kKnotEpsilon;
}

std::string FormatFixed(double value) {
    const int length = std::snprintf(nullptr, 0, "%f", value);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), "%f", value);
    text.pop_back();
    return text;
}

Status OutsideDomain(double u, const char* relation, const char* side, double bound) {
    return Status::Failure("knot (" + FormatFixed(u) + ") " + relation + " " + side + "(domain) (" +
                           FormatFixed(bound) + ")");
}

// knots[k] <= u < knots[k + 1], advanced past knots within kKnotEpsilon, or the last knot.
std::size_t FindSpan(const std::vector<double>& knots, double u) {
    const std::size_t last = knots.size() - 1;
    std::size_t k = last;
    if (!KnotsEqual(knots[last], u)) {
        std::size_t low = 0;
        std::size_t high = last;
        k = (low + high) / 2;
        while (u < knots[k] || u >= knots[k + 1]) {
            if (u < knots[k])
                high = k;
            else
                low = k;
            k = (low + high) / 2;
        }
    }
    while (k < last && KnotsEqual(u, knots[k + 1]))
        ++k;
    return k;
}

void CopyControlPoints(const BSpline& spline, std::size_t first, std::size_t count,
                       std::vector<double>& out) {
    const std::size_t dim = spline.dimension;
    const auto begin = spline.controlPoints.begin() + static_cast<std::ptrdiff_t>(first * dim);
    out.assign(begin, begin + static_cast<std::ptrdiff_t>(count * dim));
}

// De Casteljau over the four control points of the segment that starts at knot index k.
void EvaluateInside(const BSpline& spline, std::size_t k, double u, std::vector<double>& out) {
    const std::vector<double>& knots = spline.knots;
    const std::size_t dim = spline.dimension;
    const double t = (u - knots[k]) / (knots[k + 1] - knots[k]);
    const double w = 1.0 - t;
    std::vector<double> points;
    CopyControlPoints(spline, k - BSpline::kDegree, BSpline::kOrder, points);
    for (std::size_t round = 1; round < BSpline::kOrder; ++round)
        for (std::size_t p = 0; p + round < BSpline::kOrder; ++p)
            for (std::size_t j = 0; j < dim; ++j)
                points[p * dim + j] = w * points[p * dim + j] + t * points[(p + 1) * dim + j];
    points.resize(dim);
    out = std::move(points);
}

} // namespace

Status Evaluate(const BSpline& spline, double u, DeBoorNet& net) {
    const std::vector<double>& knots = spline.knots;
    if (spline.IsEmpty() || knots.size() < 2 * BSpline::kOrder)
        return Status::Failure("spline has no control points");
    const double min = knots[BSpline::kDegree];
    const double max = knots[knots.size() - BSpline::kOrder];
    if (u < min) {
        if (!KnotsEqual(u, min))
            return OutsideDomain(u, "<", "min", min);
        u = min;
    } else if (u > max && !KnotsEqual(u, max)) {
        return OutsideDomain(u, ">", "max", max);
    }

    const std::size_t last = knots.size() - 1;
    const std::size_t k = FindSpan(knots, u);
    const bool onKnot = KnotsEqual(u, knots[k]);
    if (onKnot)
        u = knots[k];

    DeBoorNet result;
    result.knot = u;
    result.dimension = spline.dimension;
    result.multiplicity = onKnot ? BSpline::kOrder : 0;
    if (!onKnot)
        EvaluateInside(spline, k, u, result.result);
    else if (k == BSpline::kDegree)
        CopyControlPoints(spline, 0, 1, result.result);
    else if (k == last)
        CopyControlPoints(spline, spline.NumControlPoints() - 1, 1, result.result);
    else // an interior joint: the end of one segment and the start of the next
        CopyControlPoints(spline, k - BSpline::kOrder, 2, result.result);
    net = std::move(result);
    return Status::Success();
}

} // namespace Oracle::Spline
