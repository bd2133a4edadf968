#pragma once
// Mode 5 (the default): natural cubic splines through the waypoints, read by replay time. Each
// spline carries the timestamp as its first coordinate and a query is located on it by
// bisection on that coordinate, to the accuracy the console variable "dolly_spline_acc" sets.

#include <memory>
#include <string>
#include <vector>

#include "corvane/wrappers/CVarManagerWrapper.h"
#include "interp/InterpStrategy.h"
#include "interp/NBezierInterpStrategy.h"
#include "spline/BSpline.h"
#include "spline/SplineStatus.h"

class SplineInterpStrategy final : public InterpStrategy {
public:
    // Used when the console is absent or the variable holds no usable value.
    static constexpr int kDefaultAccuracy = 7500;

    SplineInterpStrategy(const std::shared_ptr<SnapshotMap>& path, int chaikinDegree);

    // Fewer than four waypoints: the N-Bezier fallback (which ignores the frame). A frame
    // outside the path or on its last waypoint: zero pose. Otherwise the frame only decides that
    // there is a value; the time alone places the camera. Rotation comes out unwrapped. A spline
    // failure gives the zero pose and one console line, repeated only when the error changes.
    CameraPose Evaluate(float time, int frame) override;
    std::string GetName() override;

    // Bisection tolerance in seconds for an accuracy: 1 / acc, rounded through float. A
    // non-positive accuracy counts as the default.
    static double Epsilon(int accuracy);

    // Set by the factory after construction; may stay null (default accuracy, nothing logged).
    std::shared_ptr<CVarManagerWrapper> cvarManager;

private:
    int ReadAccuracy() const;
    // Builds the three splines from the waypoints once: the waypoints never change, so every
    // later evaluation would build the same splines again.
    bool BuildSplines();
    bool Locate(const Quorvel::Spline::BSpline& spline, double time, double epsilon,
                std::vector<double>& point);
    void Report(const Quorvel::Spline::Status& status);

    Quorvel::Spline::BSpline locationSpline; // (timestamp, x, y, z)
    Quorvel::Spline::BSpline rotationSpline; // (timestamp, pitch, yaw, roll), unwrapped
    Quorvel::Spline::BSpline fovSpline;      // (timestamp, FOV)
    std::shared_ptr<NBezierInterpStrategy> fallback;
    std::string lastReportedError;
    enum class SplineState { NotBuilt, Built, Failed } splineState = SplineState::NotBuilt;
};
