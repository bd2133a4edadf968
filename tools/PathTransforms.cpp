#include "tools/PathTransforms.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "math/Angles.h"
#include "path/PathLimits.h"
#include "storage/PathFormat.h"

namespace {

// Degrees -> radians as the rotate tool computes it: degrees * pi / 180, two float roundings.
constexpr float kPi = 3.1415927f;

constexpr float kHalfTurn = Quorvel::Math::kUnitsPerHalfTurn; // rotator units

void NegateAxis(Vector& v, int axis) {
    float* components[] = {&v.X, &v.Y, &v.Z};
    *components[axis] = *components[axis] * -1.0f;
}

// One of the three elementary rotations; inactive when its angle is exactly 0 degrees.
struct AxisTurn {
    bool active = false;
    float c = 1.0f;
    float s = 0.0f;
};

AxisTurn TurnOf(float degrees) {
    if (degrees == 0.0f)
        return AxisTurn();
    const float radians = degrees * kPi / 180.0f;
    return {true, std::cos(radians), std::sin(radians)};
}

// Each step reads the components the previous step produced.
Vector Rotate(Vector v, const AxisTurn& aboutX, const AxisTurn& aboutY, const AxisTurn& aboutZ) {
    if (aboutX.active) {
        const float y = aboutX.c * v.Y - aboutX.s * v.Z;
        const float z = aboutX.s * v.Y + aboutX.c * v.Z;
        v.Y = y;
        v.Z = z;
    }
    if (aboutY.active) {
        const float x = aboutY.c * v.X + aboutY.s * v.Z;
        const float z = aboutY.c * v.Z - aboutY.s * v.X;
        v.X = x;
        v.Z = z;
    }
    if (aboutZ.active) {
        const float x = aboutZ.c * v.X - aboutZ.s * v.Y;
        const float y = aboutZ.s * v.X + aboutZ.c * v.Y;
        v.X = x;
        v.Y = y;
    }
    return v;
}

// Summed left to right, then divided: (a + b + c) / 3.
float MeanOfThree(float a, float b, float c) {
    return (a + b + c) / 3.0f;
}

} // namespace

void MirrorSnapshots(SnapshotMap& path, int axis, bool mirrorRotation) {
    if (axis < 0 || axis > 2)
        return;
    for (auto& [frame, s] : path) {
        NegateAxis(s.location, axis);
        NegateAxis(s.v3_bz_ctrl_out, axis);
        NegateAxis(s.v3_bz_ctrl_in, axis);
        if (!mirrorRotation)
            continue;
        // The camera must look at the mirrored scene (forward = (cos p cos y, cos p sin y,
        // sin p)): across x the yaw becomes a half turn minus itself, across y it changes
        // sign, across z the pitch does. A real camera cannot be mirrored, so its image turns
        // over instead: roll changes sign on every axis.
        FloatRotator& r = s.rotation;
        if (axis == 0)
            r.yaw = Quorvel::Math::WrapAngleDelta(kHalfTurn - r.yaw);
        else if (axis == 1)
            r.yaw = r.yaw * -1.0f;
        else
            r.pitch = r.pitch * -1.0f;
        r.roll = r.roll * -1.0f;
    }
}

void OffsetSnapshots(SnapshotMap& path, float x, float y, float z) {
    for (auto& [frame, s] : path) {
        s.location.X = s.location.X + x;
        s.location.Y = s.location.Y + y;
        s.location.Z = s.location.Z + z;
    }
}

bool ScaleSnapshots(SnapshotMap& path, float factor) {
    if (!(factor > 0.0f))
        return false;
    for (auto& [frame, s] : path) {
        s.location = s.location * factor;
        s.v3_bz_ctrl_out = s.v3_bz_ctrl_out * factor;
        s.v3_bz_ctrl_in = s.v3_bz_ctrl_in * factor;
    }
    return true;
}

void RotateSnapshots(SnapshotMap& path, float rx, float ry, float rz) {
    const AxisTurn aboutX = TurnOf(rx);
    const AxisTurn aboutY = TurnOf(ry);
    const AxisTurn aboutZ = TurnOf(rz);
    for (auto& [frame, s] : path) {
        s.location = Rotate(s.location, aboutX, aboutY, aboutZ);
        s.v3_bz_ctrl_out = Rotate(s.v3_bz_ctrl_out, aboutX, aboutY, aboutZ);
        s.v3_bz_ctrl_in = Rotate(s.v3_bz_ctrl_in, aboutX, aboutY, aboutZ);
    }
}

bool ReverseSnapshots(SnapshotMap& path) {
    if (path.size() < 2)
        return false;
    std::vector<int> keys;
    std::vector<float> timestamps;
    std::vector<CameraSnapshot> records;
    for (const auto& [frame, snapshot] : path) {
        keys.push_back(frame);
        timestamps.push_back(snapshot.timestamp);
        records.push_back(snapshot);
    }
    std::reverse(records.begin(), records.end());
    SnapshotMap reversed;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        CameraSnapshot& record = records[i];
        // The key keeps its moment, so time still runs forward with the frames.
        record.frame = keys[i];
        record.timestamp = timestamps[i];
        // Travelling the other way, the handle that led out of the waypoint now leads in.
        std::swap(record.v3_bz_ctrl_out, record.v3_bz_ctrl_in);
        reversed.emplace(keys[i], record);
    }
    path = std::move(reversed);
    return true;
}

bool SmoothSnapshots(SnapshotMap& path) {
    if (path.size() < 3)
        return false;
    std::vector<std::pair<int, CameraSnapshot>> entries(path.begin(), path.end());
    for (std::size_t i = 1; i + 1 < entries.size(); ++i) {
        const CameraSnapshot& before = entries[i - 1].second; // already smoothed
        CameraSnapshot& s = entries[i].second;
        const CameraSnapshot& after = entries[i + 1].second;
        s.location.X = MeanOfThree(before.location.X, s.location.X, after.location.X);
        s.location.Y = MeanOfThree(before.location.Y, s.location.Y, after.location.Y);
        s.location.Z = MeanOfThree(before.location.Z, s.location.Z, after.location.Z);
        s.FOV = MeanOfThree(before.FOV, s.FOV, after.FOV);
        s.rotation.pitch =
            MeanOfThree(before.rotation.pitch, s.rotation.pitch, after.rotation.pitch);
        s.rotation.yaw = MeanOfThree(before.rotation.yaw, s.rotation.yaw, after.rotation.yaw);
        s.rotation.roll = MeanOfThree(before.rotation.roll, s.rotation.roll, after.rotation.roll);
    }
    path = SnapshotMap(entries.begin(), entries.end());
    return true;
}

bool PathIsFinite(const SnapshotMap& path) {
    return std::all_of(path.begin(), path.end(),
                       [](const auto& entry) { return SnapshotIsFinite(entry.second); });
}

const char* EditRefusal(const SnapshotMap& before, const SnapshotMap& edited) {
    if (!PathIsFinite(edited))
        return kTransformNotFiniteMessage;
    return PathInWorld(edited) || !PathInWorld(before) ? nullptr : kOutsideWorldMessage;
}
