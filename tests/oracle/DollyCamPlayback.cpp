// One playback step: replay frame -> smooth path time -> pose, as Apply computes it before the
// target lock, the soft follow and the write to the camera.

#include <algorithm>
#include <cmath>
#include <iterator>

#include "tests/oracle/DollyCam.h"

namespace Oracle {

namespace {

constexpr float kResyncFrames = 1.5f;
constexpr float kHoldSlackFrames = 0.01f;

bool IsFinitePose(const CameraPose& pose) {
    return std::isfinite(pose.x) && std::isfinite(pose.y) && std::isfinite(pose.z) &&
           std::isfinite(pose.pitch) && std::isfinite(pose.yaw) && std::isfinite(pose.roll) &&
           std::isfinite(pose.FOV);
}

// Replay time at a (shifted) frame, read off the waypoints around it by their frame fields.
float FrameTime(const SnapshotMap& path, int frame) {
    const auto next = path.upper_bound(frame);
    if (next == path.end())
        return path.rbegin()->second.timestamp;
    const CameraSnapshot& p = std::prev(next)->second;
    const CameraSnapshot& n = next->second;
    const long long d = static_cast<long long>(n.frame) - p.frame;
    if (d < 1)
        return p.timestamp;
    const float progress =
        static_cast<float>(static_cast<long long>(frame) - p.frame) / static_cast<float>(d);
    return p.timestamp + (n.timestamp - p.timestamp) * progress;
}

// Path time at normalised arc length u in (0, 1), by bisection over the table.
float TimeAtArcLength(const std::vector<std::pair<float, float>>& table, float u) {
    size_t lo = 0, hi = table.size() - 1;
    while (hi - lo > 1) {
        const size_t mid = (lo + hi) / 2;
        if (table[mid].first < u)
            lo = mid;
        else
            hi = mid;
    }
    const float ds = table[hi].first - table[lo].first;
    const float f = ds > 1e-10f ? (u - table[lo].first) / ds : 0.0f;
    return table[lo].second + (table[hi].second - table[lo].second) * f;
}

} // namespace

float DollyCam::AdvanceClock(int frame, float frameTime, float now) {
    const CameraSnapshot& first = snapshots.begin()->second;
    const bool jumpedBack = frame < clock.lastFrame;
    if (frame == snapshots.begin()->first || jumpedBack) {
        if (clock.armed || jumpedBack) {
            clock.start = now;
            clock.armed = false;
        }
    } else {
        clock.armed = true;
    }
    float t = now - clock.start + first.timestamp;

    const float rate = ReplayFrameRate();
    const float period = 1.0f / rate; // seconds per replay frame
    const float limit = frameTime + period;
    if (clock.holding && frame == clock.lastFrame)
        return limit; // the replay still shows the frame: one steady pose
    if (clock.holding && frame > clock.lastFrame) {
        clock.start = now - (frameTime - first.timestamp);
        t = frameTime;
    }
    clock.holding = false;
    if (std::fabs(t - frameTime) > kResyncFrames / rate) {
        clock.start = now - (frameTime - first.timestamp);
        t = frameTime;
    }
    if (t >= limit - kHoldSlackFrames * period) {
        clock.holding = true;
        t = limit;
    }
    clock.lastFrame = frame;
    return t;
}

float DollyCam::RetimeForConstantSpeed(float t) const {
    if (!speedNormalisation || arcLengthTable.empty())
        return t;
    const float t0 = snapshots.begin()->second.timestamp;
    const float t1 = snapshots.rbegin()->second.timestamp;
    if (!(t1 - t0 > 1e-6f))
        return t;
    const float u = std::clamp((t - t0) / (t1 - t0), 0.0f, 1.0f);
    if (u <= 0.0f)
        return arcLengthTable.front().second;
    if (u >= 1.0f)
        return arcLengthTable.back().second;
    return TimeAtArcLength(arcLengthTable, u);
}

int DollyCam::SegmentFrame(int frame) const {
    if (snapshots.size() >= 2 && frame == snapshots.rbegin()->first)
        return frame - 1;
    return frame;
}

int DollyCam::ArcLengthSampleFrame(float t) const {
    int frame = snapshots.begin()->first;
    for (const auto& [key, waypoint] : snapshots)
        if (!(waypoint.timestamp > t))
            frame = key;
    return SegmentFrame(frame);
}

std::optional<CameraPose> DollyCam::Step(int replayFrame, float now) {
    int frame = replayFrame - frameShift;
    if (snapshots.empty() || frame < snapshots.begin()->first || frame > snapshots.rbegin()->first)
        return std::nullopt;
    if (!locationStrategy)
        return std::nullopt;

    float t = AdvanceClock(frame, FrameTime(snapshots, frame), now);
    const float retimed = RetimeForConstantSpeed(t);
    if (retimed != t) {
        // Evaluated in the segment the arc-length table measured the moment in.
        t = retimed;
        frame = ArcLengthSampleFrame(t);
    }
    const float lastTime = snapshots.rbegin()->second.timestamp;
    if (t > lastTime && lastTime >= snapshots.begin()->second.timestamp)
        t = lastTime;
    frame = SegmentFrame(frame);

    CameraPose pose = locationStrategy->Evaluate(t, frame);
    if (!pose.HasValue())
        return std::nullopt;
    if (!sameStrategyMode && rotationStrategy) {
        const CameraPose turn = rotationStrategy->Evaluate(t, frame);
        pose.pitch = turn.pitch;
        pose.yaw = turn.yaw;
        pose.roll = turn.roll;
        pose.FOV = turn.FOV;
    }
    if (pose.FOV < 1.0f || !IsFinitePose(pose))
        return std::nullopt;
    return pose;
}

} // namespace Oracle
