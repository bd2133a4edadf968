#include "tests/oracle/InterpStrategies.h"

namespace Oracle {

std::unique_ptr<InterpStrategy> MakeInterpStrategy(int mode, const SnapshotMap& path,
                                                   int chaikinDegree,
                                                   const AccuracySource& splineAccuracy) {
    switch (mode) {
    case 1:
        return std::make_unique<NBezierInterpStrategy>(path, chaikinDegree);
    case 2:
        return std::make_unique<CosineInterpStrategy>(path);
    case 4:
        return std::make_unique<CatmullRomInterpStrategy>(path, chaikinDegree);
    case 5:
        return std::make_unique<SplineInterpStrategy>(path, chaikinDegree, splineAccuracy);
    case 6:
        return std::make_unique<KochanekBartelsInterpStrategy>(path, chaikinDegree);
    case 7:
        return std::make_unique<CubicHermiteInterpStrategy>(path);
    default: // 0, 3 and every unknown mode
        return std::make_unique<LinearInterpStrategy>(path, chaikinDegree);
    }
}

} // namespace Oracle
