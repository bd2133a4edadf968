#include "tests/host/ProbePlugin.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <stdexcept>
#include <vector>

namespace {

const char* const kInitGame = "Function TAGame.GameInfo_Replay_TA.InitGame";
const char* const kHudDestroyed = "Function TAGame.GFxHUD_Replay_TA.Destroyed";
const char* const kUpdatePov = "Function TAGame.CameraState_Replay_TA.UpdatePOV";

std::string Join(const std::vector<std::string>& words, size_t first, const char* separator) {
    std::string joined;
    for (size_t i = first; i < words.size(); ++i)
        joined += (i > first ? separator : "") + words[i];
    return joined;
}

} // namespace

void ProbePlugin::onLoad() {
    cvarManager->log("probe loaded");
    if (ProbeOptions::throwInOnLoad)
        throw std::runtime_error("probe onLoad failure");
    RegisterVariables();
    RegisterCommands();
    HookEvents();
}

void ProbePlugin::onUnload() {
    cvarManager->log("probe unloaded");
}

void ProbePlugin::RegisterVariables() {
    CVarWrapper number =
        cvarManager->registerCvar("probe_int", "5", "An int", true, true, 0.0f, true, 20.0f);
    number.addOnValueChanged([this](const std::string& old, CVarWrapper cvar) {
        if (Failing("change"))
            throw std::runtime_error("probe change failure");
        cvarManager->log("probe_int: " + old + " -> " + cvar.getStringValue());
    });
    number.addOnValueChanged(
        [this](std::string, CVarWrapper) { cvarManager->log("probe_int again"); });
    cvarManager->registerCvar("probe_ratio", "0.5", "A ratio", true, true, 0.1f, true, 2.0f);
    cvarManager->registerCvar("probe_text", "", "A text").bindTo(text);
    CVarWrapper flagVariable =
        cvarManager->registerCvar("probe_flag", "1", "A flag", true, true, 0.0f, true, 1.0f);
    flagVariable.bindTo(flag);
    flagVariable.addOnValueChanged([this](std::string, CVarWrapper) {
        cvarManager->log(std::string("probe_flag bound=") + (*flag ? "1" : "0"));
    });
    cvarManager->registerCvar("probe_follow", "0", "Follow the ball", true, true, 0.0f, true, 1.0f);
    cvarManager
        ->registerCvar("probe_fail", "", "Where to fail", true, false, 0.0f, false, 0.0f, false)
        .bindTo(failWhere);
}

void ProbePlugin::RegisterCommands() {
    cvarManager->registerNotifier(
        "probe_echo",
        [this](const std::vector<std::string>& words) { cvarManager->log(Join(words, 0, "|")); },
        "Echo", 0);
    cvarManager->registerNotifier(
        "probe_run",
        [this](const std::vector<std::string>& words) {
            cvarManager->executeCommand(Join(words, 1, " "), false);
        },
        "Run", 0x40);
    cvarManager->registerNotifier(
        "probe_set",
        [this](const std::vector<std::string>& words) {
            if (words.size() >= 3)
                cvarManager->getCvar(words[1]).setValue(words[2]);
        },
        "Set", 0);
    cvarManager->registerNotifier(
        "probe_state", [this](std::vector<std::string>) { cvarManager->log(StateLine()); }, "State",
        0);
    cvarManager->registerNotifier(
        "probe_skip",
        [this](const std::vector<std::string>& words) {
            gameWrapper->GetGameEventAsReplay().SkipToFrame(std::stoi(words.at(1)));
        },
        "Skip", 0);
    cvarManager->registerNotifier(
        "probe_nan",
        [this](std::vector<std::string>) {
            const float nan = std::numeric_limits<float>::quiet_NaN();
            gameWrapper->GetCamera().SetLocation(Vector(nan, 0.0f, 0.0f));
        },
        "NaN", 0);
    cvarManager->registerNotifier(
        "probe_throw", [](std::vector<std::string>) { throw std::runtime_error("probe failure"); },
        "Throw", 0);
    cvarManager->registerNotifier(
        "probe_recurse",
        [this](std::vector<std::string>) { cvarManager->executeCommand("probe_recurse"); },
        "Recurse", 0);
}

void ProbePlugin::HookEvents() {
    gameWrapper->HookEvent(kInitGame, [this](std::string) {
        cvarManager->log("event InitGame");
        gameWrapper->RegisterDrawable([this](CanvasWrapper canvas) { Render(canvas); });
    });
    gameWrapper->HookEvent(kHudDestroyed, [this](std::string) {
        cvarManager->log("event Destroyed");
        gameWrapper->UnregisterDrawables();
    });
    gameWrapper->HookEvent(kUpdatePov, [this](std::string) { OnUpdatePov(); });
}

void ProbePlugin::OnUpdatePov() {
    if (Failing("pov"))
        throw std::runtime_error("probe pov failure");
    if (!cvarManager->getCvar("probe_follow").getBoolValue())
        return;
    ServerWrapper server = gameWrapper->IsInReplay() ? gameWrapper->GetGameEventAsReplay()
                                                     : gameWrapper->GetGameEventAsServer();
    const Vector ball = server.GetBall().GetLocation();
    gameWrapper->GetCamera().SetPOV(POV{ball + Vector(0.0f, -1000.0f, 300.0f), Rotator(), 75.0f});
}

void ProbePlugin::Render(CanvasWrapper canvas) {
    if (Failing("draw"))
        throw std::runtime_error("probe draw failure");
    ReplayServerWrapper replay = gameWrapper->GetGameEventAsReplay();
    const Vector2 ball = canvas.Project(replay.GetBall().GetLocation());
    const Vector2 size = canvas.GetSize();
    canvas.SetColor(255, 128, 0, 200);
    canvas.SetPosition(ball);
    canvas.DrawString("ball");
    canvas.DrawLine(Vector2(size.X / 2, size.Y / 2), ball, 2.0f);
    canvas.FillBox(Vector2(4, 4));
}

std::string ProbePlugin::StateLine() const {
    CameraWrapper camera = gameWrapper->GetCamera();
    ReplayServerWrapper replay = gameWrapper->GetGameEventAsReplay();
    ServerWrapper game = gameWrapper->GetGameEventAsServer();
    ServerWrapper server = replay.IsNull() ? game : replay;
    char line[512];
    std::snprintf(line, sizeof line,
                  "replay=%d game=%d camera=%d state=%s frame=%d director=%d fps=%d time=%.4f "
                  "clock=%.4f cars=%d",
                  gameWrapper->IsInReplay(), gameWrapper->IsInGame(), !camera.IsNull(),
                  camera.GetCameraState().c_str(), replay.GetCurrentReplayFrame(),
                  server.GetReplayDirector().GetReplay().GetCurrentFrame(), replay.GetReplayFPS(),
                  double(replay.GetReplayTimeElapsed()), double(server.GetSecondsElapsed()),
                  server.GetCars().Count());
    return line;
}

void ProbePlugin::WindowOpened() {
    cvarManager->log("window opened");
}

void ProbePlugin::WindowClosed() {
    cvarManager->log("window closed");
}
