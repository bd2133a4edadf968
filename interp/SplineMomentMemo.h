#pragma once
// Where sampled moments fell on a B-spline's time coordinate, kept from one strategy to the
// next.
//
// The B-spline strategy places a moment by bisecting its splines' time coordinate
// (coordinate 0), and the parameter it finds depends on nothing else: the knots, that
// coordinate of the control points, the tolerance and the moment. Natural interpolation solves
// each coordinate on its own, so an edit that leaves every timestamp as it was (moving a
// waypoint, a handle, a rotation or the FOV, as every drag does) leaves the time coordinate
// bit for bit as it was; the path cache and the arc-length table then ask for the same moments
// in the same order, and the memo hands back the parameters without a bisection.
//
// A pass is one strategy's sampling. The memo keeps the parameters of the moments in the
// order they were asked, and forgets them when a pass begins over another time coordinate or
// tolerance. A pass whose ticket is no longer the current one reads and keeps nothing.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "spline/BSpline.h"

class SplineMomentMemo {
public:
    using Ticket = std::uint64_t;

    // At most this many moments are kept (12 bytes each): the hour-long path's frames and the
    // arc-length table fit.
    static constexpr std::size_t kMaxMoments = std::size_t{1} << 17;

    // Starts a pass over the spline's time coordinate with the bisection tolerance epsilon.
    Ticket Begin(const Quorvel::Spline::BSpline& spline, double epsilon);
    // The parameter found for `time` when the pass's next moment is the one asked at this
    // point of the previous pass; the pass then moves on. False otherwise.
    bool Recall(Ticket ticket, float time, double& parameter);
    // Keeps the parameter found for `time` as the pass's next moment, and moves on.
    void Keep(Ticket ticket, float time, double parameter);

private:
    bool SameTimeCoordinate(const Quorvel::Spline::BSpline& spline, double epsilon) const;

    Ticket current = 0;
    std::size_t next = 0;           // the pass's position in the moments
    std::vector<float> momentTimes; // seconds, as asked
    std::vector<double> parameters; // where the bisection placed each
    // What the moments were found on: knots, coordinate 0 of every control point, tolerance.
    std::vector<double> knots;
    std::vector<double> times;
    double tolerance = 0.0;
};
