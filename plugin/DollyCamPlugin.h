#pragma once
// The plugin object the host creates: it owns the path engine, registers every console
// variable and command, hooks the replay's events, and drives playback once per frame while
// the replay free-fly camera is in use.
//
// Definitions by subject:
//   plugin/DollyCamPlugin.cpp      lifecycle, hooks, Render, IsInFlycam
//   plugin/Registration.cpp        the variable and command tables
//   plugin/VariableHandlers.cpp    value-changed handlers
//   plugin/CommandHandlers.cpp     console-command entry points
//   plugin/PluginWindowSlots.cpp   the settings window's host interface
//   plugin/OverlaySteps.cpp        Render's overlay steps and the orbit view's switch
//   plugin/HistorySteps.cpp        undo and redo, and where path changes become steps

#include <memory>
#include <string>
#include <vector>

#include "core/DollyCam.h"
#include "core/PathHistory.h"
#include "corvane/plugin/CorvanePlugin.h"
#include "corvane/plugin/PluginWindow.h"
#include "export/ExportCommands.h"
#include "overlay/HandleGizmo.h"
#include "overlay/OrbitView.h"
#include "overlay/ReferenceShape.h"
#include "tools/CommandContext.h"
#include "ui/WindowContext.h"

class DollyCamPlugin final : public Corvane::Plugin::CorvanePlugin,
                             public Corvane::Plugin::PluginWindow {
public:
    void onLoad() override;

    // True only in a replay or a game, with a camera whose state is exactly the replay
    // free-fly state "CameraState_ReplayFly_TA".
    bool IsInFlycam();

    // --- Hooks and the drawable ------------------------------------------------------------
    void onCameraUpdatePOV(std::string eventName);
    void onReplayInitGame(std::string eventName);
    void onReplayHudDestroyed(std::string eventName);
    void Render(CanvasWrapper canvas);

    // --- Overlay, drawn by Render after playback ---------------------------------------------
    void RenderShapes(CanvasWrapper canvas);
    // Only while dolly_render is on.
    void RenderGizmo(CanvasWrapper canvas);
    // Only while the orbit view is on; it sets the camera last in the frame.
    void UpdateOrbitCamera();
    // Switches the orbit view on around target (world units) at distance (world units), with
    // yaw and pitch in radians; values that are not finite numbers are refused with one line.
    void StartOrbit(Vector target, float distance, float yaw, float pitch);

    // --- Console commands --------------------------------------------------------------------
    void onCameraCommand(const std::vector<std::string>& params);
    void onReplayInfoCommand(const std::vector<std::string>& params);
    void onDollyCommand(const std::vector<std::string>& params);
    void onSnapshotCommand(const std::vector<std::string>& params);
    void onSnapshotSelectCommand(const std::vector<std::string>& params);
    void onBezierWeightCommand(const std::vector<std::string>& params);
    void onPathCommand(const std::vector<std::string>& params);
    void onPathToolCommand(const std::vector<std::string>& params);
    void onPresetCommand(const std::vector<std::string>& params);
    // dolly_undo and dolly_redo.
    void onHistoryCommand(const std::vector<std::string>& params);

    // --- Undo and redo (plugin/HistorySteps.cpp) ---------------------------------------------
    // Puts back the path and selection before the newest step (or after the next redo step),
    // rebuilds both strategies and says what it did in one console line.
    void StepHistory(HistoryStep step);
    // Ends the change under way as one step, unless a gesture is still under way: a widget of
    // the settings window or a gizmo drag held with the left button.
    void CheckpointHistoryUnlessHeld();
    void onRecordCommand(const std::vector<std::string>& params);
    void onExportCommand(const std::vector<std::string>& params);

    // --- Variable handlers (old value text, the changed variable) ---------------------------
    void onInterpModeChanged(std::string oldValue, CVarWrapper cvar);
    void onRenderFrameChanged(std::string oldValue, CVarWrapper cvar);
    void onChaikinDegreeChanged(std::string oldValue, CVarWrapper cvar);
    void onLockTargetChanged(std::string oldValue, CVarWrapper cvar);
    void onSoftFollowChanged(std::string oldValue, CVarWrapper cvar);
    void onFrameShiftChanged(std::string oldValue, CVarWrapper cvar);
    void onSpeedNormChanged(std::string oldValue, CVarWrapper cvar);
    void onSplineAccuracyChanged(std::string oldValue, CVarWrapper cvar);

    // --- Settings window ---------------------------------------------------------------------
    void DrawWindow() override;
    std::string WindowMenuName() override;
    std::string WindowMenuTitle() override;
    void AdoptImGuiContext(std::uintptr_t context) override;
    bool WantsInputBlocked() override;
    bool IsOverlayActive() override;
    void WindowOpened() override;
    void WindowClosed() override;

    // --- State ---------------------------------------------------------------------------------
    std::shared_ptr<DollyCam> dollyCam;
    std::shared_ptr<bool> renderPathFlag;       // bound to dolly_render
    std::shared_ptr<std::string> pathDirectory; // bound to dolly_path_directory
    bool isWindowOpen = true;
    bool blockGameInput = false;
    int autoModeWaypointCount = -1;
    // The frame of the waypoint being edited in the settings window; -1 none.
    int selectedFrame = -1;
    // In creation order; not saved with paths or presets.
    std::vector<ReferenceShape> referenceShapes;
    // The gizmo's drag state and the per-waypoint floor locks.
    HandleGizmo gizmo;
    // Off, around the origin, 800 away, yaw 0, pitch 0.5.
    OrbitView orbitView;
    // The settings window's remembered control values and the timeline's drag.
    PanelState panels;
    // The path tools' controls and the live transforms' baseline.
    PathToolsState pathTools;
    // Every change to the path, as steps to undo and redo.
    PathHistory history;
    // A widget of the settings window was held at the end of its last frame (a drag, a
    // slider, a typed field, the timeline): its changes are not a step yet.
    bool windowGestureHeld = false;

private:
    void RegisterVariables();
    void RegisterCommands();
    CommandContext MakeCommandContext();
    // Runs a console command as one step named after it (plugin/HistorySteps.cpp).
    void RunCommandAsStep(const std::vector<std::string>& params,
                          void (DollyCamPlugin::*member)(const std::vector<std::string>&));
    WindowContext MakeWindowContext();
    // Runs a host-called body behind the exception guard.
    void Guarded(const char* entryPoint, const std::function<void()>& body);

    CommandContext commandContext;
    // Stands between playback and the game camera, recording when asked (export/).
    ExportContext exportContext;
};
