#pragma once
// Mode 0 (and 3): straight blends between the two waypoints around the query, turning each
// angle the shorter way. Also the fallback of the Hermite-family strategies.

#include <memory>
#include <string>

#include "interp/InterpStrategy.h"

class LinearInterpStrategy final : public InterpStrategy {
public:
    static constexpr const char* kName = "linear interpolation";

    LinearInterpStrategy(const std::shared_ptr<SnapshotMap>& path, int chaikinDegree);
    // Over a copy of the path another strategy made.
    explicit LinearInterpStrategy(std::shared_ptr<const PathPoints> points);

    // The frame picks the segment, the time the position in it; a time outside the segment
    // extrapolates along the same line. Zero pose without a segment.
    CameraPose Evaluate(float time, int frame) override;
    std::string GetName() override;
};
