#include "core/InterpStrategyFactory.h"

#include "interp/CatmullRomInterpStrategy.h"
#include "interp/CosineInterpStrategy.h"
#include "interp/CubicHermiteInterpStrategy.h"
#include "interp/KochanekBartelsInterpStrategy.h"
#include "interp/LinearInterpStrategy.h"
#include "interp/NBezierInterpStrategy.h"
#include "interp/SplineInterpStrategy.h"

bool IsKnownInterpMode(int mode) {
    return mode >= 0 && mode <= 7;
}

const char* InterpStrategyName(int mode) {
    switch (mode) {
    case 1:
        return NBezierInterpStrategy::kName;
    case 2:
        return CosineInterpStrategy::kName;
    case 4:
        return CatmullRomInterpStrategy::kName;
    case 5:
        return SplineInterpStrategy::kName;
    case 6:
        return KochanekBartelsInterpStrategy::kName;
    case 7:
        return CubicHermiteInterpStrategy::kName;
    default:
        return LinearInterpStrategy::kName;
    }
}

std::shared_ptr<InterpStrategy>
MakeInterpStrategy(int mode, const std::shared_ptr<SnapshotMap>& path, int chaikinDegree,
                   const std::shared_ptr<CVarManagerWrapper>& cvarManager,
                   std::shared_ptr<const int> accuracyMirror,
                   std::shared_ptr<SplineMomentMemo> momentMemo) {
    switch (mode) {
    case 1:
        return std::make_shared<NBezierInterpStrategy>(path, chaikinDegree);
    case 2:
        return std::make_shared<CosineInterpStrategy>(path);
    case 4:
        return std::make_shared<CatmullRomInterpStrategy>(path, chaikinDegree);
    case 5: {
        auto spline = std::make_shared<SplineInterpStrategy>(path, chaikinDegree);
        spline->cvarManager = cvarManager;
        spline->accuracyMirror = std::move(accuracyMirror);
        spline->momentMemo = std::move(momentMemo);
        return spline;
    }
    case 6:
        return std::make_shared<KochanekBartelsInterpStrategy>(path, chaikinDegree);
    case 7:
        return std::make_shared<CubicHermiteInterpStrategy>(path);
    default: // 0, 3 and every unknown mode
        return std::make_shared<LinearInterpStrategy>(path, chaikinDegree);
    }
}
