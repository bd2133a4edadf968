#pragma once
// Mode 7: a C2 cubic spline through every waypoint, on the frame axis. Location honours custom
// Bezier handles; the FOV is kept from overshooting between waypoints; rotation is unwrapped so
// it turns the shorter way. The path is never subdivided.

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "interp/InterpStrategy.h"
#include "interp/LinearInterpStrategy.h"

class CubicHermiteInterpStrategy final : public InterpStrategy {
public:
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
        Vector ctrlOut;                // the handles the row was built with
        Vector ctrlIn;
    };

private:
    bool TableIsCurrent() const;
    void BuildTangentTable();
    void SolveLocationTangents(const std::vector<float>& x, const std::vector<bool>& custom);
    void SolveFreeTangents(const std::vector<float>& x, int channel, bool limitOvershoot);

    std::shared_ptr<LinearInterpStrategy> fallback;
    // Built by the first Evaluate; one row per waypoint in frame order.
    std::vector<TangentRow> tangentTable;
    int rowCount = 0;                        // waypoints the table was last built for
    std::vector<std::pair<int, float>> keys; // (frame, timestamp) it was built from
};
