#include "plugin/DollyCamPlugin.h"

#include "corvane/plugin/PluginRecord.h"

#include "plugin/EntryGuard.h"
#include "plugin/RealGameApplier.h"

namespace {

constexpr const char* kFlycamState = "CameraState_ReplayFly_TA";
constexpr const char* kUpdatePovEvent = "Function TAGame.CameraState_Replay_TA.UpdatePOV";
constexpr const char* kInitGameEvent = "Function TAGame.GameInfo_Replay_TA.InitGame";
constexpr const char* kHudDestroyedEvent = "Function TAGame.GFxHUD_Replay_TA.Destroyed";

} // namespace

CORVANE_PLUGIN_RECORD(DollyCamPlugin, "dollycamplugin", "Quorvel", "1.0",
                      Corvane::Plugin::kPluginTypeSpectator | Corvane::Plugin::kPluginTypeReplay);

void DollyCamPlugin::Guarded(const char* entryPoint, const std::function<void()>& body) {
    RunGuarded(cvarManager.get(), entryPoint, body);
}

void DollyCamPlugin::onLoad() {
    Guarded("onLoad", [this] {
        cvarManager->registerCvar("cl_dollycam_settings_open", "0", "Open DollyCam settings", true,
                                  true, 0.0f, true, 1.0f, true);
        auto camera = std::make_shared<RealGameApplier>(gameWrapper);
        auto recorder = std::make_shared<TrackRecorder>(camera, gameWrapper);
        dollyCam = std::make_shared<DollyCam>(gameWrapper, cvarManager, recorder);
        dollyCam->splineAccuracy = std::make_shared<int>(0); // set with its variable
        renderPathFlag = std::make_shared<bool>(true);
        pathDirectory = std::make_shared<std::string>("");
        commandContext = MakeCommandContext();
        exportContext = {commandContext, recorder, std::make_shared<Vector2>(1280, 720)};

        gameWrapper->HookEvent(kUpdatePovEvent,
                               [this](std::string name) { onCameraUpdatePOV(std::move(name)); });
        gameWrapper->HookEvent(kInitGameEvent,
                               [this](std::string name) { onReplayInitGame(std::move(name)); });
        gameWrapper->HookEvent(kHudDestroyedEvent,
                               [this](std::string name) { onReplayHudDestroyed(std::move(name)); });

        RegisterVariables();
        RegisterCommands();

        dollyCam->showPath = *renderPathFlag;
        dollyCam->showFrameNumbers = true;
    });
}

CommandContext DollyCamPlugin::MakeCommandContext() {
    CommandContext context;
    context.dollyCam = dollyCam;
    context.cvarManager = cvarManager;
    context.gameWrapper = gameWrapper;
    context.pathDirectory = pathDirectory;
    context.isInFlycam = [this] {
        return IsInFlycam();
    };
    return context;
}

bool DollyCamPlugin::IsInFlycam() {
    if (!gameWrapper->IsInReplay() && !gameWrapper->IsInGame())
        return false;
    CameraWrapper camera = gameWrapper->GetCamera();
    if (camera.IsNull())
        return false;
    return camera.GetCameraState() == kFlycamState;
}

void DollyCamPlugin::onCameraUpdatePOV(std::string) {
    Guarded("onCameraUpdatePOV", [this] {
        if (IsInFlycam() && dollyCam->isActive)
            dollyCam->Apply();
    });
}

void DollyCamPlugin::onReplayInitGame(std::string) {
    Guarded("onReplayInitGame", [this] {
        gameWrapper->RegisterDrawable([this](CanvasWrapper canvas) { Render(canvas); });
    });
}

void DollyCamPlugin::onReplayHudDestroyed(std::string) {
    Guarded("onReplayHudDestroyed", [this] {
        gameWrapper->UnregisterDrawables();
        EndRecordingOnLeave(exportContext);
        // Leaving the replay ends the orbit view; the next replay starts without it.
        orbitView.orbiting = false;
    });
}

void DollyCamPlugin::Render(CanvasWrapper canvas) {
    Guarded("Render", [&] {
        if (!IsInFlycam())
            return;
        *exportContext.canvasSize = canvas.GetSize();
        // Playback runs here as well as from the camera hook, so the pose drawn this frame
        // is the one just evaluated.
        if (dollyCam->isActive)
            dollyCam->Apply();
        if (*renderPathFlag)
            dollyCam->RenderPath(canvas);
        RenderShapes(canvas);
        RenderGizmo(canvas);
        if (orbitView.orbiting)
            UpdateOrbitCamera();
    });
}
