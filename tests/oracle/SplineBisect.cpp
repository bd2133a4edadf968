#include <cmath>

#include "tests/oracle/Spline.h"

namespace Oracle::Spline {

namespace {

Status CheckQuery(const BSpline& spline, const BisectQuery& query) {
    if (query.index >= spline.dimension)
        return Status::Failure("dimension (" + std::to_string(spline.dimension) + ") <= index (" +
                               std::to_string(query.index) + ")");
    if (query.maxIterations == 0)
        return Status::Failure("0 iterations");
    return Status::Success();
}

} // namespace

Status Bisect(const BSpline& spline, const BisectQuery& query, DeBoorNet& net,
              std::size_t* evaluations) {
    Status status = CheckQuery(spline, query);
    if (!status.ok)
        return status;
    const double epsilon = std::fabs(query.epsilon);
    double low = 0.0;
    double high = 1.0;
    std::size_t made = 0;
    DeBoorNet point;
    for (std::size_t count = 0;; ++count) {
        const double mid = (low + high) / 2.0;
        status = Evaluate(spline, mid, point);
        ++made;
        if (!status.ok)
            break;
        const double coordinate = point.result[query.index];
        if (std::fabs(coordinate - query.value) <= epsilon)
            break;
        if ((coordinate < query.value) == query.ascending)
            low = mid;
        else
            high = mid;
        if (count == query.maxIterations) {
            if (query.persnickety)
                status = Status::Failure("maximum iterations (" +
                                         std::to_string(query.maxIterations) + ") exceeded");
            break;
        }
    }
    if (evaluations)
        *evaluations = made;
    if (status.ok)
        net = std::move(point);
    return status;
}

} // namespace Oracle::Spline
