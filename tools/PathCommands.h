#pragma once
// Console commands for whole paths and the preset library. Each function serves a family of
// commands and dispatches on arguments[0], the command's own name; extra arguments are
// ignored. Numbers are converted before anything changes, so a refused command changes
// nothing. None of these needs the replay free-fly camera.

#include <string>
#include <vector>

#include "tools/CommandContext.h"

// dolly_path_clear, dolly_path_save filename, dolly_path_load filename
void RunPathCommand(const CommandContext& context, const std::vector<std::string>& arguments);
// dolly_path_mirror [axis] [mirrorRot], dolly_path_offset x y z, dolly_path_scale factor,
// dolly_path_rotate rx ry rz (degrees), dolly_path_reverse, dolly_path_smooth
void RunPathToolCommand(const CommandContext& context, const std::vector<std::string>& arguments);
// dolly_preset_save name [tags], dolly_preset_load name, dolly_preset_delete name,
// dolly_preset_list
void RunPresetCommand(const CommandContext& context, const std::vector<std::string>& arguments);
