#pragma once
// The path tools panel's controls and the live transforms' baseline.
//
// Live offset, scale and rotation re-derive the path from the baseline, a copy taken when the
// first live drag starts, so dragging a value back restores the path exactly. Any change made
// to the path by something else commits the live transforms: the baseline is dropped and the
// controls return to nothing (the path keeps its shape), so that the next live drag starts
// from the path as it now is instead of throwing that change away.

#include <vector>

#include "path/CameraSnapshot.h"

class DollyCam;

struct PathToolsState {
    int mirrorAxis = 0; // 0 X, 1 Y, 2 Z
    bool mirrorRotation = true;
    Vector transformOffset;      // world units
    float transformScale = 1.0f; // about the baseline's box centre moved by the offset
    Vector transformRotation;    // degrees about X, Y and Z
    std::vector<CameraSnapshot> transformBaseline; // in frame order
    bool hasTransformBaseline = false;
    // The path as the live transforms last left it; another path means another edit came
    // between.
    std::vector<CameraSnapshot> appliedPath;
};
