// DollyCam's whole-path transforms: each edits a copy of the path with the arithmetic of
// PathTransforms.cpp, puts it in place and rebuilds both strategies.

#include <utility>

#include "core/DollyCam.h"
#include "tools/PathTransforms.h"

namespace {

// False, after one console line, when the edited path holds a value that is not finite or
// leaves the world; the path is then left as it was.
bool CommitEdit(DollyCam& dollyCam, SnapshotMap edited) {
    if (const char* refusal = EditRefusal(*dollyCam.snapshots, edited)) {
        dollyCam.cvarManager->log(refusal);
        return false;
    }
    // The map object itself stays: strategies and panels hold the same shared pointer.
    *dollyCam.snapshots = std::move(edited);
    dollyCam.UpdateLocationStrategy();
    dollyCam.UpdateRotationStrategy();
    return true;
}

} // namespace

void DollyCam::MirrorPath(int axis, bool mirrorRotation) {
    SnapshotMap edited = *snapshots;
    MirrorSnapshots(edited, axis, mirrorRotation);
    CommitEdit(*this, std::move(edited)); // rebuilds even for an unknown axis
}

void DollyCam::OffsetPath(float x, float y, float z) {
    SnapshotMap edited = *snapshots;
    OffsetSnapshots(edited, x, y, z);
    CommitEdit(*this, std::move(edited));
}

void DollyCam::ScalePath(float factor) {
    SnapshotMap edited = *snapshots;
    if (ScaleSnapshots(edited, factor))
        CommitEdit(*this, std::move(edited));
}

void DollyCam::RotatePath(float rx, float ry, float rz) {
    SnapshotMap edited = *snapshots;
    RotateSnapshots(edited, rx, ry, rz);
    CommitEdit(*this, std::move(edited));
}

void DollyCam::ReversePath() {
    SnapshotMap edited = *snapshots;
    if (ReverseSnapshots(edited))
        CommitEdit(*this, std::move(edited));
}

bool SmoothDollyPath(DollyCam& dollyCam) {
    SnapshotMap edited = *dollyCam.snapshots;
    return !SmoothSnapshots(edited) || CommitEdit(dollyCam, std::move(edited));
}

void DollyCam::SmoothPath() {
    SmoothDollyPath(*this);
}
