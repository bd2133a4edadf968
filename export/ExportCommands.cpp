#include "export/ExportCommands.h"

#include "export/PathFlight.h"
#include "export/TrackFile.h"
#include "storage/PathStore.h"

namespace fs = std::filesystem;

namespace {

constexpr double kDefaultAspect = 1280.0 / 720.0;

double CanvasAspect(const ExportContext& context) {
    const Vector2 size = context.canvasSize ? *context.canvasSize : Vector2{};
    if (size.X > 0 && size.Y > 0)
        return static_cast<double>(size.X) / size.Y;
    return kDefaultAspect;
}

std::string Frames(std::size_t count) {
    return std::to_string(count) + (count == 1 ? " frame" : " frames");
}

fs::path Resolve(const ExportContext& context, const std::string& name) {
    const CommandContext& command = context.command;
    const std::string directory = command.pathDirectory ? *command.pathDirectory : std::string();
    return ResolvePathFile(directory, command.gameWrapper->GetDataFolder(), name);
}

// The file for a typed name, or an empty path after logging why there is none.
fs::path ExportTarget(const ExportContext& context, const std::vector<std::string>& arguments,
                      const char* usage) {
    CVarManagerWrapper& console = *context.command.cvarManager;
    if (arguments.size() < 2) {
        console.log(usage);
        return {};
    }
    TrackFormat format;
    if (!TrackFormatOf(arguments[1], format)) {
        console.log(UnknownFormatMessage(arguments[1]));
        return {};
    }
    return Resolve(context, arguments[1]);
}

// Writes the recording to file and ends it. A failed save ends it too, unless keepOnFailure:
// the frames then wait for another try.
void SaveRecording(const ExportContext& context, const fs::path& file, bool keepOnFailure) {
    CVarManagerWrapper& console = *context.command.cvarManager;
    TrackRecorder& recorder = *context.recorder;
    if (recorder.FrameCount() == 0) {
        console.log("Nothing recorded: playback wrote no frame");
        recorder.Discard();
        return;
    }
    std::string error;
    if (!WriteTrackFile(file, recorder.Track(CanvasAspect(context)), error)) {
        console.log(SaveFailureMessage(file, error) + (keepOnFailure ? "; still recording" : ""));
        if (!keepOnFailure)
            recorder.Discard();
        return;
    }
    console.log("Recorded " + Frames(recorder.FrameCount()) + " to " + file.string());
    recorder.Discard();
}

void StartRecording(const ExportContext& context, const std::vector<std::string>& arguments) {
    CVarManagerWrapper& console = *context.command.cvarManager;
    TrackRecorder& recorder = *context.recorder;
    if (recorder.IsRecording()) {
        console.log("Already recording to " + recorder.File().string());
        return;
    }
    const fs::path file = ExportTarget(context, arguments, "Usage: dolly_record_start filename");
    if (file.empty())
        return;
    if (!context.command.gameWrapper->IsInReplay()) {
        console.log("Not in a replay");
        return;
    }
    recorder.Start(file);
    console.log("Recording to " + file.string());
}

void StopRecording(const ExportContext& context, const std::vector<std::string>& arguments) {
    TrackRecorder& recorder = *context.recorder;
    if (!recorder.IsRecording()) {
        context.command.cvarManager->log("Not recording");
        return;
    }
    fs::path file = recorder.File();
    if (arguments.size() >= 2) {
        file = ExportTarget(context, arguments, "");
        if (file.empty())
            return;
    }
    SaveRecording(context, file, true);
}

} // namespace

void RunRecordCommand(const ExportContext& context, const std::vector<std::string>& arguments) {
    if (arguments.empty())
        return;
    if (arguments[0] == "dolly_record_start")
        StartRecording(context, arguments);
    else if (arguments[0] == "dolly_record_stop")
        StopRecording(context, arguments);
}

void RunExportCommand(const ExportContext& context, const std::vector<std::string>& arguments) {
    CVarManagerWrapper& console = *context.command.cvarManager;
    const fs::path file = ExportTarget(context, arguments, "Usage: dolly_export filename");
    if (file.empty())
        return;
    const CameraTrack track = SamplePathFlight(*context.command.dollyCam, CanvasAspect(context));
    if (track.samples.empty()) {
        console.log("Nothing to export: the path gives no camera");
        return;
    }
    std::string error;
    if (!WriteTrackFile(file, track, error)) {
        console.log(SaveFailureMessage(file, error));
        return;
    }
    console.log("Exported " + Frames(track.samples.size()) + " to " + file.string());
}

void EndRecordingOnLeave(const ExportContext& context) {
    TrackRecorder& recorder = *context.recorder;
    if (!recorder.IsRecording())
        return;
    SaveRecording(context, recorder.File(), false);
}
