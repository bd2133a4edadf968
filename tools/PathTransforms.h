#pragma once
// Whole-path edits: mirror, move, scale, rotate, reverse and one smoothing pass.
//
// The arithmetic works on a SnapshotMap and is all 32-bit float, step by step. Positions are
// world units and scale and rotate about the world origin; the Bezier handles are offsets
// from their waypoint, so they mirror, scale and rotate but do not move. No edit changes the
// set of keys, and none alters weight, the Kochanek-Bartels fields or v3_bz_has_custom
// (reversing moves records to other frames, where they take that frame's timestamp).
//
// The DollyCam members (defined in DollyCamTransforms.cpp) apply an edit to the path and then
// rebuild both strategies. An edit whose result would hold a value that is not finite, or a
// waypoint outside the world (a huge scale or offset), is refused with one console line and
// the path is left as it was.

#include "path/CameraSnapshot.h"
#include "path/PathLimits.h"

class DollyCam;

// Negates one component (axis 0 x, 1 y, 2 z) of every location and handle; with
// mirrorRotation also turns every camera to look at the mirrored scene (rotator units): axis 0
// yaw becomes 32768 - yaw, within -32768..32768; axis 1 yaw is negated; axis 2 pitch is
// negated; roll is negated on every axis. Any other axis changes nothing.
void MirrorSnapshots(SnapshotMap& path, int axis, bool mirrorRotation);
// Adds (x, y, z) to every location; handles stay as they are.
void OffsetSnapshots(SnapshotMap& path, float x, float y, float z);
// Multiplies every location and handle by factor. False, changing nothing, unless factor > 0.
bool ScaleSnapshots(SnapshotMap& path, float factor);
// Rotates every location and handle about the origin: about X, then Y, then Z, by degrees,
// skipping each axis whose angle is exactly 0. Camera rotations are left alone.
void RotateSnapshots(SnapshotMap& path, float rx, float ry, float rz);
// Puts the records in reverse order on the same keys. Each key keeps its frame and timestamp,
// so time still rises with the frames, and each record's out and in handles swap; every other
// field travels with its record. False, changing nothing, below 2 records.
bool ReverseSnapshots(SnapshotMap& path);
// Replaces location, FOV and rotation of every inner waypoint, in frame order, by the mean of
// itself and its two neighbours, the earlier neighbour already smoothed. Rotations are
// averaged as plain numbers. False, changing nothing, below 3 records.
bool SmoothSnapshots(SnapshotMap& path);

// Every value of every snapshot is finite.
bool PathIsFinite(const SnapshotMap& path);
// Why an edited path may not replace `before`: kTransformNotFiniteMessage, or
// kOutsideWorldMessage (path/PathLimits.h) when the edit takes a path that lies in the world
// out of it; null when it may. A path already outside (loaded from a file of an earlier
// version) may still be edited, so that it can be brought back.
const char* EditRefusal(const SnapshotMap& before, const SnapshotMap& edited);

// DollyCam::SmoothPath, telling the caller whether the pass was refused (false, reported on
// the console) so that a command does not confirm it.
bool SmoothDollyPath(DollyCam& dollyCam);

// The console line for a refused edit.
inline constexpr const char* kTransformNotFiniteMessage =
    "Path not changed: a value would not be finite";
