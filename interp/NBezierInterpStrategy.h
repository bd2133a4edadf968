#pragma once
// Mode 1: the whole path as one Bezier curve whose control points are the waypoints, read by
// replay time from the first waypoint (t = 0) to the last (t = 1). It passes through the first
// and last waypoints and is pulled towards the others. The frame plays no part. Also the
// B-spline strategy's fallback for paths of fewer than four waypoints.

#include <memory>
#include <string>
#include <vector>

#include "interp/InterpStrategy.h"

class NBezierInterpStrategy final : public InterpStrategy {
public:
    static constexpr const char* kName = "nth bezier interpolation";

    NBezierInterpStrategy(const std::shared_ptr<SnapshotMap>& path, int chaikinDegree);
    // Over a copy of the path another strategy made.
    explicit NBezierInterpStrategy(std::shared_ptr<const PathPoints> points);

    // Zero pose only for an empty path. Times outside the path extrapolate the polynomial.
    // FOV terms are scaled by each waypoint's weight (the sum is not normalised); rotation is
    // unwrapped and summed in whole rotator units.
    CameraPose Evaluate(float time, int frame) override;
    std::string GetName() override;

private:
    // What every evaluation reads of control point i, worked out once.
    struct ControlPoint {
        Vector location;
        float weightedFov = 0.0f; // weight * FOV
        float pitch = 0.0f, yaw = 0.0f,
              roll = 0.0f;           // whole rotator units, unwrapped along the path
        float coefficient = 0.0f;    // C(n, i), up to degree 20
        double logCoefficient = 0.0; // log C(n, i), above degree 20
    };
    // Made by the first evaluation: a strategy built as a fallback may never be asked.
    void Prepare();
    // The weight of control point i of the degree-n curve at t.
    float Bernstein(int i, float t, double logAbsOneMinusT, double logAbsT) const;

    bool prepared = false;
    int degree = 0; // n: one less than the number of control points
    std::vector<ControlPoint> controls;
    // Each evaluation's Bernstein weights, all worked out before they are summed (the
    // exponentials of high degrees then run back to back).
    std::vector<float> weights;
};
