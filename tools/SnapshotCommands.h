#pragma once
// Console commands that inspect and edit the live camera and the path's snapshots.
// Each function serves a family of commands and dispatches on arguments[0], the command's
// own name. Numbers are converted before anything changes, so a refused command changes
// nothing.

#include <string>
#include <vector>

#include "tools/CommandContext.h"

// dolly_cam_show, dolly_cam_clone, dolly_cam_set_location, dolly_cam_set_rotation,
// dolly_cam_set_fov, dolly_cam_set_frame
void RunCameraCommand(const CommandContext& context, const std::vector<std::string>& arguments);
// dolly_replayinfo: the frame shown, the replay's length and rate, and its time
void RunReplayInfoCommand(const CommandContext& context, const std::vector<std::string>& arguments);
// dolly_snapshot_take, dolly_activate, dolly_deactivate
void RunDollyCommand(const CommandContext& context, const std::vector<std::string>& arguments);
// dolly_snapshot_list, dolly_snapshot_info, dolly_snapshot_override, dolly_snapshot_delete
void RunSnapshotCommand(const CommandContext& context, const std::vector<std::string>& arguments);
// dolly_snapshot_select [FRAME]: selects the waypoint at a frame for editing, as a click on its
// row in the settings window does; without a frame, clears the selection (-1).
void RunSnapshotSelectCommand(const CommandContext& context,
                              const std::vector<std::string>& arguments, int& selectedFrame);
// dolly_bezier_weight
void RunBezierWeightCommand(const CommandContext& context,
                            const std::vector<std::string>& arguments);
