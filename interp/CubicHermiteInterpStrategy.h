#pragma once
// Mode 7: a C2 cubic spline through every waypoint, on the frame axis. Location honours custom
// Bezier handles; the FOV is kept from overshooting between waypoints; rotation is unwrapped so
// it turns the shorter way. The path is never subdivided.

#include <memory>
#include <string>
#include <vector>

#include "interp/InterpStrategy.h"
#include "interp/LinearInterpStrategy.h"

class CubicHermiteInterpStrategy final : public InterpStrategy {
public:
    static constexpr const char* kName = "Cubic Hermite spline";

    // The degree is accepted so every strategy can be built alike, and ignored: neither this
    // strategy's waypoints nor its fallback's are subdivided.
    explicit CubicHermiteInterpStrategy(const std::shared_ptr<SnapshotMap>& path,
                                        int chaikinDegree = 0);

    // Time inside the segment is clamped: before A's timestamp the pose holds at A, after B's
    // at B. Fewer than two waypoints or no segment: the linear fallback's result.
    CameraPose Evaluate(float time, int frame) override;
    std::string GetName() override;

    static constexpr int kChannels = 7; // x, y, z, pitch, yaw, roll (unwrapped), FOV

    struct TangentRow {
        float frame = 0.0f;
        float value[kChannels] = {};
        float tangent[kChannels] = {}; // units per frame
    };

private:
    void BuildTangentTable();
    void MatchSegmentsToRows();
    void SolveLocationTangents(const std::vector<float>& x, const std::vector<bool>& custom);
    void SolveFreeTangents(const std::vector<float>& x, int channel, bool limitOvershoot);

    std::shared_ptr<LinearInterpStrategy> fallback;
    // One row per waypoint in frame order, built with the strategy: its waypoints never change.
    std::vector<TangentRow> tangentTable;
    std::vector<std::size_t> segmentRow; // per segment (by its first waypoint), its first row
};
