#pragma once
// The path file's text: one JSON object keyed by frame text, one snapshot object per waypoint.
//
// Writing: keys in byte order at both levels ("1000" before "250"), 4-space indentation,
// every float widened to double in the shortest form that reads back the same (90 -> 90.0,
// 0.1f -> 0.10000000149011612), "frame" an integer, no line break after the closing brace.
//
// Reading validates the whole document before producing anything. Required members: "frame",
// "timestamp", "FOV", "location" {x, y, z}, "rotation" {pitch, yaw, roll}, "weight". The
// "v3_" members are optional (0, false, (0, 0, 0)). A number field takes any JSON number or a
// boolean; "frame" truncates a fraction toward zero. Values that do not fit their field (a
// float beyond float range, a frame beyond int range) are refused, as are keys that hold no
// frame number. Of two keys that name the same frame ("100", "100.0") the later in byte order
// wins, as earlier versions read them. Unknown members are ignored. Rotations are rotator
// units, never degrees.

#include <stdexcept>
#include <string>

#include <nlohmann/json.hpp>

#include "path/CameraSnapshot.h"

// The snapshot object with all twelve members.
void to_json(nlohmann::json& json, const CameraSnapshot& snapshot);
// Throws PathFormatError when the object does not hold a valid snapshot.
void from_json(const nlohmann::json& json, CameraSnapshot& snapshot);

struct PathFormatError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Reads one snapshot object; on failure returns false and names the problem in problem
// (for example "\"location.y\" is missing").
bool ReadSnapshot(const nlohmann::json& json, CameraSnapshot& snapshot, std::string& problem);

// The whole file text for a path.
std::string SerializePath(const SnapshotMap& path);

// Parses a whole path file. On success replaces out, and sets notice (when given) to a line
// naming keys that repeated a frame, or to "" when none did; on failure leaves out untouched
// and describes the first problem found in error (one line, without the file name).
bool ParsePath(const std::string& text, SnapshotMap& out, std::string& error,
               std::string* notice = nullptr);

// A frame key as the standard integer conversion reads it: leading white space, an optional
// sign, at least one decimal digit, anything after the digits ignored; false when there is no
// leading number or it lies outside int range. Writing always gives the plain form ("200").
bool ParseFrameKey(const std::string& key, int& frame);

// Every float of the snapshot is finite (what the file format can hold).
bool SnapshotIsFinite(const CameraSnapshot& snapshot);
