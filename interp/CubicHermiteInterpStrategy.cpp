#include "interp/CubicHermiteInterpStrategy.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "interp/CubicBases.h"
#include "interp/PoseValues.h"
#include "interp/SplineTangents.h"
#include "math/Angles.h"

namespace {

constexpr float kMinSpacing = 1e-6f;

// A frame spacing, or 1 when it is too small to divide by.
float SpacingOrOne(float from, float to) {
    const float h = to - from;
    return h < kMinSpacing ? 1.0f : h;
}

float Component(const Vector& v, int axis) {
    return axis == 0 ? v.X : axis == 1 ? v.Y : v.Z;
}

float Component(const FloatRotator& r, int axis) {
    return axis == 0 ? r.pitch : axis == 1 ? r.yaw : r.roll;
}

} // namespace

CubicHermiteInterpStrategy::CubicHermiteInterpStrategy(const std::shared_ptr<SnapshotMap>& path,
                                                       int /*chaikinDegree*/)
    : InterpStrategy(path, 0), fallback(std::make_shared<LinearInterpStrategy>(points)) {
    BuildTangentTable();
    MatchSegmentsToRows();
}

void CubicHermiteInterpStrategy::BuildTangentTable() {
    const std::size_t n = Size();
    tangentTable.assign(n, TangentRow{});
    if (n < 2)
        return;

    std::vector<float> x(n);
    std::vector<bool> custom(n);
    for (std::size_t i = 0; i < n; ++i) {
        const CameraSnapshot& w = At(i);
        TangentRow& row = tangentTable[i];
        row.frame = static_cast<float>(w.frame);
        x[i] = row.frame;
        for (int axis = 0; axis < 3; ++axis) {
            row.value[axis] = Component(w.location, axis);
            // Unwrapped: each stored angle continues from the previous one by the shorter turn.
            const float stored = Component(w.rotation, axis);
            row.value[3 + axis] = i > 0 ? tangentTable[i - 1].value[3 + axis] +
                                              Quorvel::Math::WrapAngleDelta(
                                                  stored - Component(At(i - 1).rotation, axis))
                                        : stored;
        }
        row.value[6] = w.FOV;
        custom[i] = w.v3_bz_has_custom;
    }
    SolveLocationTangents(x, custom);
    for (int channel = 3; channel < kChannels; ++channel)
        SolveFreeTangents(x, channel, channel == 6);
}

// A segment's cubic starts from the first row whose frame, truncated, is the frame stored in
// its first waypoint (normally the segment's own row; frames beyond 2^24 are not exact in
// float), or from the first row when none is.
void CubicHermiteInterpStrategy::MatchSegmentsToRows() {
    const std::size_t n = Size();
    segmentRow.assign(n, 0);
    if (n < 2)
        return;
    std::vector<std::pair<int, std::size_t>> byFrame(n); // (truncated frame, row), sorted
    for (std::size_t r = 0; r < n; ++r)
        byFrame[r] = {TruncateToInt(tangentTable[r].frame), r};
    std::sort(byFrame.begin(), byFrame.end());
    for (std::size_t a = 0; a < n; ++a) {
        const auto found = std::lower_bound(byFrame.begin(), byFrame.end(),
                                            std::make_pair(At(a).frame, std::size_t{0}));
        if (found != byFrame.end() && found->first == At(a).frame)
            segmentRow[a] = found->second;
    }
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
            const float out = Component(At(i).v3_bz_ctrl_out, axis);
            const float in = Component(At(i).v3_bz_ctrl_in, axis);
            pinned.pinned[i] = true;
            pinned.value[i] = 0.5f * (3.0f * out / hNext - 3.0f * in / hPrev);
        }
        TangentEnd start;
        if (custom[0])
            start = {true, 3.0f * Component(At(0).v3_bz_ctrl_out, axis) / SpacingOrOne(x[0], x[1])};
        TangentEnd end;
        if (custom[n - 1])
            end = {true, -3.0f * Component(At(n - 1).v3_bz_ctrl_in, axis) /
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
    std::size_t segment = 0;
    if (Size() < 2 || !FindSegment(frame, segment))
        return fallback->Evaluate(time, frame);
    const std::size_t i = segmentRow[segment];
    if (i + 1 >= tangentTable.size())
        return fallback->Evaluate(time, frame);

    const CameraSnapshot& a = At(segment);
    const CameraSnapshot& b = At(segment + 1);
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

std::string CubicHermiteInterpStrategy::GetName() {
    return kName;
}
