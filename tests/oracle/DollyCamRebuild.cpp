// Strategy rebuilds, the path cache and the arc-length table.

#include <cmath>
#include <iterator>

#include "tests/oracle/DollyCam.h"

namespace Oracle {

namespace {

constexpr int kArcLengthSamples = 2000; // intervals; the table has one entry more

float Distance(const CameraPose& a, const CameraPose& b) {
    const float dx = a.x - b.x, dy = a.y - b.y, dz = a.z - b.z;
    return std::sqrt(dx * dx + dy * dy + dz * dz);
}

bool IsFinitePose(const CameraPose& pose) {
    return std::isfinite(pose.x) && std::isfinite(pose.y) && std::isfinite(pose.z) &&
           std::isfinite(pose.pitch) && std::isfinite(pose.yaw) && std::isfinite(pose.roll) &&
           std::isfinite(pose.FOV);
}

CameraSnapshot SampleFromPose(int frame, float time, const CameraPose& pose) {
    CameraSnapshot sample;
    sample.frame = frame;
    sample.timestamp = time;
    sample.FOV = pose.FOV;
    sample.location = {pose.x, pose.y, pose.z};
    sample.rotation = {pose.pitch, pose.yaw, pose.roll};
    return sample;
}

} // namespace

void DollyCam::UpdateLocationStrategy() {
    locationStrategy = MakeInterpStrategy(locationMode, snapshots, chaikinDegree, splineAccuracy);
    if (speedNormalisation)
        RebuildArcLengthTable();
    RebuildPathCache();
    sameStrategyMode = locationMode == rotationMode;
}

void DollyCam::UpdateRotationStrategy() {
    rotationStrategy = MakeInterpStrategy(rotationMode, snapshots, chaikinDegree, splineAccuracy);
    // Strategies of the same kind describe the same curve: one object serves both.
    if (locationStrategy && rotationStrategy->GetName() == locationStrategy->GetName())
        rotationStrategy = locationStrategy;
    sameStrategyMode = locationMode == rotationMode;
}

void DollyCam::RebuildPathCache() {
    pathCache.clear();
    // A strategy of its own, as the plugin builds one for the overlay.
    const std::unique_ptr<InterpStrategy> strategy =
        MakeInterpStrategy(locationMode, snapshots, chaikinDegree, splineAccuracy);
    if (snapshots.empty())
        return;

    const float defaultRate = 1.0f / ReplayFrameRate(); // seconds per frame
    const int firstFrame = snapshots.begin()->first;
    const int lastFrame = snapshots.rbegin()->first;
    // Time runs on from the last waypoint passed, at that segment's own seconds per frame.
    int anchorFrame = firstFrame;
    float anchorTime = snapshots.begin()->second.timestamp;
    float rate = defaultRate;
    for (long long f = firstFrame; f <= lastFrame; ++f) {
        const int frame = static_cast<int>(f);
        const auto waypoint = snapshots.find(frame);
        if (waypoint != snapshots.end()) {
            anchorFrame = frame;
            anchorTime = waypoint->second.timestamp;
            rate = defaultRate;
            const auto next = std::next(waypoint);
            if (next != snapshots.end() && next->second.frame - frame > 0)
                rate = (next->second.timestamp - waypoint->second.timestamp) /
                       static_cast<float>(next->second.frame - frame);
        }
        const float time = anchorTime + static_cast<float>(frame - anchorFrame) * rate;
        const CameraPose pose = strategy->Evaluate(time, SegmentFrame(frame));
        if (pose.FOV > 1.0f)
            pathCache[frame] = SampleFromPose(frame, time, pose);
    }
}

void DollyCam::RebuildArcLengthTable() {
    arcLengthTable.clear();
    if (snapshots.size() < 2 || !locationStrategy)
        return;
    const float t0 = snapshots.begin()->second.timestamp;
    const float t1 = snapshots.rbegin()->second.timestamp;
    if (t1 - t0 < 1e-6f)
        return;

    std::vector<std::pair<float, float>> table;
    table.reserve(kArcLengthSamples + 1);
    float total = 0.0f;
    CameraPose previous;
    bool havePrevious = false;
    for (int i = 0; i <= kArcLengthSamples; ++i) {
        const float t =
            static_cast<float>(i) * (t1 - t0) / static_cast<float>(kArcLengthSamples) + t0;
        const CameraPose pose = locationStrategy->Evaluate(t, ArcLengthSampleFrame(t));
        // A sample without a value neither adds distance nor becomes the previous point.
        if (pose.FOV >= 1.0f && IsFinitePose(pose)) {
            if (havePrevious)
                total += Distance(pose, previous);
            previous = pose;
            havePrevious = true;
        }
        table.emplace_back(total, t);
    }
    if (total < 1e-6f || !std::isfinite(total))
        return;
    for (auto& entry : table)
        entry.first /= total;
    arcLengthTable = std::move(table);
}

} // namespace Oracle
