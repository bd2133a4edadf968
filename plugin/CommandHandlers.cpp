// Console-command entry points: each hands the typed words to its family in tools/.

#include "plugin/DollyCamPlugin.h"
#include "tools/PathCommands.h"
#include "tools/SnapshotCommands.h"

void DollyCamPlugin::onCameraCommand(const std::vector<std::string>& params) {
    RunCameraCommand(commandContext, params);
}

void DollyCamPlugin::onReplayInfoCommand(const std::vector<std::string>& params) {
    RunReplayInfoCommand(commandContext, params);
}

void DollyCamPlugin::onDollyCommand(const std::vector<std::string>& params) {
    RunDollyCommand(commandContext, params);
}

void DollyCamPlugin::onSnapshotCommand(const std::vector<std::string>& params) {
    RunSnapshotCommand(commandContext, params);
}

void DollyCamPlugin::onSnapshotSelectCommand(const std::vector<std::string>& params) {
    RunSnapshotSelectCommand(commandContext, params, selectedFrame);
}

void DollyCamPlugin::onBezierWeightCommand(const std::vector<std::string>& params) {
    RunBezierWeightCommand(commandContext, params);
}

void DollyCamPlugin::onPathCommand(const std::vector<std::string>& params) {
    RunPathCommand(commandContext, params);
}

void DollyCamPlugin::onPathToolCommand(const std::vector<std::string>& params) {
    RunPathToolCommand(commandContext, params);
}

void DollyCamPlugin::onRecordCommand(const std::vector<std::string>& params) {
    RunRecordCommand(exportContext, params);
}

void DollyCamPlugin::onExportCommand(const std::vector<std::string>& params) {
    RunExportCommand(exportContext, params);
}

void DollyCamPlugin::onPresetCommand(const std::vector<std::string>& params) {
    RunPresetCommand(commandContext, params);
}
