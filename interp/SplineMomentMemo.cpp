#include "interp/SplineMomentMemo.h"

#include <cstring>

namespace {

bool BitEqual(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

bool BitEqual(const std::vector<double>& a, const std::vector<double>& b) {
    return a.size() == b.size() &&
           (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0);
}

} // namespace

bool SplineMomentMemo::SameTimeCoordinate(const Quorvel::Spline::BSpline& spline,
                                          double epsilon) const {
    if (!BitEqual(tolerance, epsilon) || !BitEqual(knots, spline.Knots()) ||
        times.size() != spline.NumControlPoints())
        return false;
    const double* points = spline.ControlPoints().data();
    for (std::size_t i = 0; i < times.size(); ++i)
        if (!BitEqual(times[i], points[i * spline.Dimension()]))
            return false;
    return true;
}

SplineMomentMemo::Ticket SplineMomentMemo::Begin(const Quorvel::Spline::BSpline& spline,
                                                 double epsilon) {
    if (!SameTimeCoordinate(spline, epsilon)) {
        momentTimes.clear();
        parameters.clear();
        knots = spline.Knots();
        times.resize(spline.NumControlPoints());
        for (std::size_t i = 0; i < times.size(); ++i)
            times[i] = spline.ControlPoints()[i * spline.Dimension()];
        tolerance = epsilon;
    }
    next = 0;
    return ++current;
}

bool SplineMomentMemo::Recall(Ticket ticket, float time, double& parameter) {
    if (ticket != current || next >= momentTimes.size())
        return false;
    // Bit equality, the plainest sound match (NaN never meets it).
    if (std::memcmp(&momentTimes[next], &time, sizeof time) != 0)
        return false;
    parameter = parameters[next];
    ++next;
    return true;
}

void SplineMomentMemo::Keep(Ticket ticket, float time, double parameter) {
    if (ticket != current)
        return;
    if (next < momentTimes.size()) {
        momentTimes[next] = time;
        parameters[next] = parameter;
    } else if (momentTimes.size() < kMaxMoments) {
        momentTimes.push_back(time);
        parameters.push_back(parameter);
    } else {
        return;
    }
    ++next;
}
