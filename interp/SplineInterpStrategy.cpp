#include "interp/SplineInterpStrategy.h"

#include "interp/PoseValues.h"
#include "math/Angles.h"
#include "spline/Bisect.h"
#include "spline/Interpolate.h"

namespace {

using Quorvel::Spline::BSpline;
using Quorvel::Spline::Status;

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
            using Quorvel::Math::WrapAngleDelta;
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

SplineInterpStrategy::SplineInterpStrategy(const std::shared_ptr<SnapshotMap>& path,
                                           int chaikinDegree)
    : InterpStrategy(path, chaikinDegree),
      fallback(std::make_shared<NBezierInterpStrategy>(path, chaikinDegree)) {}

double SplineInterpStrategy::Epsilon(int accuracy) {
    if (accuracy <= 0) // a stale or unset variable; the console itself keeps it at 100 or more
        accuracy = kDefaultAccuracy;
    return static_cast<double>(static_cast<float>(1.0 / accuracy));
}

int SplineInterpStrategy::ReadAccuracy() const {
    if (!cvarManager)
        return kDefaultAccuracy;
    const CVarWrapper accuracy = cvarManager->getCvar("dolly_spline_acc");
    return accuracy.IsNull() ? kDefaultAccuracy : accuracy.getIntValue();
}

void SplineInterpStrategy::Report(const Status& status) {
    if (status.message == lastReportedError)
        return;
    lastReportedError = status.message;
    if (cvarManager)
        cvarManager->log("Spline interpolation failed: " + status.message);
}

bool SplineInterpStrategy::BuildSplines() {
    if (splineState != SplineState::NotBuilt)
        return splineState == SplineState::Built;
    using Quorvel::Spline::InterpolateCubicNatural;
    const SplinePoints points = CollectPoints(*waypoints);
    Status status = InterpolateCubicNatural(points.location, 4, locationSpline);
    if (status.ok)
        status = InterpolateCubicNatural(points.rotation, 4, rotationSpline);
    if (status.ok)
        status = InterpolateCubicNatural(points.fov, 2, fovSpline);
    if (!status.ok)
        Report(status);
    splineState = status.ok ? SplineState::Built : SplineState::Failed;
    return status.ok;
}

bool SplineInterpStrategy::Locate(const BSpline& spline, double time, double epsilon,
                                  std::vector<double>& point) {
    Quorvel::Spline::BisectQuery query;
    query.value = time;
    query.epsilon = epsilon;
    query.index = 0;
    query.ascending = true;
    query.maxIterations = kBisectionBound;
    Quorvel::Spline::DeBoorNet net;
    const Status status = Quorvel::Spline::Bisect(spline, query, net);
    if (!status.ok) {
        Report(status);
        return false;
    }
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

    const double epsilon = Epsilon(ReadAccuracy());
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

std::string SplineInterpStrategy::GetName() {
    return "Spline interpolation";
}
