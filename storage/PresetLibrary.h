#pragma once
// The engine's preset library: the DollyCam members (defined in PresetLibrary.cpp) answer
// true or false; these functions give the console commands the finer outcome, so that a
// failure already reported is not followed by a second line.

#include <string>
#include <vector>

#include "core/DollyCam.h"
#include "storage/PresetStore.h"

// The store over the engine's preset folder and presetIndex, logging on its console.
PresetStore MakePresetStore(DollyCam& dollyCam);

PresetResult SaveDollyPreset(DollyCam& dollyCam, const std::string& name,
                             const std::vector<std::string>& tags);
// On success the path is replaced and both strategies are rebuilt.
PresetResult LoadDollyPreset(DollyCam& dollyCam, const std::string& name);
PresetResult DeleteDollyPreset(DollyCam& dollyCam, const std::string& name);
