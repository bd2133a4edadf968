#include "export/PathFlight.h"

#include "math/Angles.h"

using Quorvel::Math::WholeRotatorUnits;

CameraTrack SamplePathFlight(const DollyCam& dollyCam, double aspect) {
    CameraTrack track;
    track.aspect = aspect;
    const SnapshotMap& path = *dollyCam.snapshots;
    if (path.empty())
        return track;
    // The span is bounded by the path's own limit, so the count fits and the loop ends.
    const int first = path.begin()->first, last = path.rbegin()->first;
    track.samples.reserve(static_cast<std::size_t>(static_cast<long long>(last) - first + 1));
    for (long long frame = first; frame <= last; ++frame) {
        const int f = static_cast<int>(frame);
        const float seconds = dollyCam.PathFrameTime(f);
        CameraPose pose;
        if (!dollyCam.EvaluatePath(seconds, f, pose))
            continue;
        TrackSample sample;
        sample.frame = f;
        sample.seconds = seconds;
        sample.x = pose.x;
        sample.y = pose.y;
        sample.z = pose.z;
        sample.pitch = float(WholeRotatorUnits(pose.pitch));
        sample.yaw = float(WholeRotatorUnits(pose.yaw));
        sample.roll = float(WholeRotatorUnits(pose.roll));
        sample.fov = pose.FOV;
        track.samples.push_back(sample);
    }
    return track;
}
