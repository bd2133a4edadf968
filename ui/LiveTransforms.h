#pragma once
// The path tools' live offset, scale and rotation (ui/PathToolsState.h). Each change of a
// control re-derives the whole path from the baseline, so the controls always describe the
// path's distance from it: dragging a value back, or resetting, restores the path exactly.
//
// Order within a frame: CommitIfChangedElsewhere before the controls are drawn, so that a
// drag never starts from a baseline that another edit has made stale.

#include "path/CameraSnapshot.h"
#include "ui/PathToolsState.h"

class DollyCam;

// Copies the path, in frame order, as the base for the live transforms.
void CaptureTransformBaseline(PathToolsState& tools, const DollyCam& dollyCam);

// The baseline offset by the offset control, then scaled and rotated about the centre of the
// baseline's bounding box moved by that offset. False when the scale is not above 0; a result
// may hold values that are not finite.
bool DeriveTransformedPath(const PathToolsState& tools, SnapshotMap& result);

// Puts the derived path in place and rebuilds both strategies. Without a baseline it does
// nothing and succeeds. A result that is not finite or leaves the world (EditRefusal), or a
// scale not above 0, is refused and leaves the path whole as it was: false, after one console
// line unless reportRefusal is off (the refusal of an edit already reported).
bool ApplyLiveTransforms(PathToolsState& tools, DollyCam& dollyCam, bool reportRefusal = true);

// Writes the baseline back, if any, and returns the controls to no transform.
void ResetTransforms(PathToolsState& tools, DollyCam& dollyCam);

// When the path is no longer what the live transforms left (a snapshot taken, a waypoint
// dragged, a mirror, a load...), they are committed: the baseline is dropped and the controls
// return to no transform, the path keeping its shape. True when it committed.
bool CommitIfChangedElsewhere(PathToolsState& tools, const SnapshotMap& path);

// The console line for a live scale that is not above 0.
inline constexpr const char* kScaleNotPositiveMessage =
    "Path not changed: the scale must be above 0";
