#pragma once
// The camera track of a session (--track FILE.csv): a header line, then one row for every
// tick in which the plugin wrote the camera:
//   tick,frame,seconds,x,y,z,pitch,yaw,roll,fov
// tick counts every tick of the session from 1; frame is the replay's (or live game's)
// current frame in that tick, before any frame shift the plugin applies; seconds is the
// game clock. Location, seconds and FOV are written with 6 decimals, the rotation in whole
// rotator units.

#include <filesystem>
#include <fstream>

#include "host/Actors.h"

namespace Corvane::Host {

class TrackWriter {
public:
    explicit TrackWriter(const std::filesystem::path& file);
    bool IsOpen() const { return out.is_open() && out.good(); }
    void WriteRow(long tick, int frame, float seconds, const Camera& camera);

private:
    std::ofstream out;
};

} // namespace Corvane::Host
