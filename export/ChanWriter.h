#pragma once
// The Nuke channel text of a track: one line per sample,
//   frame tx ty tz rx ry rz vfov
// frame the replay frame; translation in metres, Y up (glTF's axes); rotation in degrees for
// the order ZXY (Nuke's camera default; Blender's importer needs "ZXY" chosen); vertical
// field of view in degrees.

#include <string>

#include "export/CameraTrack.h"

std::string ChanText(const CameraTrack& track);
