#pragma once
// glTF 2.0 of a track, written with tinygltf: one perspective camera on one node, and one
// animation with the node's translation and rotation and the camera's yfov, one key per
// sample, LINEAR, times in seconds from the first sample. yfov is animated through
// KHR_animation_pointer (used, not required: a reader without it keeps the first frame's).
// Axes as in export/SceneAxes.h.

#include <string>

#include "export/CameraTrack.h"

// The .gltf text (the buffer embedded as a data URI) or, with binary, the .glb bytes, for a
// track of at least one sample. Replay times that do not rise from one sample to the next
// (as floats) are refused: on failure returns false with the reason in error.
bool GltfBytes(const CameraTrack& track, bool binary, std::string& bytes, std::string& error);
