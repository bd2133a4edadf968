// The timeline's arithmetic: seconds to pixels and back, and where a dragged dot lands.

#include "ui/TimelineTrack.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

// Keeps a dragged dot visibly apart from its neighbours' dots, seconds.
constexpr float kDotGap = 0.001f;

TimelineTarget StayPut(const CameraSnapshot& waypoint) {
    return {waypoint.frame, waypoint.timestamp, waypoint.timestamp};
}

// The frame nearest the mouse, counted from the first waypoint at the replay's rate and kept
// within [low, high].
int FrameUnderMouse(const CameraSnapshot& first, float mouseTime, float frameRate, long long low,
                    long long high) {
    const double offset = std::round(double(mouseTime - first.timestamp) * frameRate);
    const double frame = offset + first.frame;
    return static_cast<int>(std::clamp(frame, double(low), double(high)));
}

} // namespace

TimelineTrack MakeTimelineTrack(const SnapshotMap& path, float left, float width) {
    TimelineTrack track;
    track.left = left;
    track.width = std::max(1.0f, width);
    track.startTime = path.begin()->second.timestamp;
    track.duration = std::max(0.001f, path.rbegin()->second.timestamp - track.startTime);
    return track;
}

std::optional<TimelineTarget> DragTarget(const SnapshotMap& path, int frame, float mouseTime,
                                         float frameRate) {
    const auto dragged = path.find(frame);
    if (dragged == path.end())
        return std::nullopt;
    if (dragged == path.begin() || std::next(dragged) == path.end())
        return StayPut(dragged->second);
    const CameraSnapshot& prev = std::prev(dragged)->second;
    const CameraSnapshot& next = std::next(dragged)->second;
    const long long low = static_cast<long long>(prev.frame) + 1;
    const long long high = static_cast<long long>(next.frame) - 1;
    if (high <= low || !std::isfinite(mouseTime))
        return StayPut(dragged->second);

    TimelineTarget target;
    target.frame = FrameUnderMouse(path.begin()->second, mouseTime, frameRate, low, high);
    const float along = float(target.frame - prev.frame) / float(next.frame - prev.frame);
    target.time = prev.timestamp + along * (next.timestamp - prev.timestamp);
    const float earliest = prev.timestamp + kDotGap;
    const float latest = next.timestamp - kDotGap;
    // Neighbours less than two gaps apart in time leave the dot no room to move.
    target.drawnTime =
        earliest <= latest ? std::clamp(mouseTime, earliest, latest) : dragged->second.timestamp;
    return target;
}
