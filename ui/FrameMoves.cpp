// Moving one waypoint or the whole path by replay frames, keeping the path's pace.

#include "ui/FrameMoves.h"

#include <algorithm>
#include <climits>
#include <iterator>

#include "path/PathLimits.h"
#include "ui/WindowContext.h"

namespace {

constexpr float kFallbackFrameRate = 30.0f; // the game's usual replay rate

// The path's span with the waypoint at `from` moved to `to`; the path holds `from`.
long long SpanAfterMove(const SnapshotMap& path, int from, long long to) {
    long long first = to;
    long long last = to;
    for (const auto& [frame, waypoint] : path) {
        if (frame == from)
            continue;
        first = std::min<long long>(first, frame);
        last = std::max<long long>(last, frame);
    }
    return last - first;
}

} // namespace

float PathFrameRate(const SnapshotMap& path) {
    if (path.empty())
        return kFallbackFrameRate;
    const CameraSnapshot& first = path.begin()->second;
    const CameraSnapshot& last = path.rbegin()->second;
    const float frames = static_cast<float>(static_cast<long long>(last.frame) - first.frame);
    const float rate = frames / std::max(0.001f, last.timestamp - first.timestamp);
    return rate < 1.0f ? kFallbackFrameRate : rate;
}

int MoveWaypointFrame(DollyCam& dollyCam, int frame, int delta) {
    SnapshotMap& path = *dollyCam.snapshots;
    const auto found = path.find(frame);
    const long long target = static_cast<long long>(frame) + delta;
    if (found == path.end() || target < 1)
        return frame;
    if (target > INT_MAX) {
        dollyCam.cvarManager->log(kFrameRangeMessage);
        return frame;
    }
    if (path.count(static_cast<int>(target)) != 0)
        return frame;
    if (SpanAfterMove(path, frame, target) > kMaxPathSpanFrames) {
        dollyCam.cvarManager->log(kPathSpanMessage);
        return frame;
    }
    const float rate = PathFrameRate(path);
    CameraSnapshot moved = found->second;
    // Erased quietly: a move is not a deletion, and the console should not say it was.
    path.erase(found);
    moved.frame = static_cast<int>(target);
    moved.timestamp += static_cast<float>(delta) / rate;
    path[moved.frame] = moved;
    RebuildBothStrategies(dollyCam);
    return moved.frame;
}

void ShiftAllFrames(DollyCam& dollyCam, long long delta, int& selectedFrame) {
    SnapshotMap& path = *dollyCam.snapshots;
    if (delta == 0 || path.empty())
        return;
    const long long first = path.begin()->first;
    delta = std::max(delta, 1 - first); // the earliest waypoint lands on frame 1 at the lowest
    if (delta == 0)
        return;
    if (delta > INT_MAX - static_cast<long long>(path.rbegin()->first)) {
        dollyCam.cvarManager->log(kFrameRangeMessage);
        return;
    }
    // A shift keeps the path's span, so the span limit holds as it did before.
    const float seconds = static_cast<float>(delta) / PathFrameRate(path);
    SnapshotMap shifted;
    int selection = selectedFrame;
    for (const auto& [frame, waypoint] : path) {
        CameraSnapshot moved = waypoint;
        moved.frame = static_cast<int>(frame + delta);
        moved.timestamp += seconds;
        if (frame == selectedFrame)
            selection = moved.frame;
        shifted.emplace(moved.frame, moved);
    }
    path = std::move(shifted);
    selectedFrame = selection;
    RebuildBothStrategies(dollyCam);
}
