#include "storage/PresetLibrary.h"

#include <memory>
#include <utility>

PresetStore MakePresetStore(DollyCam& dollyCam) {
    std::shared_ptr<CVarManagerWrapper> console = dollyCam.cvarManager;
    return PresetStore(dollyCam.GetPresetDirectory(), dollyCam.presetIndex,
                       [console](const std::string& line) { console->log(line); });
}

PresetResult SaveDollyPreset(DollyCam& dollyCam, const std::string& name,
                             const std::vector<std::string>& tags) {
    return MakePresetStore(dollyCam).Save(name, tags, *dollyCam.snapshots);
}

PresetResult LoadDollyPreset(DollyCam& dollyCam, const std::string& name) {
    SnapshotMap loaded;
    const PresetResult result = MakePresetStore(dollyCam).Load(name, loaded);
    if (result == PresetResult::Done) {
        *dollyCam.snapshots = std::move(loaded);
        dollyCam.UpdateLocationStrategy();
        dollyCam.UpdateRotationStrategy();
    }
    return result;
}

PresetResult DeleteDollyPreset(DollyCam& dollyCam, const std::string& name) {
    return MakePresetStore(dollyCam).Delete(name);
}

// --- DollyCam members ------------------------------------------------------------------------

// The library stays in the data folder whatever dolly_path_directory says.
std::filesystem::path DollyCam::GetPresetDirectory() {
    return gameWrapper->GetDataFolder() / "campaths" / "presets";
}

void DollyCam::LoadPresetIndex() {
    MakePresetStore(*this).LoadIndex();
}

void DollyCam::SavePresetIndex() {
    MakePresetStore(*this).SaveIndex();
}

bool DollyCam::SavePreset(const std::string& name, const std::vector<std::string>& tags) {
    return SaveDollyPreset(*this, name, tags) == PresetResult::Done;
}

bool DollyCam::LoadPreset(const std::string& name) {
    return LoadDollyPreset(*this, name) == PresetResult::Done;
}

bool DollyCam::DeletePreset(const std::string& name) {
    return DeleteDollyPreset(*this, name) == PresetResult::Done;
}

std::vector<PresetEntry> DollyCam::ListPresets() {
    return presetIndex;
}
