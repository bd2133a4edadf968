// Per-frame playback: replay frame -> smooth path time -> pose -> game camera.

#include <algorithm>
#include <cmath>
#include <iterator>

#include "core/DollyCam.h"
#include "core/PlaybackClock.h"
#include "interp/InterpStrategy.h"

PlaybackClock& GetPlaybackClock() {
    static PlaybackClock clock;
    return clock;
}

void ResetPlaybackClock() {
    GetPlaybackClock() = PlaybackClock();
}

namespace {

constexpr int kArcLengthSamples = 2000; // intervals; the table has one entry more
constexpr float kResyncFrames = 1.5f;
constexpr float kHoldSlackFrames = 0.01f;
// Target lock: radians -> degrees -> rotator units.
constexpr float kRadiansToDegrees = 57.295776f;
constexpr float kDegreesToUnits = 182.04445f;

float Distance(const CameraPose& a, const CameraPose& b) {
    const float dx = a.x - b.x, dy = a.y - b.y, dz = a.z - b.z;
    return std::sqrt(dx * dx + dy * dy + dz * dz);
}

bool IsFinitePose(const CameraPose& pose) {
    return std::isfinite(pose.x) && std::isfinite(pose.y) && std::isfinite(pose.z) &&
           std::isfinite(pose.pitch) && std::isfinite(pose.yaw) && std::isfinite(pose.roll) &&
           std::isfinite(pose.FOV);
}

// Replay time at a (shifted) frame, read off the two waypoints around it. The waypoints'
// own frame fields are used (they normally equal their keys); a pair that does not advance
// gives the earlier waypoint's time instead of dividing by zero.
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

// Aims the pose from its location at the target: yaw = atan2(y, x), positive pitch up, no roll.
void AimAt(CameraPose& pose, const Vector& target) {
    float dx = target.X - pose.x, dy = target.Y - pose.y, dz = target.Z - pose.z;
    const float dist = std::sqrt(dx * dx + dy * dy + dz * dz);
    if (dist < 0.001f) {
        pose.pitch = 0.0f;
        pose.yaw = 0.0f;
    } else {
        dx /= dist;
        dy /= dist;
        dz /= dist;
        pose.yaw = std::atan2(dy, dx) * kRadiansToDegrees * kDegreesToUnits;
        pose.pitch =
            std::atan2(dz, std::sqrt(dx * dx + dy * dy)) * kRadiansToDegrees * kDegreesToUnits;
    }
    pose.roll = 0.0f;
}

} // namespace

bool DollyCam::ReadPlaybackFrame(int& frame, ServerWrapper& clockSource) const {
    if (gameWrapper->IsInReplay()) {
        ReplayServerWrapper replay = gameWrapper->GetGameEventAsReplay();
        if (replay.IsNull())
            return false;
        frame = replay.GetCurrentReplayFrame();
        clockSource = replay;
        return true;
    }
    if (gameWrapper->IsInGame()) {
        ServerWrapper server = gameWrapper->GetGameEventAsServer();
        if (server.IsNull())
            return false;
        ReplayWrapper replay = server.GetReplayDirector().GetReplay();
        if (replay.IsNull())
            return false;
        frame = replay.GetCurrentFrame();
        clockSource = server;
        return true;
    }
    return false;
}

float DollyCam::AdvanceClock(int frame, float frameTime, float now) {
    PlaybackClock& clock = GetPlaybackClock();
    const CameraSnapshot& first = snapshots->begin()->second;
    const bool jumpedBack = frame < clock.lastFrame;
    if (frame == snapshots->begin()->first || jumpedBack) {
        if (clock.armed || jumpedBack) {
            clock.start = now;
            clock.armed = false;
        }
    } else {
        clock.armed = true;
    }
    float t = now - clock.start + first.timestamp;

    const float rate = gameWrapper->IsInReplay() ? ReplayFrameRate() : 30.0f;
    const float period = 1.0f / rate; // seconds per replay frame
    const float limit = frameTime + period;
    if (clock.holding && frame == clock.lastFrame)
        return limit; // the replay still shows the frame: one steady pose
    if (clock.holding && frame > clock.lastFrame) {
        // Moving on after a wait, the clock takes up the replay's time where it now is.
        clock.start = now - (frameTime - first.timestamp);
        t = frameTime;
    }
    clock.holding = false;
    if (std::fabs(t - frameTime) > kResyncFrames / rate) {
        clock.start = now - (frameTime - first.timestamp);
        t = frameTime;
    }
    // Within a hundredth of a frame counts as there, so that rounding in the game clock does
    // not decide on which tick of a pause the wait begins.
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
    const float t0 = snapshots->begin()->second.timestamp;
    const float t1 = snapshots->rbegin()->second.timestamp;
    if (!(t1 - t0 > 1e-6f))
        return t;
    const float u = std::clamp((t - t0) / (t1 - t0), 0.0f, 1.0f);
    if (u <= 0.0f)
        return arcLengthTable.front().second;
    if (u >= 1.0f)
        return arcLengthTable.back().second;
    return TimeAtArcLength(arcLengthTable, u);
}

void DollyCam::ApplyTargetLock(CameraPose& pose) const {
    if (lockTarget == 0 || !gameWrapper->IsInReplay())
        return;
    ReplayServerWrapper replay = gameWrapper->GetGameEventAsReplay();
    if (replay.IsNull())
        return;
    if (lockTarget == 1) {
        BallWrapper ball = replay.GetBall();
        if (!ball.IsNull())
            AimAt(pose, ball.GetLocation());
    } else if (lockTarget == 2) {
        ArrayWrapper<CarWrapper> cars = replay.GetCars();
        if (lockCarIndex >= 0 && lockCarIndex < cars.Count()) {
            CarWrapper car = cars.Get(lockCarIndex);
            if (!car.IsNull())
                AimAt(pose, car.GetLocation());
        }
    }
}

void DollyCam::ApplySoftFollow(CameraPose& pose, float now) {
    PlaybackClock& clock = GetPlaybackClock();
    if (!softFollow) {
        clock.softFollowLastTime = -1.0f;
        return;
    }
    float dt = clock.softFollowLastTime > 0.0f ? now - clock.softFollowLastTime : 0.0166f;
    dt = std::max(std::min(dt, 0.1f), 0.001f);
    clock.softFollowLastTime = now;
    if (!softFollowPrimed) {
        softFollowPosition = {pose.x, pose.y, pose.z};
        softFollowPrimed = true;
    }
    // A critically simple spring: each step closes the fraction alpha of the gap.
    const float alpha = 1.0f - std::exp(-softFollowTension * dt);
    softFollowPosition.X += (pose.x - softFollowPosition.X) * alpha;
    softFollowPosition.Y += (pose.y - softFollowPosition.Y) * alpha;
    softFollowPosition.Z += (pose.z - softFollowPosition.Z) * alpha;
    pose.x = softFollowPosition.X;
    pose.y = softFollowPosition.Y;
    pose.z = softFollowPosition.Z;
}

void DollyCam::Apply() {
    int frame = 0;
    ServerWrapper clockSource;
    if (!ReadPlaybackFrame(frame, clockSource))
        return;
    frame -= frameShift; // a positive shift evaluates an earlier frame
    if (snapshots->empty() || frame < snapshots->begin()->first ||
        frame > snapshots->rbegin()->first)
        return;
    if (!locationStrategy)
        return;

    const float now = clockSource.GetSecondsElapsed();
    const float t = AdvanceClock(frame, FrameTime(*snapshots, frame), now);
    CameraPose pose;
    if (!EvaluatePath(t, frame, pose))
        return;

    ApplyTargetLock(pose);
    ApplySoftFollow(pose, now);
    // The camera never receives a non-finite value, whatever the path holds.
    if (!IsFinitePose(pose))
        return;
    gameApplier->ApplyPOV(pose.x, pose.y, pose.z, pose.pitch, pose.yaw, pose.roll, pose.FOV);
}

float DollyCam::PathFrameTime(int frame) const {
    return FrameTime(*snapshots, frame);
}

bool DollyCam::EvaluatePath(float t, int frame, CameraPose& pose) const {
    if (snapshots->empty() || !locationStrategy)
        return false;
    const float retimed = RetimeForConstantSpeed(t);
    if (retimed != t) {
        // The re-timed moment may lie in another segment than the replay frame: evaluate it
        // there, as the arc-length table was measured, or the camera would leave the path.
        t = retimed;
        frame = ArcLengthSampleFrame(t);
    }
    // The camera comes to rest on the last waypoint instead of running on past it.
    const float lastTime = snapshots->rbegin()->second.timestamp;
    if (t > lastTime && lastTime >= snapshots->begin()->second.timestamp)
        t = lastTime;
    frame = SegmentFrame(frame);

    pose = locationStrategy->Evaluate(t, frame);
    // Without a location there is nothing to place the camera at, whatever the rotation says.
    if (!pose.HasValue())
        return false;
    if (!sameStrategyMode && rotationStrategy) {
        const CameraPose turn = rotationStrategy->Evaluate(t, frame);
        pose.pitch = turn.pitch;
        pose.yaw = turn.yaw;
        pose.roll = turn.roll;
        pose.FOV = turn.FOV;
    }
    return pose.FOV >= 1.0f && IsFinitePose(pose);
}

// --- Arc-length table ------------------------------------------------------------------------

int DollyCam::SegmentFrame(int frame) const {
    if (snapshots->size() >= 2 && frame == snapshots->rbegin()->first)
        return frame - 1;
    return frame;
}

int DollyCam::ArcLengthSampleFrame(float t) const {
    // The last waypoint at or before t, in key order; from the last waypoint's moment on, the
    // last segment.
    if (reachedWaypoints.Covers(*snapshots))
        return SegmentFrame(reachedWaypoints.LastReachedKey(t));
    int frame = snapshots->begin()->first;
    for (const auto& [key, waypoint] : *snapshots)
        if (!(waypoint.timestamp > t))
            frame = key;
    return SegmentFrame(frame);
}

void DollyCam::RebuildArcLengthTable() {
    arcLengthTable.clear();
    reachedWaypoints.Build(*snapshots);
    if (snapshots->size() < 2 || !locationStrategy)
        return;
    const float t0 = snapshots->begin()->second.timestamp;
    const float t1 = snapshots->rbegin()->second.timestamp;
    if (t1 - t0 < 1e-6f)
        return;

    std::vector<float> times(kArcLengthSamples + 1);
    std::vector<int> frames(times.size());
    std::vector<CameraPose> poses(times.size());
    for (int i = 0; i <= kArcLengthSamples; ++i) {
        const float t =
            static_cast<float>(i) * (t1 - t0) / static_cast<float>(kArcLengthSamples) + t0;
        times[static_cast<std::size_t>(i)] = t;
        frames[static_cast<std::size_t>(i)] = ArcLengthSampleFrame(t);
    }
    locationStrategy->EvaluateLocations(times.data(), frames.data(), times.size(), poses.data());

    std::vector<std::pair<float, float>> table;
    table.reserve(kArcLengthSamples + 1);
    float total = 0.0f;
    CameraPose previous;
    bool havePrevious = false;
    for (std::size_t i = 0; i < times.size(); ++i) {
        const CameraPose& pose = poses[i];
        // A sample without a value neither adds distance nor becomes the previous point.
        if (pose.FOV >= 1.0f && IsFinitePose(pose)) {
            if (havePrevious)
                total += Distance(pose, previous);
            previous = pose;
            havePrevious = true;
        }
        table.emplace_back(total, times[i]);
    }
    if (total < 1e-6f || !std::isfinite(total))
        return;
    for (auto& entry : table)
        entry.first /= total;
    arcLengthTable = std::move(table);
}
