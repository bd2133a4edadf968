#pragma once
// The strategy interface: given a replay time and frame, a camera pose on the path.
//
// A strategy copies the path when it is built (optionally refining it with Chaikin
// subdivision) and never sees a later edit; the owner rebuilds strategies after every change.
// Strategies are always created with std::make_shared of their concrete class and held as
// std::shared_ptr<InterpStrategy>, so the interface needs no virtual destructor.

#include <cstddef>
#include <memory>
#include <string>

#include "interp/Chaikin.h"
#include "interp/PathPoints.h"
#include "path/CameraPose.h"
#include "path/CameraSnapshot.h"

class InterpStrategy {
public:
    // time: replay seconds, on the scale of CameraSnapshot::timestamp.
    // frame: replay frame, on the scale of the path's keys; chooses the segment.
    virtual CameraPose Evaluate(float time, int frame) = 0;
    virtual std::string GetName() = 0;
    // For sampling where the camera goes (the path cache, the arc-length table): poses[i] has
    // the location and FOV of Evaluate(times[i], frames[i]) for i < count, asked in order, and
    // is the zero pose where that is; pitch, yaw and roll may be left at 0. A strategy may do
    // once what each evaluation would repeat.
    virtual void EvaluateLocations(const float* times, const int* frames, std::size_t count,
                                   CameraPose* poses);

protected:
    // Copies *path (an empty path when null) and subdivides the copy chaikinDegree times.
    InterpStrategy(const std::shared_ptr<SnapshotMap>& path, int chaikinDegree);
    // Shares a copy already made.
    explicit InterpStrategy(std::shared_ptr<const PathPoints> points);
    ~InterpStrategy() = default;
    InterpStrategy(const InterpStrategy&) = delete;
    InterpStrategy& operator=(const InterpStrategy&) = delete;
    InterpStrategy(InterpStrategy&&) = default;
    InterpStrategy& operator=(InterpStrategy&&) = default;

    std::size_t Size() const { return points->Size(); }
    const CameraSnapshot& At(std::size_t i) const { return points->waypoints[i]; }

    // The index of the first waypoint whose key is above `frame` (Size() when none is).
    // Playback and sampling ask about neighbouring frames, so the segment of the previous
    // question is tried first.
    std::size_t UpperBound(int frame) const;
    // The segment of a query frame: B is the first waypoint whose frame is above `frame`, A the
    // one before it, at index a. Only first frame <= frame < last frame has one; the last
    // waypoint's own frame has none.
    bool FindSegment(int frame, std::size_t& a) const;

    // The strategy's private copy of the path; never changed after construction.
    std::shared_ptr<const PathPoints> points;

private:
    mutable std::size_t lastUpperBound = 0;
};
