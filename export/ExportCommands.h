#pragma once
// Console commands that take the camera out of the game as a file (export/TrackFile.h for
// the formats). File names resolve like path files: relative names go to the path folder.
//
// Recording, as a user meets it:
//   | situation                         | what happens                                       |
//   |-----------------------------------|----------------------------------------------------|
//   | dolly_record_start FILE           | "Recording to FILE"; frames written from now on    |
//   | ... while recording               | "Already recording to FILE"; the recording goes on |
//   | ... outside a replay              | "Not in a replay"; nothing starts                  |
//   | dolly_record_stop                 | "Recorded N frames to FILE"                        |
//   | ... with no frame recorded        | "Nothing recorded: playback wrote no frame"; ends  |
//   | ... when the file cannot be saved | "Could not save FILE: REASON; still recording"     |
//   | dolly_record_stop NEWFILE         | saves to NEWFILE instead (after such a failure)    |
//   | ... while not recording           | "Not recording"                                    |
//   | leaving the replay                | the recording ends as dolly_record_stop would, and |
//   |                                   | one line says so; a failed save is then lost       |

#include <memory>
#include <string>
#include <vector>

#include "corvane/wrappers/WrapperStructs.h"
#include "export/TrackRecorder.h"
#include "tools/CommandContext.h"

struct ExportContext {
    CommandContext command;
    std::shared_ptr<TrackRecorder> recorder;
    // The canvas of the last drawn frame, pixels; its aspect goes to the exported camera.
    std::shared_ptr<Vector2> canvasSize;
};

// dolly_record_start filename, dolly_record_stop [filename]
void RunRecordCommand(const ExportContext& context, const std::vector<std::string>& arguments);
// dolly_export filename: the path's own flight (export/PathFlight.h)
void RunExportCommand(const ExportContext& context, const std::vector<std::string>& arguments);
// Called when the replay ends: a running recording is saved and ends.
void EndRecordingOnLeave(const ExportContext& context);
