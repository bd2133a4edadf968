#include <utility>

#include "tests/oracle/Angles.h"
#include "tests/oracle/InterpStrategies.h"
#include "tests/oracle/PoseValues.h"

namespace Oracle {

namespace {

using Spline::BSpline;
using Spline::Status;

// The bisection evaluates the spline at most this bound + 1 = 31 times.
constexpr std::size_t kBisectionBound = 30;

// Point-major lists of (timestamp, values...) per waypoint, in frame order.
struct SplinePoints {
    std::vector<double> location; // dimension 4
    std::vector<double> rotation; // dimension 4
    std::vector<double> fov;      // dimension 2
};

SplinePoints CollectPoints(const SnapshotMap& waypoints) {
    SplinePoints p;
    const CameraSnapshot* previous = nullptr;
    double pitch = 0.0, yaw = 0.0, roll = 0.0; // unwrapped rotator units
    for (const auto& [frame, w] : waypoints) {
        const double time = w.timestamp;
        p.location.insert(p.location.end(), {time, w.location.X, w.location.Y, w.location.Z});
        if (previous) {
            const FloatRotator& r = previous->rotation;
            pitch += WrapAngleDelta(double(w.rotation.pitch) - double(r.pitch));
            yaw += WrapAngleDelta(double(w.rotation.yaw) - double(r.yaw));
            roll += WrapAngleDelta(double(w.rotation.roll) - double(r.roll));
        } else {
            pitch = w.rotation.pitch;
            yaw = w.rotation.yaw;
            roll = w.rotation.roll;
        }
        p.rotation.insert(p.rotation.end(), {time, pitch, yaw, roll});
        p.fov.insert(p.fov.end(), {time, w.FOV});
        previous = &w;
    }
    return p;
}

} // namespace

SplineInterpStrategy::SplineInterpStrategy(const SnapshotMap& path, int chaikinDegree,
                                           AccuracySource accuracy)
    : InterpStrategy(path, chaikinDegree), accuracy(std::move(accuracy)),
      fallback(std::make_unique<NBezierInterpStrategy>(path, chaikinDegree)) {}

double SplineInterpStrategy::Epsilon(int accuracy) {
    if (accuracy <= 0)
        accuracy = kDefaultAccuracy;
    return static_cast<double>(static_cast<float>(1.0 / accuracy));
}

// The plugin reports a failure once on the console; the oracle only gives the zero pose.
bool SplineInterpStrategy::BuildSplines() {
    if (splineState != SplineState::NotBuilt)
        return splineState == SplineState::Built;
    using Spline::InterpolateCubicNatural;
    const SplinePoints points = CollectPoints(*waypoints);
    Status status = InterpolateCubicNatural(points.location, 4, locationSpline);
    if (status.ok)
        status = InterpolateCubicNatural(points.rotation, 4, rotationSpline);
    if (status.ok)
        status = InterpolateCubicNatural(points.fov, 2, fovSpline);
    splineState = status.ok ? SplineState::Built : SplineState::Failed;
    return status.ok;
}

bool SplineInterpStrategy::Locate(const BSpline& spline, double time, double epsilon,
                                  std::vector<double>& point) {
    Spline::BisectQuery query;
    query.value = time;
    query.epsilon = epsilon;
    query.index = 0;
    query.ascending = true;
    query.maxIterations = kBisectionBound;
    Spline::DeBoorNet net;
    const Status status = Spline::Bisect(spline, query, net);
    if (!status.ok)
        return false;
    point = net.Point();
    return true;
}

CameraPose SplineInterpStrategy::Evaluate(float time, int frame) {
    if (waypoints->size() < 4)
        return fallback->Evaluate(time, frame);
    Segment segment;
    if (!FindSegment(frame, segment))
        return CameraPose{};
    if (!BuildSplines())
        return CameraPose{};

    const double epsilon = Epsilon(accuracy ? accuracy() : kDefaultAccuracy);
    std::vector<double> location, rotation, fov;
    if (!Locate(locationSpline, time, epsilon, location) ||
        !Locate(rotationSpline, time, epsilon, rotation) || !Locate(fovSpline, time, epsilon, fov))
        return CameraPose{};

    CameraPose pose;
    pose.x = static_cast<float>(location[1]);
    pose.y = static_cast<float>(location[2]);
    pose.z = static_cast<float>(location[3]);
    pose.pitch = static_cast<float>(rotation[1]);
    pose.yaw = static_cast<float>(rotation[2]);
    pose.roll = static_cast<float>(rotation[3]);
    pose.FOV = static_cast<float>(fov[1]);
    return FiniteOrZero(pose);
}

} // namespace Oracle
