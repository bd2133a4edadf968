#pragma once
// A camera track: what the camera showed at each replay frame, in the game's own units, ready
// for a writer. Samples are in rising frame order, one per frame.

#include <vector>

struct TrackSample {
    int frame = 0;                               // replay frame
    double seconds = 0.0;                        // replay time of that frame
    float x = 0.0f, y = 0.0f, z = 0.0f;          // world units (1 cm), left-handed, Z up
    float pitch = 0.0f, yaw = 0.0f, roll = 0.0f; // rotator units, 65536 a turn
    float fov = 90.0f;                           // horizontal, degrees
};

struct CameraTrack {
    std::vector<TrackSample> samples;
    // Canvas width over height; the vertical field of view follows from it.
    double aspect = 1280.0 / 720.0;
};
