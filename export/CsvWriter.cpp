#include "export/CsvWriter.h"

#include <cstdio>

#include "math/Angles.h"

using Quorvel::Math::WholeRotatorUnits;

std::string CsvText(const CameraTrack& track) {
    std::string text = "tick,frame,seconds,x,y,z,pitch,yaw,roll,fov\n";
    long tick = 0;
    for (const TrackSample& s : track.samples) {
        char row[512];
        std::snprintf(row, sizeof row, "%ld,%d,%.6f,%.6f,%.6f,%.6f,%d,%d,%d,%.6f\n", ++tick,
                      s.frame, s.seconds, double(s.x), double(s.y), double(s.z),
                      WholeRotatorUnits(s.pitch), WholeRotatorUnits(s.yaw),
                      WholeRotatorUnits(s.roll), double(s.fov));
        text += row;
    }
    return text;
}
