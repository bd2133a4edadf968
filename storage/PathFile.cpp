// DollyCam's path-file operations: the engine's side of dolly_path_save and dolly_path_load.

#include "core/DollyCam.h"
#include "storage/PathStore.h"

void DollyCam::SavePath(const std::string& directory, const std::string& filename) {
    const std::filesystem::path file =
        ResolvePathFile(directory, gameWrapper->GetDataFolder(), filename);
    std::string error;
    if (!WritePathFile(file, *snapshots, error))
        cvarManager->log(SaveFailureMessage(file, error));
}

void DollyCam::LoadPath(const std::string& directory, const std::string& filename) {
    const std::filesystem::path file =
        ResolvePathFile(directory, gameWrapper->GetDataFolder(), filename);
    SnapshotMap loaded;
    const PathReadResult result = ReadPathFile(file, loaded);
    if (result.status != PathReadStatus::Loaded) {
        cvarManager->log(result.message);
        return;
    }
    // The map object itself stays: strategies and panels hold the same shared pointer.
    *snapshots = std::move(loaded);
    UpdateLocationStrategy();
    UpdateRotationStrategy();
    if (!result.message.empty())
        cvarManager->log(result.message);
}
