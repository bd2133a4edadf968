#pragma once
// Value types shared by the host and every plugin.
//
// Units: world units for Vector (Z up); canvas pixels for Vector2 (origin top-left, Y down);
// rotator units for Rotator (65536 a full turn, positive pitch looks up, yaw = atan2(y, x));
// degrees for a field of view.

#include <cstdint>

struct Vector {
    float X = 0.0f;
    float Y = 0.0f;
    float Z = 0.0f;

    Vector() = default;
    Vector(float x, float y, float z) : X(x), Y(y), Z(z) {}

    Vector operator+(const Vector& o) const { return {X + o.X, Y + o.Y, Z + o.Z}; }
    Vector operator-(const Vector& o) const { return {X - o.X, Y - o.Y, Z - o.Z}; }
    Vector operator*(float s) const { return {X * s, Y * s, Z * s}; }
    bool operator==(const Vector& o) const { return X == o.X && Y == o.Y && Z == o.Z; }
    bool operator!=(const Vector& o) const { return !(*this == o); }
};

struct Vector2 {
    int X = 0;
    int Y = 0;

    Vector2() = default;
    Vector2(int x, int y) : X(x), Y(y) {}
    bool operator==(const Vector2& o) const { return X == o.X && Y == o.Y; }
};

struct Rotator {
    int Pitch = 0;
    int Yaw = 0;
    int Roll = 0;

    Rotator() = default;
    Rotator(int pitch, int yaw, int roll) : Pitch(pitch), Yaw(yaw), Roll(roll) {}
    bool operator==(const Rotator& o) const {
        return Pitch == o.Pitch && Yaw == o.Yaw && Roll == o.Roll;
    }
};

// A camera's point of view: where it is, where it looks and how wide it sees.
struct POV {
    Vector location;
    Rotator rotation;
    float fov = 90.0f;
};
