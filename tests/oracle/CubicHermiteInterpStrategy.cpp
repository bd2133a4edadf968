#include <algorithm>
#include <cmath>

#include "tests/oracle/Angles.h"
#include "tests/oracle/CubicBases.h"
#include "tests/oracle/InterpStrategies.h"
#include "tests/oracle/PoseValues.h"
#include "tests/oracle/SplineTangents.h"

namespace Oracle {

namespace {

constexpr float kMinSpacing = 1e-6f;

// A frame spacing, or 1 when it is too small to divide by.
float SpacingOrOne(float from, float to) {
    const float h = to - from;
    return h < kMinSpacing ? 1.0f : h;
}

bool Near(float a, float b, float tolerance) {
    return std::fabs(a - b) <= tolerance;
}

bool NearVector(const Vector& a, const Vector& b, float tolerance) {
    return Near(a.X, b.X, tolerance) && Near(a.Y, b.Y, tolerance) && Near(a.Z, b.Z, tolerance);
}

float Component(const Vector& v, int axis) {
    return axis == 0 ? v.X : axis == 1 ? v.Y : v.Z;
}

float Component(const FloatRotator& r, int axis) {
    return axis == 0 ? r.pitch : axis == 1 ? r.yaw : r.roll;
}

} // namespace

CubicHermiteInterpStrategy::CubicHermiteInterpStrategy(const SnapshotMap& path)
    : InterpStrategy(path, 0), fallback(std::make_unique<LinearInterpStrategy>(path, 0)) {}

bool CubicHermiteInterpStrategy::TableIsCurrent() const {
    const std::size_t n = waypoints->size();
    if (static_cast<std::size_t>(rowCount) != n || keys.size() != n || tangentTable.size() != n)
        return false;
    std::size_t i = 0;
    for (const auto& [frame, w] : *waypoints) {
        const TangentRow& row = tangentTable[i];
        if (keys[i].first != w.frame || !Near(keys[i].second, w.timestamp, 0.0001f))
            return false;
        if (!Near(row.value[0], w.location.X, 0.01f) || !Near(row.value[1], w.location.Y, 0.01f) ||
            !Near(row.value[2], w.location.Z, 0.01f))
            return false;
        if (!NearVector(row.ctrlOut, w.v3_bz_ctrl_out, 0.001f) ||
            !NearVector(row.ctrlIn, w.v3_bz_ctrl_in, 0.001f))
            return false;
        ++i;
    }
    return true;
}

void CubicHermiteInterpStrategy::BuildTangentTable() {
    const std::size_t n = waypoints->size();
    tangentTable.assign(n, TangentRow{});
    keys.clear();
    rowCount = static_cast<int>(n);
    if (n < 2)
        return;

    std::vector<float> x(n);
    std::vector<bool> custom(n);
    const CameraSnapshot* previous = nullptr;
    std::size_t i = 0;
    for (const auto& [frame, w] : *waypoints) {
        keys.emplace_back(w.frame, w.timestamp);
        TangentRow& row = tangentTable[i];
        row.frame = static_cast<float>(w.frame);
        x[i] = row.frame;
        for (int axis = 0; axis < 3; ++axis) {
            row.value[axis] = Component(w.location, axis);
            // Unwrapped: each stored angle continues from the previous one by the shorter turn.
            const float stored = Component(w.rotation, axis);
            row.value[3 + axis] =
                previous ? tangentTable[i - 1].value[3 + axis] +
                               WrapAngleDelta(stored - Component(previous->rotation, axis))
                         : stored;
        }
        row.value[6] = w.FOV;
        row.ctrlOut = w.v3_bz_ctrl_out;
        row.ctrlIn = w.v3_bz_ctrl_in;
        custom[i] = w.v3_bz_has_custom;
        previous = &w;
        ++i;
    }
    SolveLocationTangents(x, custom);
    for (int channel = 3; channel < kChannels; ++channel)
        SolveFreeTangents(x, channel, channel == 6);
}

// Custom handles pin the slope of an interior waypoint and clamp the end ones; a handle is an
// offset from the waypoint, a third of the way to the neighbour for a plain Bezier segment.
void CubicHermiteInterpStrategy::SolveLocationTangents(const std::vector<float>& x,
                                                       const std::vector<bool>& custom) {
    const std::size_t n = x.size();
    for (int axis = 0; axis < 3; ++axis) {
        std::vector<float> y(n);
        PinnedTangents pinned{std::vector<bool>(n, false), std::vector<float>(n, 0.0f)};
        for (std::size_t i = 0; i < n; ++i) {
            y[i] = tangentTable[i].value[axis];
            if (i == 0 || i + 1 == n || !custom[i])
                continue;
            const float hPrev = SpacingOrOne(x[i - 1], x[i]);
            const float hNext = SpacingOrOne(x[i], x[i + 1]);
            const float out = Component(tangentTable[i].ctrlOut, axis);
            const float in = Component(tangentTable[i].ctrlIn, axis);
            pinned.pinned[i] = true;
            pinned.value[i] = 0.5f * (3.0f * out / hNext - 3.0f * in / hPrev);
        }
        TangentEnd start;
        if (custom[0])
            start = {true,
                     3.0f * Component(tangentTable[0].ctrlOut, axis) / SpacingOrOne(x[0], x[1])};
        TangentEnd end;
        if (custom[n - 1])
            end = {true, -3.0f * Component(tangentTable[n - 1].ctrlIn, axis) /
                             SpacingOrOne(x[n - 2], x[n - 1])};
        const std::vector<float> m = SolveSplineTangents(x, y, pinned, start, end);
        for (std::size_t i = 0; i < n; ++i)
            tangentTable[i].tangent[axis] = m[i];
    }
}

void CubicHermiteInterpStrategy::SolveFreeTangents(const std::vector<float>& x, int channel,
                                                   bool limitOvershoot) {
    const std::size_t n = x.size();
    std::vector<float> y(n);
    for (std::size_t i = 0; i < n; ++i)
        y[i] = tangentTable[i].value[channel];
    std::vector<float> m = SolveSplineTangents(x, y, PinnedTangents{}, {}, {});
    if (limitOvershoot)
        LimitMonotoneTangents(x, y, m);
    for (std::size_t i = 0; i < n; ++i)
        tangentTable[i].tangent[channel] = m[i];
}

CameraPose CubicHermiteInterpStrategy::Evaluate(float time, int frame) {
    if (waypoints->size() < 2)
        return fallback->Evaluate(time, frame);
    if (!TableIsCurrent())
        BuildTangentTable();
    Segment segment;
    if (tangentTable.size() < 2 || !FindSegment(frame, segment))
        return fallback->Evaluate(time, frame);

    const CameraSnapshot& a = segment.a->second;
    const CameraSnapshot& b = segment.b->second;
    std::size_t i = 0;
    const auto row =
        std::find_if(tangentTable.begin(), tangentTable.end(),
                     [&](const TangentRow& r) { return TruncateToInt(r.frame) == a.frame; });
    if (row != tangentTable.end())
        i = static_cast<std::size_t>(row - tangentTable.begin());
    if (i + 1 >= tangentTable.size())
        return fallback->Evaluate(time, frame);

    const float d = b.timestamp - a.timestamp;
    const float t = std::clamp(d > kMinSpacing ? (time - a.timestamp) / d : 0.0f, 0.0f, 1.0f);
    const TangentRow& r0 = tangentTable[i];
    const TangentRow& r1 = tangentTable[i + 1];
    const float h = SpacingOrOne(r0.frame, r1.frame);
    float v[kChannels];
    for (int k = 0; k < kChannels; ++k)
        v[k] = HermiteBasis(t, r0.value[k], h * r0.tangent[k], r1.value[k], h * r1.tangent[k]);
    return FiniteOrZero(CameraPose{v[0], v[1], v[2], v[3], v[4], v[5], v[6]});
}

} // namespace Oracle
