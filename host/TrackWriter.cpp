#include "host/TrackWriter.h"

#include <cstdio>

namespace Corvane::Host {

TrackWriter::TrackWriter(const std::filesystem::path& file)
    : out(file, std::ios::binary | std::ios::trunc) {
    out << "tick,frame,seconds,x,y,z,pitch,yaw,roll,fov\n";
}

void TrackWriter::WriteRow(long tick, int frame, float seconds, const Camera& camera) {
    char row[512];
    std::snprintf(row, sizeof row, "%ld,%d,%.6f,%.6f,%.6f,%.6f,%d,%d,%d,%.6f\n", tick, frame,
                  double(seconds), double(camera.location.X), double(camera.location.Y),
                  double(camera.location.Z), camera.rotation.Pitch, camera.rotation.Yaw,
                  camera.rotation.Roll, double(camera.fov));
    out << row;
}

} // namespace Corvane::Host
