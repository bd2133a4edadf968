// The path tools' live offset, scale and rotation, re-derived from the baseline.

#include "ui/LiveTransforms.h"

#include <algorithm>
#include <utility>

#include "core/DollyCam.h"
#include "tools/PathTransforms.h"
#include "ui/WholePathActions.h"

namespace {

bool IsZero(const Vector& v) {
    return v.X == 0.0f && v.Y == 0.0f && v.Z == 0.0f;
}

// The centre of the axis-aligned box around the waypoints' locations, world units.
Vector BoxCentre(const std::vector<CameraSnapshot>& waypoints) {
    if (waypoints.empty())
        return {};
    Vector low = waypoints.front().location;
    Vector high = low;
    for (const CameraSnapshot& waypoint : waypoints) {
        const Vector& p = waypoint.location;
        low = {std::min(low.X, p.X), std::min(low.Y, p.Y), std::min(low.Z, p.Z)};
        high = {std::max(high.X, p.X), std::max(high.Y, p.Y), std::max(high.Z, p.Z)};
    }
    return {(low.X + high.X) / 2.0f, (low.Y + high.Y) / 2.0f, (low.Z + high.Z) / 2.0f};
}

void Translate(SnapshotMap& path, const Vector& by) {
    OffsetSnapshots(path, by.X, by.Y, by.Z);
}

bool SameWaypoints(const SnapshotMap& path, const std::vector<CameraSnapshot>& waypoints) {
    return path.size() == waypoints.size() &&
           std::equal(path.begin(), path.end(), waypoints.begin(),
                      [](const auto& entry, const CameraSnapshot& w) { return entry.second == w; });
}

void PutPath(DollyCam& dollyCam, SnapshotMap path) {
    // The map object stays: the strategies and the overlay hold the same shared pointer.
    *dollyCam.snapshots = std::move(path);
    dollyCam.UpdateLocationStrategy();
    dollyCam.UpdateRotationStrategy();
}

void ZeroControls(PathToolsState& tools) {
    tools.transformOffset = Vector();
    tools.transformScale = 1.0f;
    tools.transformRotation = Vector();
}

void DropBaseline(PathToolsState& tools) {
    tools.transformBaseline.clear();
    tools.appliedPath.clear();
    tools.hasTransformBaseline = false;
}

} // namespace

void CaptureTransformBaseline(PathToolsState& tools, const DollyCam& dollyCam) {
    tools.transformBaseline = WaypointsInFrameOrder(*dollyCam.snapshots);
    tools.appliedPath = tools.transformBaseline;
    tools.hasTransformBaseline = true;
}

bool DeriveTransformedPath(const PathToolsState& tools, SnapshotMap& result) {
    result.clear();
    for (const CameraSnapshot& waypoint : tools.transformBaseline)
        result[waypoint.frame] = waypoint;
    if (!IsZero(tools.transformOffset))
        Translate(result, tools.transformOffset);
    const Vector pivot = BoxCentre(tools.transformBaseline) + tools.transformOffset;
    if (tools.transformScale != 1.0f) {
        Translate(result, Vector() - pivot);
        if (!ScaleSnapshots(result, tools.transformScale))
            return false;
        Translate(result, pivot);
    }
    if (!IsZero(tools.transformRotation)) {
        const Vector& r = tools.transformRotation;
        Translate(result, Vector() - pivot);
        RotateSnapshots(result, r.X, r.Y, r.Z);
        Translate(result, pivot);
    }
    return true;
}

bool ApplyLiveTransforms(PathToolsState& tools, DollyCam& dollyCam, bool reportRefusal) {
    if (!tools.hasTransformBaseline)
        return true;
    SnapshotMap derived;
    const char* refusal = nullptr;
    if (!DeriveTransformedPath(tools, derived))
        refusal = kScaleNotPositiveMessage;
    else
        refusal = EditRefusal(*dollyCam.snapshots, derived);
    if (refusal != nullptr) {
        if (reportRefusal)
            dollyCam.cvarManager->log(refusal);
        return false;
    }
    PutPath(dollyCam, std::move(derived));
    tools.appliedPath = WaypointsInFrameOrder(*dollyCam.snapshots);
    return true;
}

void ResetTransforms(PathToolsState& tools, DollyCam& dollyCam) {
    if (tools.hasTransformBaseline) {
        SnapshotMap baseline;
        for (const CameraSnapshot& waypoint : tools.transformBaseline)
            baseline[waypoint.frame] = waypoint;
        PutPath(dollyCam, std::move(baseline));
    }
    ZeroControls(tools);
    DropBaseline(tools);
}

bool CommitIfChangedElsewhere(PathToolsState& tools, const SnapshotMap& path) {
    if (!tools.hasTransformBaseline || SameWaypoints(path, tools.appliedPath))
        return false;
    ZeroControls(tools);
    DropBaseline(tools);
    return true;
}
