#pragma once
// The B-spline accuracy read from the console variable dolly_spline_acc at every evaluation,
// as the plugin's strategy reads it: for the oracle beside a loaded plugin, so both follow the
// same variable and the oracle pays what the plugin paid for the read.

#include <memory>

#include "corvane/wrappers/CVarManagerWrapper.h"
#include "tests/oracle/InterpStrategies.h"

namespace Oracle {

inline AccuracySource ConsoleAccuracy(std::shared_ptr<CVarManagerWrapper> cvarManager) {
    return [cvarManager] {
        const CVarWrapper accuracy = cvarManager->getCvar("dolly_spline_acc");
        return accuracy.IsNull() ? SplineInterpStrategy::kDefaultAccuracy : accuracy.getIntValue();
    };
}

} // namespace Oracle
