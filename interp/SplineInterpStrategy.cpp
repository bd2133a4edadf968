#include "interp/SplineInterpStrategy.h"

#include <cmath>
#include <cstring>
#include <initializer_list>

#include "interp/PoseValues.h"
#include "math/Angles.h"
#include "spline/Bisect.h"
#include "spline/Interpolate.h"

namespace {

using Quorvel::Spline::BSpline;
using Quorvel::Spline::SplineReader;
using Quorvel::Spline::Status;

// The bisection evaluates the spline at most this bound + 1 = 31 times.
constexpr std::size_t kBisectionBound = 30;

// The search for the moment `time` (seconds) along a spline's time coordinate.
Quorvel::Spline::BisectQuery TimeQuery(double time, double epsilon) {
    Quorvel::Spline::BisectQuery query;
    query.value = time;
    query.epsilon = epsilon;
    query.index = 0;
    query.ascending = true;
    query.maxIterations = kBisectionBound;
    return query;
}

// Point-major lists of (timestamp, values...) per waypoint, in frame order.
struct SplinePoints {
    std::vector<double> location; // dimension 4
    std::vector<double> rotation; // dimension 4
    std::vector<double> fov;      // dimension 2
};

// Into reserved room: push_back is cheaper than a range insert.
void Append(std::vector<double>& to, std::initializer_list<double> values) {
    for (double v : values)
        to.push_back(v);
}

SplinePoints CollectPoints(const std::vector<CameraSnapshot>& waypoints) {
    SplinePoints p;
    p.location.reserve(4 * waypoints.size());
    p.rotation.reserve(4 * waypoints.size());
    p.fov.reserve(2 * waypoints.size());
    const CameraSnapshot* previous = nullptr;
    double pitch = 0.0, yaw = 0.0, roll = 0.0; // unwrapped rotator units
    for (const CameraSnapshot& w : waypoints) {
        const double time = w.timestamp;
        Append(p.location, {time, w.location.X, w.location.Y, w.location.Z});
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
        Append(p.rotation, {time, pitch, yaw, roll});
        Append(p.fov, {time, w.FOV});
        previous = &w;
    }
    return p;
}

// The pose of the three splines' points: (time, x, y, z), (time, pitch, yaw, roll), (time, FOV).
CameraPose PoseOfPoints(const double* location, const double* rotation, const double* fov) {
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

// Whether two splines have the same knots and the same first coordinate in every control point.
bool SameFirstCoordinate(const BSpline& a, const BSpline& b) {
    if (a.Knots() != b.Knots() || a.NumControlPoints() != b.NumControlPoints())
        return false;
    for (std::size_t i = 0; i < a.NumControlPoints(); ++i) {
        const double x = a.ControlPoints()[i * a.Dimension()];
        const double y = b.ControlPoints()[i * b.Dimension()];
        if (std::memcmp(&x, &y, sizeof x) != 0)
            return false;
    }
    return true;
}

// Whether coordinates `from` on of every control point are within `limit` in magnitude.
bool StaysWithin(const BSpline& spline, std::size_t from, double limit) {
    const std::size_t dim = spline.Dimension();
    const std::vector<double>& points = spline.ControlPoints();
    for (std::size_t i = 0; i < points.size(); ++i)
        if (i % dim >= from && !(std::fabs(points[i]) <= limit)) // NaN fails too
            return false;
    return true;
}

} // namespace

SplineInterpStrategy::Readers::Readers(const BSpline& location, const BSpline& rotation,
                                       const BSpline& fov)
    : location(location), rotation(rotation), fov(fov),
      sharedTime(SameFirstCoordinate(location, rotation) && SameFirstCoordinate(location, fov)) {}

bool SplineInterpStrategy::Readers::IsUsable() const {
    return location.IsUsable() && rotation.IsUsable() && fov.IsUsable();
}

SplineInterpStrategy::SplineInterpStrategy(const std::shared_ptr<SnapshotMap>& path,
                                           int chaikinDegree)
    : InterpStrategy(path, chaikinDegree),
      fallback(std::make_shared<NBezierInterpStrategy>(points)) {}

double SplineInterpStrategy::Epsilon(int accuracy) {
    if (accuracy <= 0) // a stale or unset variable; the console itself keeps it at 100 or more
        accuracy = kDefaultAccuracy;
    return static_cast<double>(static_cast<float>(1.0 / accuracy));
}

int SplineInterpStrategy::ReadAccuracy() const {
    if (accuracyMirror)
        return *accuracyMirror;
    if (!cvarManager)
        return kDefaultAccuracy;
    static const std::string name = "dolly_spline_acc"; // made once: no allocation per call
    const CVarWrapper accuracy = cvarManager->getCvar(name);
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
    const SplinePoints points = CollectPoints(this->points->waypoints);
    Status status = InterpolateCubicNatural(points.location, 4, locationSpline);
    if (status.ok)
        status = InterpolateCubicNatural(points.rotation, 4, rotationSpline);
    if (status.ok)
        status = InterpolateCubicNatural(points.fov, 2, fovSpline);
    if (!status.ok)
        Report(status);
    splineState = status.ok ? SplineState::Built : SplineState::Failed;
    if (status.ok) {
        readers = std::make_unique<Readers>(locationSpline, rotationSpline, fovSpline);
        rotationStaysFinite = StaysWithin(rotationSpline, 1, 1e38);
    }
    return status.ok;
}

bool SplineInterpStrategy::Locate(const BSpline& spline, double time, double epsilon,
                                  std::vector<double>& point) {
    const Quorvel::Spline::BisectQuery query = TimeQuery(time, epsilon);
    Quorvel::Spline::DeBoorNet net;
    const Status status = Quorvel::Spline::Bisect(spline, query, net);
    if (!status.ok) {
        Report(status);
        return false;
    }
    point = net.Point();
    return true;
}

// The library's own bisection and evaluation, for splines the readers cannot take.
CameraPose SplineInterpStrategy::EvaluateByLibrary(float time, double epsilon) {
    std::vector<double> location, rotation, fov;
    if (!Locate(locationSpline, time, epsilon, location) ||
        !Locate(rotationSpline, time, epsilon, rotation) || !Locate(fovSpline, time, epsilon, fov))
        return CameraPose{};
    return PoseOfPoints(location.data(), rotation.data(), fov.data());
}

CameraPose SplineInterpStrategy::Evaluate(float time, int frame) {
    if (Size() < 4)
        return fallback->Evaluate(time, frame);
    return EvaluateWith(time, frame, ReadAccuracy(), false);
}

void SplineInterpStrategy::EvaluateLocations(const float* times, const int* frames,
                                             std::size_t count, CameraPose* poses) {
    if (Size() < 4) {
        fallback->EvaluateLocations(times, frames, count, poses);
        return;
    }
    const int accuracy = ReadAccuracy();
    for (std::size_t i = 0; i < count; ++i)
        poses[i] = EvaluateWith(times[i], frames[i], accuracy, true);
}

SplineReader::Place SplineInterpStrategy::SampledPlace(const Quorvel::Spline::BisectQuery& query,
                                                       float time) {
    SplineReader& reader = readers->location;
    if (!momentMemo)
        return reader.BisectPlace(query);
    if (memoTicket == 0 || memoEpsilon != query.epsilon) {
        memoTicket = momentMemo->Begin(locationSpline, query.epsilon);
        memoEpsilon = query.epsilon;
    }
    double parameter = 0.0;
    if (momentMemo->Recall(memoTicket, time, parameter))
        return reader.Locate(parameter);
    const SplineReader::Place place = reader.BisectPlace(query);
    momentMemo->Keep(memoTicket, time, place.u);
    return place;
}

CameraPose SplineInterpStrategy::EvaluateWith(float time, int frame, int accuracy, bool sampled) {
    std::size_t segment = 0;
    if (!FindSegment(frame, segment))
        return CameraPose{};
    if (!BuildSplines())
        return CameraPose{};

    const double epsilon = Epsilon(accuracy);
    if (!readers->IsUsable())
        return EvaluateByLibrary(time, epsilon);
    // The three splines share their time coordinate bit for bit (the interpolation treats each
    // coordinate alike and on its own), so the bisection of one places the moment on all three.
    const Quorvel::Spline::BisectQuery query = TimeQuery(time, epsilon);
    double location[4], rotation[4], fov[2];
    // The pose needs no time coordinate (coordinate 0).
    if (readers->sharedTime) {
        const SplineReader::Place place =
            sampled ? SampledPlace(query, time) : readers->location.BisectPlace(query);
        readers->location.PointAt(place, location, 1);
        if (sampled && rotationStaysFinite)
            rotation[1] = rotation[2] = rotation[3] = 0.0;
        else
            readers->rotation.PointAt(place, rotation, 1);
        readers->fov.PointAt(place, fov, 1);
    } else {
        SplineReader& l = readers->location;
        l.PointAt(l.BisectPlace(query), location, 1);
        SplineReader& r = readers->rotation;
        SplineReader& f = readers->fov;
        r.PointAt(r.BisectPlace(query), rotation, 1);
        f.PointAt(f.BisectPlace(query), fov, 1);
    }
    return PoseOfPoints(location, rotation, fov);
}

std::string SplineInterpStrategy::GetName() {
    return kName;
}
