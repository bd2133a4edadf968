#pragma once
// The strategy interface: given a replay time and frame, a camera pose on the path.
//
// A strategy copies the path when it is built (optionally refining it with Chaikin
// subdivision) and never sees a later edit; the owner rebuilds strategies after every change.
// Strategies are always created with std::make_shared of their concrete class and held as
// std::shared_ptr<InterpStrategy>, so the interface needs no virtual destructor.

#include <memory>
#include <string>

#include "path/CameraPose.h"
#include "path/CameraSnapshot.h"

class InterpStrategy {
public:
    // time: replay seconds, on the scale of CameraSnapshot::timestamp.
    // frame: replay frame, on the scale of the path's keys; chooses the segment.
    virtual CameraPose Evaluate(float time, int frame) = 0;
    virtual std::string GetName() = 0;

protected:
    // Copies *path (an empty path when null) and subdivides the copy chaikinDegree times.
    InterpStrategy(const std::shared_ptr<SnapshotMap>& path, int chaikinDegree);
    ~InterpStrategy() = default;
    InterpStrategy(const InterpStrategy&) = delete;
    InterpStrategy& operator=(const InterpStrategy&) = delete;
    InterpStrategy(InterpStrategy&&) = default;
    InterpStrategy& operator=(InterpStrategy&&) = default;

    // The segment of a query frame: B is the first waypoint whose frame is above `frame`, A the
    // one before it. Only first frame <= frame < last frame has one; the last waypoint's own
    // frame has none.
    struct Segment {
        SnapshotMap::const_iterator a;
        SnapshotMap::const_iterator b;
    };
    bool FindSegment(int frame, Segment& segment) const;

    // The strategy's private copy of the path; never changed after construction.
    std::unique_ptr<SnapshotMap> waypoints;
};

// One Chaikin pass per degree: between every pair of neighbours A, B add the quarter point
// 0.75A + 0.25B and the three-quarter point 0.25A + 0.75B, keyed by their truncated frames.
// A frame already taken keeps its waypoint, so the map holds at most one waypoint per frame
// and large degrees saturate. New points carry no shape parameters.
void SubdivideChaikin(SnapshotMap& path, int degree);
