#pragma once
// What a strategy produces for one moment and the applier writes to the camera.
// Location in world units, rotation in rotator units (floats, possibly beyond +-32768),
// FOV in degrees. A pose whose FOV is below 1 means "no value"; the zero pose (all seven 0)
// is every strategy's "no value".

struct CameraPose {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    float pitch = 0.0f;
    float yaw = 0.0f;
    float roll = 0.0f;
    float FOV = 0.0f;

    bool HasValue() const { return FOV >= 1.0f; }
};
