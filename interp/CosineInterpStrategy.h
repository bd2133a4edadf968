#pragma once
// Mode 2: eases in and out of every waypoint with a half cosine. Works on the path as given,
// never subdivided.

#include <memory>
#include <string>

#include "interp/InterpStrategy.h"

class CosineInterpStrategy final : public InterpStrategy {
public:
    static constexpr const char* kName = "cosine interpolation";

    explicit CosineInterpStrategy(const std::shared_ptr<SnapshotMap>& path);

    // The frame picks the segment, the time the position in it. Rotation is blended as stored,
    // without wrap-around (yaw 32000 to -32000 turns the long way, through 0). Outside the
    // segment's times the blend follows the cosine back instead of extrapolating.
    CameraPose Evaluate(float time, int frame) override;
    std::string GetName() override;
};
