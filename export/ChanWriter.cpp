#include "export/ChanWriter.h"

#include <cmath>
#include <cstdio>

#include "export/SceneAxes.h"

using namespace Quorvel::Export;

namespace {

// The angle plus whole turns nearest to previous, so an angle crossing 180 degrees keeps
// turning the same way instead of jumping back a full turn between two frames.
double NearestTurn(double degrees, double previous) {
    return degrees - 360.0 * std::round((degrees - previous) / 360.0);
}

} // namespace

std::string ChanText(const CameraTrack& track) {
    std::string text;
    Vec3 previous;
    for (std::size_t i = 0; i < track.samples.size(); ++i) {
        const TrackSample& s = track.samples[i];
        const Vec3 at = ToYUpMetres(s.x, s.y, s.z);
        Vec3 turn = EulerZxyDegrees(CameraOrientationYUp(s.pitch, s.yaw, s.roll));
        if (i > 0)
            turn = {NearestTurn(turn.x, previous.x), NearestTurn(turn.y, previous.y),
                    NearestTurn(turn.z, previous.z)};
        previous = turn;
        char line[256];
        std::snprintf(line, sizeof line, "%d %.6f %.6f %.6f %.6f %.6f %.6f %.6f\n", s.frame, at.x,
                      at.y, at.z, turn.x, turn.y, turn.z, VerticalFovDegrees(s.fov, track.aspect));
        text += line;
    }
    return text;
}
