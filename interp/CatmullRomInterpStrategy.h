#pragma once
// Mode 4: the uniform Catmull-Rom cubic over four neighbouring waypoints, in every channel as
// stored (rotation not unwrapped). Needs at least four waypoints; the last segment is linear.

#include <memory>
#include <string>

#include "interp/InterpStrategy.h"
#include "interp/LinearInterpStrategy.h"

class CatmullRomInterpStrategy final : public InterpStrategy {
public:
    static constexpr const char* kName = "Catmull-Rom interpolation";

    CatmullRomInterpStrategy(const std::shared_ptr<SnapshotMap>& path, int chaikinDegree);

    // Fewer than four waypoints: zero pose. Before the path, on or past the last waypoint's
    // frame, and on the last segment: the linear fallback. On the first segment the first
    // waypoint stands in for its missing predecessor, so the curve starts exactly there.
    CameraPose Evaluate(float time, int frame) override;
    std::string GetName() override;

private:
    std::shared_ptr<LinearInterpStrategy> fallback;
};
