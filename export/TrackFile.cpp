#include "export/TrackFile.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <exception>
#include <system_error>

#include "export/ChanWriter.h"
#include "export/CsvWriter.h"
#include "export/GltfWriter.h"
#include "storage/AtomicFile.h"

namespace fs = std::filesystem;

namespace {

bool IsFinite(const TrackSample& s) {
    for (const double v : {s.seconds, double(s.x), double(s.y), double(s.z), double(s.pitch),
                           double(s.yaw), double(s.roll), double(s.fov)})
        if (!std::isfinite(v))
            return false;
    return true;
}

bool CheckTrack(const CameraTrack& track, std::string& error) {
    if (track.samples.empty()) {
        error = "there is no frame to write";
        return false;
    }
    if (!(track.aspect > 0.0) || !std::isfinite(track.aspect)) {
        error = "the canvas has no size";
        return false;
    }
    for (const TrackSample& s : track.samples) {
        if (!IsFinite(s)) {
            error = "frame " + std::to_string(s.frame) + " holds a value that is not finite";
            return false;
        }
        if (!(s.fov > 0.0f && s.fov < 180.0f)) {
            error = "frame " + std::to_string(s.frame) + " has a field of view outside 0 to 180";
            return false;
        }
    }
    return true;
}

bool Encode(TrackFormat format, const CameraTrack& track, std::string& bytes, std::string& error) {
    switch (format) {
    case TrackFormat::Gltf:
    case TrackFormat::Glb:
        return GltfBytes(track, format == TrackFormat::Glb, bytes, error);
    case TrackFormat::Chan:
        bytes = ChanText(track);
        return true;
    case TrackFormat::Csv:
        bytes = CsvText(track);
        return true;
    }
    return false;
}

bool CreateFolderFor(const fs::path& file, std::string& error) {
    const fs::path folder = file.parent_path();
    std::error_code ec;
    if (folder.empty() || fs::is_directory(folder, ec))
        return true;
    fs::create_directories(folder, ec);
    if (ec) {
        error = "cannot create the folder " + folder.string() + " (" + ec.message() + ")";
        return false;
    }
    return true;
}

} // namespace

bool TrackFormatOf(const fs::path& file, TrackFormat& format) {
    std::string extension = file.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    const struct {
        const char* extension;
        TrackFormat format;
    } kFormats[] = {{".gltf", TrackFormat::Gltf},
                    {".glb", TrackFormat::Glb},
                    {".chan", TrackFormat::Chan},
                    {".csv", TrackFormat::Csv}};
    for (const auto& known : kFormats) {
        if (extension == known.extension) {
            format = known.format;
            return true;
        }
    }
    return false;
}

std::string UnknownFormatMessage(const fs::path& file) {
    return file.string() + ": the format is chosen by the extension .gltf, .glb, .chan or .csv";
}

bool WriteTrackFile(const fs::path& file, const CameraTrack& track, std::string& error) {
    TrackFormat format;
    if (!TrackFormatOf(file, format)) {
        error = "unknown format";
        return false;
    }
    std::string bytes;
    try {
        if (!CheckTrack(track, error) || !Encode(format, track, bytes, error))
            return false;
    } catch (const std::exception& e) {
        // The JSON library reports its own failures by throwing.
        error = std::string("encoding failed (") + e.what() + ")";
        return false;
    }
    return CreateFolderFor(file, error) && WriteFileAtomically(file, bytes, error);
}
