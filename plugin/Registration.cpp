// The console variables and commands, registered in this order at load.

#include "plugin/DollyCamPlugin.h"

namespace {

// A variable's range; `hasMin`/`hasMax` false means unbounded on that side.
struct Range {
    bool hasMin;
    float min;
    bool hasMax;
    float max;
};

constexpr Range kUnbounded{false, 0.0f, false, 0.0f};

constexpr Range Between(float min, float max) {
    return {true, min, true, max};
}

} // namespace

void DollyCamPlugin::RegisterVariables() {
    // Every variable is searchable and kept in the host's configuration.
    auto add = [this](const char* name, const char* defaultValue, const char* description,
                      Range range) {
        return cvarManager->registerCvar(name, defaultValue, description, true, range.hasMin,
                                         range.min, range.hasMax, range.max, true);
    };
    auto handler = [this](void (DollyCamPlugin::*member)(std::string, CVarWrapper)) {
        return [this, member](std::string oldValue, CVarWrapper cvar) {
            Guarded(cvar.getCVarName().c_str(),
                    [&] { (this->*member)(std::move(oldValue), cvar); });
        };
    };

    add("dolly_interpmode", "5", "Used interp mode", Between(0, 7))
        .addOnValueChanged(handler(&DollyCamPlugin::onInterpModeChanged));
    add("dolly_interpmode_location", "5", "Interp mode for location", Between(0, 7))
        .addOnValueChanged(handler(&DollyCamPlugin::onInterpModeChanged));
    add("dolly_interpmode_rotation", "5", "Interp mode for rotation", Between(0, 7))
        .addOnValueChanged(handler(&DollyCamPlugin::onInterpModeChanged));
    add("dolly_path_directory", "", "Location for saving/loading paths", kUnbounded)
        .bindTo(pathDirectory);

    CVarWrapper render = add("dolly_render", "1", "Render camera path", Between(0, 1));
    render.bindTo(renderPathFlag);
    render.addOnValueChanged([this](std::string, CVarWrapper cvar) {
        Guarded("dolly_render", [&] {
            if (dollyCam)
                dollyCam->showPath = cvar.getBoolValue();
        });
    });

    add("dolly_render_frame", "1", "Render frame numbers on path", Between(0, 1))
        .addOnValueChanged(handler(&DollyCamPlugin::onRenderFrameChanged));
    add("dolly_chaikin_degree", "0", "Chaikin subdivision amount", Between(0, 20))
        .addOnValueChanged(handler(&DollyCamPlugin::onChaikinDegreeChanged));
    add("dolly_spline_acc", "7500", "Spline interp accuracy", {true, 100.0f, false, 0.0f})
        .addOnValueChanged(handler(&DollyCamPlugin::onSplineAccuracyChanged));
    *dollyCam->splineAccuracy = cvarManager->getCvar("dolly_spline_acc").getIntValue();
    add("dolly_lock_target", "0", "Smart target lock (0=None, 1=Ball, 2=Car)", Between(0, 2))
        .addOnValueChanged(handler(&DollyCamPlugin::onLockTargetChanged));
    add("dolly_lock_car_index", "0", "Car index for target lock", Between(0, 7));
    add("dolly_soft_follow", "0", "Enable soft/lag follow", Between(0, 1))
        .addOnValueChanged(handler(&DollyCamPlugin::onSoftFollowChanged));
    add("dolly_soft_follow_tension", "5.0", "Spring tension for soft follow (higher=snappier)",
        Between(0.1f, 50))
        .addOnValueChanged(handler(&DollyCamPlugin::onSoftFollowChanged));
    add("dolly_frame_shift", "0", "Frame shift offset (-20..+20; abs>=5 when non-zero)",
        Between(-20, 20))
        .addOnValueChanged(handler(&DollyCamPlugin::onFrameShiftChanged));
    add("dolly_speed_norm", "0", "Arc-length speed normalisation", Between(0, 1))
        .addOnValueChanged(handler(&DollyCamPlugin::onSpeedNormChanged));
}

void DollyCamPlugin::RegisterCommands() {
    using Handler = void (DollyCamPlugin::*)(const std::vector<std::string>&);
    auto add = [this](const char* name, Handler member, const char* description,
                      unsigned char permissions) {
        cvarManager->registerNotifier(
            name,
            [this, member](std::vector<std::string> params) {
                Guarded(params.empty() ? "command" : params.front().c_str(),
                        [&] { RunCommandAsStep(params, member); });
            },
            description, permissions);
    };
    // 0x40: the command acts on the game (camera, replay, playback).
    constexpr unsigned char kGame = 0x40;

    add("dolly_path_clear", &DollyCamPlugin::onPathCommand, "Clear current dolly path", 0);
    add("dolly_snapshot_take", &DollyCamPlugin::onDollyCommand, "Save camera snapshot", kGame);
    add("dolly_activate", &DollyCamPlugin::onDollyCommand, "Activate dollycam", kGame);
    add("dolly_deactivate", &DollyCamPlugin::onDollyCommand, "Deactivate dollycam", kGame);
    add("dolly_replayinfo", &DollyCamPlugin::onReplayInfoCommand, "Print replay info", kGame);
    add("dolly_path_save", &DollyCamPlugin::onPathCommand, "Save path to file", 0);
    add("dolly_path_load", &DollyCamPlugin::onPathCommand, "Load path from file", 0);
    add("dolly_cam_clone", &DollyCamPlugin::onCameraCommand, "Clone camera as snapshot", kGame);
    add("dolly_cam_show", &DollyCamPlugin::onCameraCommand, "Print camera info", kGame);
    add("dolly_cam_set_location", &DollyCamPlugin::onCameraCommand, "Set camera location x y z",
        kGame);
    add("dolly_cam_set_rotation", &DollyCamPlugin::onCameraCommand, "Set camera rotation p y r",
        kGame);
    add("dolly_cam_set_fov", &DollyCamPlugin::onCameraCommand, "Set camera FOV", kGame);
    add("dolly_cam_set_frame", &DollyCamPlugin::onCameraCommand, "Jump to replay frame", kGame);
    add("dolly_snapshot_list", &DollyCamPlugin::onSnapshotCommand, "List all snapshots", 0);
    add("dolly_snapshot_info", &DollyCamPlugin::onSnapshotCommand, "Show snapshot info", 0);
    add("dolly_snapshot_override", &DollyCamPlugin::onSnapshotCommand, "Override snapshot", kGame);
    add("dolly_snapshot_delete", &DollyCamPlugin::onSnapshotCommand, "Delete snapshot by index",
        kGame);
    add("dolly_snapshot_select", &DollyCamPlugin::onSnapshotSelectCommand,
        "Select snapshot for edit", kGame);
    add("dolly_bezier_weight", &DollyCamPlugin::onBezierWeightCommand, "Set bezier weight", 0);
    add("dolly_path_mirror", &DollyCamPlugin::onPathToolCommand,
        "Mirror path: dolly_path_mirror axis(0-2) [mirrorRot(0/1)]", 0);
    add("dolly_path_offset", &DollyCamPlugin::onPathToolCommand,
        "Offset path: dolly_path_offset x y z", 0);
    add("dolly_path_scale", &DollyCamPlugin::onPathToolCommand,
        "Scale path from origin: dolly_path_scale factor", 0);
    add("dolly_path_rotate", &DollyCamPlugin::onPathToolCommand,
        "Rotate path: dolly_path_rotate rx ry rz (degrees)", 0);
    add("dolly_path_reverse", &DollyCamPlugin::onPathToolCommand, "Reverse path direction", 0);
    add("dolly_path_smooth", &DollyCamPlugin::onPathToolCommand, "Apply one smoothing pass to path",
        0);
    add("dolly_preset_save", &DollyCamPlugin::onPresetCommand,
        "Save preset: dolly_preset_save name [tag1,tag2]", 0);
    add("dolly_preset_load", &DollyCamPlugin::onPresetCommand,
        "Load preset: dolly_preset_load name", 0);
    add("dolly_preset_delete", &DollyCamPlugin::onPresetCommand,
        "Delete preset: dolly_preset_delete name", 0);
    add("dolly_preset_list", &DollyCamPlugin::onPresetCommand, "List all saved presets", 0);
    add("dolly_undo", &DollyCamPlugin::onHistoryCommand, "Undo the last change to the path", 0);
    add("dolly_redo", &DollyCamPlugin::onHistoryCommand, "Redo the last undone change to the path",
        0);
    add("dolly_record_start", &DollyCamPlugin::onRecordCommand,
        "Record the camera playback flies: dolly_record_start file(.gltf/.glb/.chan/.csv)", kGame);
    add("dolly_record_stop", &DollyCamPlugin::onRecordCommand,
        "Stop recording and save the frames: dolly_record_stop [file]", kGame);
    add("dolly_export", &DollyCamPlugin::onExportCommand,
        "Export the path's flight: dolly_export file(.gltf/.glb/.chan/.csv)", 0);
}
