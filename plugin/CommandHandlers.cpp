// Console-command entry points: each hands the typed words to its family in tools/.

#include "plugin/DollyCamPlugin.h"
#include "tools/PathCommands.h"
#include "tools/SnapshotCommands.h"

void DollyCamPlugin::onCameraCommand(std::vector<std::string> params) {
    RunCameraCommand(commandContext, params);
}

void DollyCamPlugin::onReplayInfoCommand(std::vector<std::string> params) {
    RunReplayInfoCommand(commandContext, params);
}

void DollyCamPlugin::onDollyCommand(std::vector<std::string> params) {
    RunDollyCommand(commandContext, params);
}

void DollyCamPlugin::onSnapshotCommand(std::vector<std::string> params) {
    RunSnapshotCommand(commandContext, params);
}

void DollyCamPlugin::onSnapshotSelectCommand(std::vector<std::string>) {
    // Selection happens in the settings window; the console command has no effect.
}

void DollyCamPlugin::onBezierWeightCommand(std::vector<std::string> params) {
    RunBezierWeightCommand(commandContext, params);
}

void DollyCamPlugin::onPathCommand(std::vector<std::string> params) {
    RunPathCommand(commandContext, params);
}

void DollyCamPlugin::onPathToolCommand(std::vector<std::string> params) {
    RunPathToolCommand(commandContext, params);
}

void DollyCamPlugin::onPresetCommand(std::vector<std::string> params) {
    RunPresetCommand(commandContext, params);
}
