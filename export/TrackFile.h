#pragma once
// Writing a camera track to a file whose extension names the format: .gltf, .glb, .chan or
// .csv (in any letter case). The file is replaced atomically, its folder created when
// missing: a failed export leaves no partial file and any previous file as it was.

#include <filesystem>
#include <string>

#include "export/CameraTrack.h"

enum class TrackFormat { Gltf, Glb, Chan, Csv };

// False for any other extension.
bool TrackFormatOf(const std::filesystem::path& file, TrackFormat& format);

// "FILE: the format is chosen by the extension .gltf, .glb, .chan or .csv", the line for a
// file name with another extension.
std::string UnknownFormatMessage(const std::filesystem::path& file);

// Refuses an empty track, a value that is not finite, a field of view outside 0 to 180
// degrees, and for glTF replay times that do not rise, with the reason in error.
bool WriteTrackFile(const std::filesystem::path& file, const CameraTrack& track,
                    std::string& error);
