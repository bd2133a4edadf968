#include "tools/PathCommands.h"

#include "storage/PresetLibrary.h"
#include "tools/ArgumentParsing.h"
#include "tools/PathTransforms.h"
#include "tools/PresetText.h"

namespace {

// --- Path ------------------------------------------------------------------------------------

// Playback stays on: an empty path simply gives no pose.
void ClearPath(DollyCam& dollyCam) {
    dollyCam.snapshots->clear();
    dollyCam.arcLengthTable.clear();
    dollyCam.UpdateLocationStrategy();
    dollyCam.UpdateRotationStrategy();
}

// --- Path tools ------------------------------------------------------------------------------

void Mirror(const CommandContext& context, const std::vector<std::string>& arguments) {
    CVarManagerWrapper& console = *context.cvarManager;
    const ArgumentReader reader(console, arguments);
    int axis = 0;
    int mirrorRotation = 1;
    if (arguments.size() >= 2 && !reader.ReadInt(1, axis))
        return;
    if (arguments.size() >= 3 && !reader.ReadInt(2, mirrorRotation))
        return;
    if (axis < 0 || axis > 2) {
        console.log("dolly_path_mirror: the axis must be 0 (x), 1 (y) or 2 (z), not " +
                    std::to_string(axis));
        return;
    }
    context.dollyCam->MirrorPath(axis, mirrorRotation != 0);
    console.log("Mirrored path on axis " + std::to_string(axis));
}

// Reads elements 3, 2, 1 in that order, so the last bad argument is the one reported.
bool ReadTripleBackwards(const ArgumentReader& reader, float& first, float& second, float& third) {
    return reader.ReadFloat(3, third) && reader.ReadFloat(2, second) && reader.ReadFloat(1, first);
}

void Offset(const CommandContext& context, const std::vector<std::string>& arguments) {
    CVarManagerWrapper& console = *context.cvarManager;
    if (!ArgumentReader(console, arguments).Require(4, "Usage: x y z"))
        return;
    float x = 0.0f, y = 0.0f, z = 0.0f;
    if (ReadTripleBackwards(ArgumentReader(console, arguments), x, y, z))
        context.dollyCam->OffsetPath(x, y, z);
}

void Scale(const CommandContext& context, const std::vector<std::string>& arguments) {
    CVarManagerWrapper& console = *context.cvarManager;
    if (!ArgumentReader(console, arguments).Require(2, "Usage: factor"))
        return;
    float factor = 0.0f;
    if (ArgumentReader(console, arguments).ReadFloat(1, factor))
        context.dollyCam->ScalePath(factor); // a factor of 0 or less is ignored silently
}

void Rotate(const CommandContext& context, const std::vector<std::string>& arguments) {
    CVarManagerWrapper& console = *context.cvarManager;
    if (!ArgumentReader(console, arguments).Require(4, "Usage: rx ry rz"))
        return;
    float rx = 0.0f, ry = 0.0f, rz = 0.0f; // degrees
    if (ReadTripleBackwards(ArgumentReader(console, arguments), rx, ry, rz))
        context.dollyCam->RotatePath(rx, ry, rz);
}

// --- Presets ---------------------------------------------------------------------------------

// Failed results were reported by the library itself; they get no second line.
void SavePreset(const CommandContext& context, const std::vector<std::string>& arguments) {
    CVarManagerWrapper& console = *context.cvarManager;
    if (!ArgumentReader(console, arguments).Require(2, "Usage: name [tags]"))
        return;
    const std::string& name = arguments[1];
    // Only the third word holds tags, so tags are typed without spaces.
    const std::vector<std::string> tags =
        arguments.size() >= 3 ? SplitTags(arguments[2]) : std::vector<std::string>();
    const PresetResult result = SaveDollyPreset(*context.dollyCam, name, tags);
    if (result == PresetResult::Done)
        console.log("Preset saved: " + name);
    else if (result != PresetResult::Failed)
        console.log("Failed to save preset");
}

void LoadPreset(const CommandContext& context, const std::vector<std::string>& arguments) {
    CVarManagerWrapper& console = *context.cvarManager;
    if (!ArgumentReader(console, arguments).Require(2, "Usage: name"))
        return;
    const PresetResult result = LoadDollyPreset(*context.dollyCam, arguments[1]);
    if (result == PresetResult::Done)
        console.log("Preset loaded: " + arguments[1]);
    else if (result != PresetResult::Failed)
        console.log("Preset not found");
}

void DeletePreset(const CommandContext& context, const std::vector<std::string>& arguments) {
    CVarManagerWrapper& console = *context.cvarManager;
    if (!ArgumentReader(console, arguments).Require(2, "Usage: name"))
        return;
    const PresetResult result = DeleteDollyPreset(*context.dollyCam, arguments[1]);
    if (result == PresetResult::Done)
        console.log("Preset deleted");
    else if (result != PresetResult::Failed)
        console.log("Preset not found");
}

void ListPresets(const CommandContext& context) {
    for (const std::string& line : FormatPresetList(context.dollyCam->ListPresets()))
        context.cvarManager->log(line);
}

} // namespace

void RunPathCommand(const CommandContext& context, const std::vector<std::string>& arguments) {
    if (arguments.empty())
        return;
    const std::string& command = arguments[0];
    CVarManagerWrapper& console = *context.cvarManager;
    // The folder bound to dolly_path_directory; empty means the data folder's "campaths".
    const std::string directory = context.pathDirectory ? *context.pathDirectory : std::string();
    if (command == "dolly_path_clear") {
        ClearPath(*context.dollyCam);
    } else if (command == "dolly_path_save") {
        if (ArgumentReader(console, arguments).Require(2, "Usage: dolly_path_save filename"))
            context.dollyCam->SavePath(directory, arguments[1]);
    } else if (command == "dolly_path_load") {
        if (ArgumentReader(console, arguments).Require(2, "Usage: dolly_path_load filename"))
            context.dollyCam->LoadPath(directory, arguments[1]);
    }
}

void RunPathToolCommand(const CommandContext& context, const std::vector<std::string>& arguments) {
    if (arguments.empty())
        return;
    const std::string& command = arguments[0];
    if (command == "dolly_path_mirror") {
        Mirror(context, arguments);
    } else if (command == "dolly_path_offset") {
        Offset(context, arguments);
    } else if (command == "dolly_path_scale") {
        Scale(context, arguments);
    } else if (command == "dolly_path_rotate") {
        Rotate(context, arguments);
    } else if (command == "dolly_path_reverse") {
        context.dollyCam->ReversePath(); // confirmed even when fewer than 2 waypoints
        context.cvarManager->log("Path reversed");
    } else if (command == "dolly_path_smooth") {
        if (SmoothDollyPath(*context.dollyCam)) // confirmed even when too short to smooth
            context.cvarManager->log("Path smoothed");
    }
}

void RunPresetCommand(const CommandContext& context, const std::vector<std::string>& arguments) {
    if (arguments.empty())
        return;
    const std::string& command = arguments[0];
    if (command == "dolly_preset_save")
        SavePreset(context, arguments);
    else if (command == "dolly_preset_load")
        LoadPreset(context, arguments);
    else if (command == "dolly_preset_delete")
        DeletePreset(context, arguments);
    else if (command == "dolly_preset_list")
        ListPresets(context);
}
