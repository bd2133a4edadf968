#pragma once
// The eight interp modes' strategies as they evaluated before any optimisation, kept here
// unchanged in arithmetic so that the plugin's strategies can be compared with them bit for
// bit. Each copies the path when built (optionally refined by Chaikin subdivision) and never
// sees a later edit.
//
//   0, 3  LinearInterpStrategy         4  CatmullRomInterpStrategy
//   1     NBezierInterpStrategy        5  SplineInterpStrategy (natural cubic B-spline)
//   2     CosineInterpStrategy         6  KochanekBartelsInterpStrategy
//   7     CubicHermiteInterpStrategy

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "path/CameraPose.h"
#include "path/CameraSnapshot.h"
#include "tests/oracle/Spline.h"

namespace Oracle {

// One Chaikin pass per degree: between every pair of neighbours add 0.75A + 0.25B and
// 0.25A + 0.75B keyed by their truncated frames; a frame already taken keeps its waypoint.
void SubdivideChaikin(SnapshotMap& path, int degree);

class InterpStrategy {
public:
    virtual ~InterpStrategy() = default;
    // time: replay seconds; frame: replay frame, which chooses the segment.
    virtual CameraPose Evaluate(float time, int frame) = 0;
    virtual std::string GetName() = 0;

protected:
    InterpStrategy(const SnapshotMap& path, int chaikinDegree);

    // B is the first waypoint above `frame`, A the one before it.
    struct Segment {
        SnapshotMap::const_iterator a;
        SnapshotMap::const_iterator b;
    };
    bool FindSegment(int frame, Segment& segment) const;

    std::unique_ptr<SnapshotMap> waypoints;
};

class LinearInterpStrategy final : public InterpStrategy {
public:
    LinearInterpStrategy(const SnapshotMap& path, int chaikinDegree);
    CameraPose Evaluate(float time, int frame) override;
    std::string GetName() override { return "linear interpolation"; }
};

class CosineInterpStrategy final : public InterpStrategy {
public:
    explicit CosineInterpStrategy(const SnapshotMap& path);
    CameraPose Evaluate(float time, int frame) override;
    std::string GetName() override { return "cosine interpolation"; }
};

class CatmullRomInterpStrategy final : public InterpStrategy {
public:
    CatmullRomInterpStrategy(const SnapshotMap& path, int chaikinDegree);
    CameraPose Evaluate(float time, int frame) override;
    std::string GetName() override { return "Catmull-Rom interpolation"; }

private:
    std::unique_ptr<LinearInterpStrategy> fallback;
};

// The waypoints are never subdivided; the degree reaches the linear fallback only.
class KochanekBartelsInterpStrategy final : public InterpStrategy {
public:
    KochanekBartelsInterpStrategy(const SnapshotMap& path, int chaikinDegree);
    CameraPose Evaluate(float time, int frame) override;
    std::string GetName() override { return "Kochanek-Bartels interpolation"; }

private:
    std::unique_ptr<LinearInterpStrategy> fallback;
};

class NBezierInterpStrategy final : public InterpStrategy {
public:
    NBezierInterpStrategy(const SnapshotMap& path, int chaikinDegree);
    CameraPose Evaluate(float time, int frame) override;
    std::string GetName() override { return "nth bezier interpolation"; }

private:
    std::uint64_t Factorial(std::uint64_t k); // memoised; exact for k <= 20
    float Bernstein(int n, int i, float t);

    std::map<std::uint64_t, std::uint64_t> factorialCache;
};

// Never subdivided, whatever the degree.
class CubicHermiteInterpStrategy final : public InterpStrategy {
public:
    explicit CubicHermiteInterpStrategy(const SnapshotMap& path);
    CameraPose Evaluate(float time, int frame) override;
    std::string GetName() override { return "Cubic Hermite spline"; }

    static constexpr int kChannels = 7; // x, y, z, pitch, yaw, roll (unwrapped), FOV

    struct TangentRow {
        float frame = 0.0f;
        float value[kChannels] = {};
        float tangent[kChannels] = {}; // units per frame
        Vector ctrlOut;
        Vector ctrlIn;
    };

private:
    bool TableIsCurrent() const;
    void BuildTangentTable();
    void SolveLocationTangents(const std::vector<float>& x, const std::vector<bool>& custom);
    void SolveFreeTangents(const std::vector<float>& x, int channel, bool limitOvershoot);

    std::unique_ptr<LinearInterpStrategy> fallback;
    std::vector<TangentRow> tangentTable; // built by the first Evaluate
    int rowCount = 0;
    std::vector<std::pair<int, float>> keys; // (frame, timestamp) it was built from
};

// Where the B-spline strategy reads its accuracy, at every evaluation (the plugin reads the
// console variable dolly_spline_acc there; tests/oracle/ConsoleAccuracy.h does the same).
// Empty: the default accuracy.
using AccuracySource = std::function<int()>;

class SplineInterpStrategy final : public InterpStrategy {
public:
    static constexpr int kDefaultAccuracy = 7500;

    SplineInterpStrategy(const SnapshotMap& path, int chaikinDegree, AccuracySource accuracy);
    CameraPose Evaluate(float time, int frame) override;
    std::string GetName() override { return "Spline interpolation"; }

    // Bisection tolerance in seconds: 1 / acc through float; non-positive counts as default.
    static double Epsilon(int accuracy);

private:
    bool BuildSplines();
    bool Locate(const Spline::BSpline& spline, double time, double epsilon,
                std::vector<double>& point);

    AccuracySource accuracy;
    Spline::BSpline locationSpline; // (timestamp, x, y, z)
    Spline::BSpline rotationSpline; // (timestamp, pitch, yaw, roll), unwrapped
    Spline::BSpline fovSpline;      // (timestamp, FOV)
    std::unique_ptr<NBezierInterpStrategy> fallback;
    enum class SplineState { NotBuilt, Built, Failed } splineState = SplineState::NotBuilt;
};

// The factory: unknown modes are linear.
std::unique_ptr<InterpStrategy> MakeInterpStrategy(int mode, const SnapshotMap& path,
                                                   int chaikinDegree,
                                                   const AccuracySource& splineAccuracy);

} // namespace Oracle
