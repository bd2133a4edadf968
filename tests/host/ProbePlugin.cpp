#include "tests/host/ProbePlugin.h"

#include <imgui.h>

#include <cstdio>
#include <stdexcept>
#include <vector>

#include "corvane/CorvaneSDK.h"
#include "tests/host/ProbeWidgets.h"

using Words = std::vector<std::string>;

class ProbePlugin final : public Corvane::Plugin::CorvanePlugin,
                          public Corvane::Plugin::PluginWindow {
public:
    void onLoad() override {
        cvarManager->log("probe loaded");
        if (probeThrowInOnLoad)
            throw std::runtime_error("probe onLoad failure");
        RegisterVariables();
        RegisterCommands();
        gameWrapper->HookEvent("Function TAGame.GameInfo_Replay_TA.InitGame", [this](std::string) {
            cvarManager->log("event InitGame");
            gameWrapper->RegisterDrawable([this](CanvasWrapper canvas) { Render(canvas); });
        });
        gameWrapper->HookEvent("Function TAGame.GFxHUD_Replay_TA.Destroyed", [this](std::string) {
            cvarManager->log("event Destroyed");
            gameWrapper->UnregisterDrawables();
        });
        gameWrapper->HookEvent("Function TAGame.CameraState_Replay_TA.UpdatePOV",
                               [this](std::string) { OnUpdatePov(); });
    }
    void onUnload() override { cvarManager->log("probe unloaded"); }

    void DrawWindow() override {
        ImGui::SetNextWindowPos(ImVec2(kProbeWindowX, kProbeWindowY), ImGuiCond_Always);
        ImGui::SetNextWindowSize(ImVec2(kProbeWindowWidth, kProbeWindowHeight), ImGuiCond_Always);
        ImGui::Begin("Probe");
        ImGui::Text("probe window");
        Fail("window");
        if (*failWhere != "unbalanced")
            ImGui::End();
        if (*showWidgets)
            DrawWidgets();
        if (*closeFromWindow) // as a window's close button would
            cvarManager->executeCommand("togglemenu probe", false);
    }
    std::string WindowMenuName() override { return "probe"; }
    std::string WindowMenuTitle() override { return "Probe"; }
    void AdoptImGuiContext(std::uintptr_t context) override {
        ImGui::SetCurrentContext(reinterpret_cast<ImGuiContext*>(context));
        ++adoptions;
    }
    bool WantsInputBlocked() override { return *blockInput; }
    bool IsOverlayActive() override { return true; }
    void WindowOpened() override { cvarManager->log("window opened"); }
    void WindowClosed() override { cvarManager->log("window closed"); }

private:
    void DrawWidgets() {
        widgets.Draw();
        if (widgets.open)
            return;
        cvarManager->log("widgets closed");
        cvarManager->executeCommand("probe_widgets 0", false);
        widgets.open = true;
    }

    void Fail(const char* where) const {
        if (*failWhere == where)
            throw std::runtime_error(std::string("probe ") + where + " failure");
    }

    void RegisterVariables() {
        CVarWrapper number =
            cvarManager->registerCvar("probe_int", "5", "An int", true, true, 0.0f, true, 20.0f);
        number.addOnValueChanged([this](const std::string& old, CVarWrapper cvar) {
            Fail("change");
            cvarManager->log("probe_int: " + old + " -> " + cvar.getStringValue());
        });
        number.addOnValueChanged(
            [this](std::string, CVarWrapper) { cvarManager->log("probe_int again"); });
        cvarManager->registerCvar("probe_follow", "0", "Follow", true, true, 0.0f, true, 1.0f);
        cvarManager->registerCvar("probe_fail", "", "Fail", true, false, 0.0f, false, 0.0f, false)
            .bindTo(failWhere);
        cvarManager->registerCvar("probe_input", "0", "Log input", true, true, 0, true, 1, false)
            .bindTo(logInput);
        cvarManager->registerCvar("probe_marks", "0", "Draw marks", true, true, 0, true, 1, false)
            .bindTo(drawMarks);
        cvarManager->registerCvar("probe_close", "0", "Close", true, true, 0, true, 1, false)
            .bindTo(closeFromWindow);
        cvarManager->registerCvar("probe_widgets", "0", "Widgets", true, true, 0, true, 1, false)
            .bindTo(showWidgets);
        cvarManager->registerCvar("probe_block", "0", "Block input", true, true, 0, true, 1, false)
            .bindTo(blockInput);
    }

    void Register(const std::string& name, CVarManagerWrapper::NotifierHandler run,
                  unsigned char permissions = 0) {
        cvarManager->registerNotifier(name, std::move(run), name, permissions);
    }

    void RegisterCommands() {
        Register(
            "probe_echo",
            [this](const Words& words) {
                std::string line = words[0];
                for (size_t i = 1; i < words.size(); ++i)
                    line += "|" + words[i];
                cvarManager->log(line);
            },
            0x40);
        Register("probe_state", [this](const Words&) { cvarManager->log(StateLine()); });
        Register("probe_imgui", [this](const Words&) {
            cvarManager->log(
                "imgui context=" +
                std::to_string(reinterpret_cast<std::uintptr_t>(ImGui::GetCurrentContext())) +
                " adoptions=" + std::to_string(adoptions));
        });
        Register("probe_values", [this](const Words&) { cvarManager->log(widgets.ValuesLine()); });
        Register("probe_throw", [](const Words&) { throw std::runtime_error("probe failure"); });
        Register("probe_recurse",
                 [this](const Words&) { cvarManager->executeCommand("probe_recurse"); });
    }

    void OnUpdatePov() {
        Fail("pov");
        if (!gameWrapper->IsInReplay() || !cvarManager->getCvar("probe_follow").getBoolValue())
            return;
        const Vector ball = gameWrapper->GetGameEventAsReplay().GetBall().GetLocation();
        gameWrapper->GetCamera().SetPOV(
            POV{ball + Vector(0.0f, -1000.0f, 300.0f), Rotator(), 75.0f});
    }

    void Render(CanvasWrapper canvas) {
        Fail("draw");
        const Vector2 ball =
            canvas.Project(gameWrapper->GetGameEventAsReplay().GetBall().GetLocation());
        const Vector2 size = canvas.GetSize();
        canvas.SetColor(255, 128, 0, 200);
        canvas.SetPosition(ball);
        canvas.DrawString("ball");
        canvas.DrawLine(Vector2(size.X / 2, size.Y / 2), ball, 2.0f);
        canvas.FillBox(Vector2(4, 4));
        if (*drawMarks)
            DrawMarks(canvas);
        if (*logInput)
            cvarManager->log(InputLine());
    }

    // Marks at known pixels in opaque colours (see ProbePlugin.h).
    static void DrawMarks(CanvasWrapper& canvas) {
        canvas.SetColor(0, 255, 0, 255);
        canvas.DrawLine(Vector2(100, 600), Vector2(300, 600));
        canvas.SetColor(255, 0, 255, 255);
        canvas.DrawLine(Vector2(100, 650), Vector2(300, 650), 6.0f);
        canvas.SetColor(0, 0, 255, 255);
        canvas.SetPosition(Vector2(1000, 100));
        canvas.FillBox(Vector2(50, 40));
        canvas.SetColor(255, 255, 0, 255);
        canvas.SetPosition(Vector2(1000, 300));
        canvas.DrawString("probe", 2.0f, 1.0f);
    }

    // The ImGui IO as the drawables see it, through the context the host handed over.
    static std::string InputLine() {
        if (ImGui::GetCurrentContext() == nullptr)
            return "input without an ImGui context";
        const ImGuiIO& io = ImGui::GetIO();
        char line[256];
        std::snprintf(line, sizeof line,
                      "input pos=%.1f,%.1f down=%d%d%d clicked=%d%d%d wheel=%.1f "
                      "delta=%.1f,%.1f display=%.0fx%.0f dt=%.4f",
                      double(io.MousePos.x), double(io.MousePos.y), io.MouseDown[0],
                      io.MouseDown[1], io.MouseDown[2], io.MouseClicked[0], io.MouseClicked[1],
                      io.MouseClicked[2], double(io.MouseWheel), double(io.MouseDelta.x),
                      double(io.MouseDelta.y), double(io.DisplaySize.x), double(io.DisplaySize.y),
                      double(io.DeltaTime));
        return line;
    }

    std::string StateLine() const {
        CameraWrapper camera = gameWrapper->GetCamera();
        ReplayServerWrapper replay = gameWrapper->GetGameEventAsReplay();
        ServerWrapper server = replay.IsNull() ? gameWrapper->GetGameEventAsServer() : replay;
        char line[512];
        std::snprintf(line, sizeof line,
                      "replay=%d game=%d camera=%d state=%s frame=%d director=%d fps=%d "
                      "time=%.4f clock=%.4f cars=%d",
                      gameWrapper->IsInReplay(), gameWrapper->IsInGame(), !camera.IsNull(),
                      camera.GetCameraState().c_str(), replay.GetCurrentReplayFrame(),
                      server.GetReplayDirector().GetReplay().GetCurrentFrame(),
                      replay.GetReplayFPS(), double(replay.GetReplayTimeElapsed()),
                      double(server.GetSecondsElapsed()), server.GetCars().Count());
        return line;
    }

    std::shared_ptr<std::string> failWhere = std::make_shared<std::string>();
    std::shared_ptr<bool> logInput = std::make_shared<bool>(false);
    std::shared_ptr<bool> drawMarks = std::make_shared<bool>(false);
    std::shared_ptr<bool> closeFromWindow = std::make_shared<bool>(false);
    std::shared_ptr<bool> showWidgets = std::make_shared<bool>(false);
    std::shared_ptr<bool> blockInput = std::make_shared<bool>(false);
    ProbeWidgets widgets;
    int adoptions = 0;
};

CORVANE_PLUGIN_RECORD(ProbePlugin, "probeplugin", "Probe", "1.0",
                      Corvane::Plugin::kPluginTypeReplay);
