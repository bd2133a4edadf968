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
#include "interp/SplineMomentMemo.h"
#include "spline/BSpline.h"
#include "spline/SplineReader.h"
#include "spline/SplineStatus.h"

class SplineInterpStrategy final : public InterpStrategy {
public:
    static constexpr const char* kName = "Spline interpolation";

    // Used when the console is absent or the variable holds no usable value.
    static constexpr int kDefaultAccuracy = 7500;

    SplineInterpStrategy(const std::shared_ptr<SnapshotMap>& path, int chaikinDegree);
    // The readers refer to the splines inside the object, which therefore stays where it is.
    SplineInterpStrategy(SplineInterpStrategy&&) = delete;
    SplineInterpStrategy& operator=(SplineInterpStrategy&&) = delete;

    // Fewer than four waypoints: the N-Bezier fallback (which ignores the frame). A frame
    // outside the path or on its last waypoint: zero pose. Otherwise the frame only decides that
    // there is a value; the time alone places the camera. Rotation comes out unwrapped. A spline
    // failure gives the zero pose and one console line, repeated only when the error changes.
    CameraPose Evaluate(float time, int frame) override;
    // Reads the accuracy variable once for all the moments, and leaves out the rotation when
    // it cannot take the pose's value away.
    void EvaluateLocations(const float* times, const int* frames, std::size_t count,
                           CameraPose* poses) override;
    std::string GetName() override;

    // Bisection tolerance in seconds for an accuracy: 1 / acc, rounded through float. A
    // non-positive accuracy counts as the default.
    static double Epsilon(int accuracy);

    // Set by the factory after construction; may stay null (default accuracy, nothing logged).
    std::shared_ptr<CVarManagerWrapper> cvarManager;
    // When set, the accuracy variable's value as kept by its owner, read instead of it.
    std::shared_ptr<const int> accuracyMirror;
    // When set, EvaluateLocations' moments are placed from it where the previous strategy over the
    // same timing sampled them, and kept there for the next.
    std::shared_ptr<SplineMomentMemo> momentMemo;

private:
    // Allocation-free readers of the three splines, made with them.
    struct Readers {
        Readers(const Quorvel::Spline::BSpline& location, const Quorvel::Spline::BSpline& rotation,
                const Quorvel::Spline::BSpline& fov);
        bool IsUsable() const;
        Quorvel::Spline::SplineReader location, rotation, fov;
        bool sharedTime; // one bisection serves all three
    };

    int ReadAccuracy() const;
    // Builds the three splines from the waypoints once: the waypoints never change, so every
    // later evaluation would build the same splines again.
    bool BuildSplines();
    bool Locate(const Quorvel::Spline::BSpline& spline, double time, double epsilon,
                std::vector<double>& point);
    // sampled: one of EvaluateLocations' moments, which the memo may place and which needs no
    // rotation when rotationStaysFinite.
    CameraPose EvaluateWith(float time, int frame, int accuracy, bool sampled);
    Quorvel::Spline::SplineReader::Place SampledPlace(const Quorvel::Spline::BisectQuery& query,
                                                      float time);
    CameraPose EvaluateByLibrary(float time, double epsilon);
    void Report(const Quorvel::Spline::Status& status);

    Quorvel::Spline::BSpline locationSpline; // (timestamp, x, y, z)
    Quorvel::Spline::BSpline rotationSpline; // (timestamp, pitch, yaw, roll), unwrapped
    Quorvel::Spline::BSpline fovSpline;      // (timestamp, FOV)
    std::unique_ptr<Readers> readers;        // made when the splines are built
    // Every rotation control point is within 1e38 in magnitude: so is every point of the
    // spline (its segments are convex blends), and the pose's rotation is finite as a float.
    bool rotationStaysFinite = false;
    std::shared_ptr<NBezierInterpStrategy> fallback;
    std::string lastReportedError;
    SplineMomentMemo::Ticket memoTicket = 0; // 0: no pass begun
    double memoEpsilon = 0.0;
    enum class SplineState { NotBuilt, Built, Failed } splineState = SplineState::NotBuilt;
};
