#pragma once
// Turns an interp mode number into a strategy over a path.
//
//   0, 3  linear            4  Catmull-Rom           6  Kochanek-Bartels
//   1     N-Bezier          5  B-spline              7  cubic Hermite
//   2     cosine            other: linear (the caller reports the unknown mode)

#include <memory>

#include "corvane/wrappers/CVarManagerWrapper.h"
#include "path/CameraSnapshot.h"

class InterpStrategy;
class SplineMomentMemo;

bool IsKnownInterpMode(int mode);

// The GetName() of the strategy MakeInterpStrategy builds for the mode.
const char* InterpStrategyName(int mode);

// cvarManager reaches the B-spline strategy, which reports its library's errors there and reads
// its accuracy variable on every evaluation, from accuracyMirror when given (a value kept equal
// to the variable's) or else from the console. momentMemo, when given, lets the B-spline
// strategy place its samples where the previous one over the same timing placed them.
std::shared_ptr<InterpStrategy>
MakeInterpStrategy(int mode, const std::shared_ptr<SnapshotMap>& path, int chaikinDegree,
                   const std::shared_ptr<CVarManagerWrapper>& cvarManager,
                   std::shared_ptr<const int> accuracyMirror = nullptr,
                   std::shared_ptr<SplineMomentMemo> momentMemo = nullptr);
