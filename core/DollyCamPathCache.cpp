// DollyCam's path cache: the location strategy sampled at every replay frame of the path, for
// the overlay.

#include <iterator>

#include "core/DollyCam.h"
#include "interp/InterpStrategy.h"
#include "path/PathLimits.h"

void DollyCam::RebuildPathCache() {
    if (!gameWrapper->IsInReplay())
        return;
    pathCache.clear();
    const std::shared_ptr<InterpStrategy> strategy =
        locationStrategy ? locationStrategy
                         : CreateInterpStrategy(ReadIntVariable("dolly_interpmode_location"));
    if (snapshots->empty())
        return;

    const float defaultRate = 1.0f / ReplayFrameRate(); // seconds per frame
    const int firstFrame = snapshots->begin()->first;
    const int lastFrame = snapshots->rbegin()->first;
    const long long span = static_cast<long long>(lastFrame) - firstFrame + 1; // frames
    // A cache left from a much longer path gives its memory back.
    if (static_cast<long long>(pathCache.capacity()) > 2 * span + 1024)
        PathCache().swap(pathCache);
    if (span <= kMaxPathSpanFrames + 1)
        pathCache.reserve(static_cast<std::size_t>(span));
    const bool lastHasNoSegment = snapshots->size() >= 2; // see SegmentFrame
    // Frames are evaluated a block at a time, which lets the strategy share work among them.
    constexpr std::size_t kBlock = 256;
    int frames[kBlock], segmentFrames[kBlock];
    float times[kBlock];
    CameraPose poses[kBlock];
    std::size_t filled = 0;
    const auto flush = [&] {
        strategy->EvaluateLocations(times, segmentFrames, filled, poses);
        for (std::size_t i = 0; i < filled; ++i)
            if (poses[i].FOV > 1.0f)
                pathCache.push_back({frames[i], {poses[i].x, poses[i].y, poses[i].z}});
        filled = 0;
    };
    // Time runs on from the last waypoint passed, at that segment's own seconds per frame.
    int anchorFrame = firstFrame;
    float anchorTime = snapshots->begin()->second.timestamp;
    float rate = defaultRate;
    auto waypoint = snapshots->begin(); // the next waypoint to be passed
    for (long long f = firstFrame; f <= lastFrame; ++f) {
        const int frame = static_cast<int>(f);
        if (waypoint != snapshots->end() && waypoint->first == frame) {
            anchorFrame = frame;
            anchorTime = waypoint->second.timestamp;
            rate = defaultRate;
            const auto next = std::next(waypoint);
            if (next != snapshots->end() && next->second.frame - frame > 0)
                rate = (next->second.timestamp - waypoint->second.timestamp) /
                       static_cast<float>(next->second.frame - frame);
            waypoint = next;
        }
        frames[filled] = frame;
        times[filled] = anchorTime + static_cast<float>(frame - anchorFrame) * rate;
        segmentFrames[filled] = lastHasNoSegment && frame == lastFrame ? frame - 1 : frame;
        if (++filled == kBlock)
            flush();
    }
    flush();
}
