#pragma once
// Mode 1: the whole path as one Bezier curve whose control points are the waypoints, read by
// replay time from the first waypoint (t = 0) to the last (t = 1). It passes through the first
// and last waypoints and is pulled towards the others. The frame plays no part. Also the
// B-spline strategy's fallback for paths of fewer than four waypoints.

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "interp/InterpStrategy.h"

class NBezierInterpStrategy final : public InterpStrategy {
public:
    NBezierInterpStrategy(const std::shared_ptr<SnapshotMap>& path, int chaikinDegree);

    // Zero pose only for an empty path. Times outside the path extrapolate the polynomial.
    // FOV terms are scaled by each waypoint's weight (the sum is not normalised); rotation is
    // unwrapped and summed in whole rotator units.
    CameraPose Evaluate(float time, int frame) override;
    std::string GetName() override;

private:
    // k!, memoised; exact for k <= 20.
    std::uint64_t Factorial(std::uint64_t k);
    // The weight of control point i of a degree-n curve at t.
    float Bernstein(int n, int i, float t);

    std::map<std::uint64_t, std::uint64_t> factorialCache;
};
