#pragma once
// What the settings window's panels work with: the path engine, the host's console and game,
// and the plugin state the window shares with the overlay (selection, floor locks, orbit view,
// reference shapes). The plugin builds one for every frame it draws the window.
//
// Every change a panel makes to the path is followed by RebuildBothStrategies, and named in
// the history.

#include <functional>
#include <vector>

#include "core/DollyCam.h"
#include "core/PathHistory.h"
#include "corvane/wrappers/CVarManagerWrapper.h"
#include "corvane/wrappers/GameWrapper.h"
#include "overlay/HandleGizmo.h"
#include "overlay/OrbitView.h"
#include "overlay/ReferenceShape.h"
#include "ui/PanelState.h"
#include "ui/PathToolsState.h"

struct WindowContext {
    DollyCam& dollyCam;
    CVarManagerWrapper& cvarManager;
    GameWrapper& gameWrapper;
    // The frame of the selected waypoint; -1 none. It may name a frame that no longer exists.
    int& selectedFrame;
    // The waypoint count at the window's last automatic mode choice; -1 none yet.
    int& autoModeWaypointCount;
    OrbitView& orbitView;
    HandleGizmo& gizmo;
    std::vector<ReferenceShape>& referenceShapes;
    PanelState& panels;
    PathToolsState& pathTools;
    // The window's open flag, cleared by its close button.
    bool& isWindowOpen;
    // The answer to the host's input-blocking query, refreshed every drawn frame.
    bool& blockGameInput;
    // The path's undo history. A panel names each change it makes to the path (the first
    // name of a gesture stands); the plugin ends the step when no widget is held.
    PathHistory& history;
    // Undoes or redoes one step, as dolly_undo and dolly_redo do.
    std::function<void(HistoryStep)> stepHistory;
};

// The strategies hold their own copy of the path: location first, then rotation.
void RebuildBothStrategies(DollyCam& dollyCam);
