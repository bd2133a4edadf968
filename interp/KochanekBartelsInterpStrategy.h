#pragma once
// Mode 6: cubic segments whose tangents each waypoint shapes with its tension, bias and
// continuity, the neighbouring slopes weighted by their own time spans. Works on the path as
// given; the first and last segments are linear.

#include <memory>
#include <string>

#include "interp/InterpStrategy.h"
#include "interp/LinearInterpStrategy.h"

class KochanekBartelsInterpStrategy final : public InterpStrategy {
public:
    static constexpr const char* kName = "Kochanek-Bartels interpolation";

    // The waypoints are never subdivided; the degree goes to the linear fallback only.
    KochanekBartelsInterpStrategy(const std::shared_ptr<SnapshotMap>& path, int chaikinDegree);

    // Fewer than four waypoints, no segment, or the first or last segment: the linear
    // fallback's result. Time inside the segment is clamped to it.
    CameraPose Evaluate(float time, int frame) override;
    std::string GetName() override;

private:
    std::shared_ptr<LinearInterpStrategy> fallback;
};
