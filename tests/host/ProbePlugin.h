#pragma once
// A small plugin that uses every part of the host the way a real plugin does, so the host's
// tests can watch the host from the plugin's side.
//
// Variables (all saved to the configuration unless said otherwise):
//   probe_int   "5" in [0, 20]; two handlers: "probe_int: OLD -> NEW", then "probe_int again"
//   probe_ratio "0.5" in [0.1, 2]
//   probe_text  "" unbounded, bound to a shared string
//   probe_flag  "1" in [0, 1], bound to a shared bool; handler logs "probe_flag bound=B"
//   probe_follow "0" in [0, 1]: while on, every UpdatePOV sets the camera 1000 units behind
//               the ball (-Y) and 300 above it, FOV 75
//   probe_fail  "" unbounded, not saved: "draw", "pov" or "change" makes the drawable, the
//               UpdatePOV hook or probe_int's change handler throw
// Commands:
//   probe_echo ...        logs its words joined by '|', the command name first
//   probe_run LINE...     runs the remaining words, joined by spaces, with executeCommand
//   probe_set NAME VALUE  sets a variable through getCvar / setValue
//   probe_state           logs what the wrappers report about the game (see StateLine)
//   probe_skip N          SkipToFrame(N) on the replay
//   probe_nan             writes a non-finite camera location
//   probe_throw           throws
//   probe_recurse         runs itself again, without end
// Events: InitGame logs "event InitGame" and registers the drawable; the HUD's Destroyed
// logs "event Destroyed" and unregisters it. The drawable projects the ball, then draws a
// coloured label and a line to it from the canvas centre.
// Window: menu name "probe"; WindowOpened / WindowClosed log "window opened" / "closed".

#include <memory>
#include <string>

#include "corvane/CorvaneSDK.h"

struct ProbeOptions {
    // Set by a test before loading: onLoad throws after logging "probe loaded".
    static inline bool throwInOnLoad = false;
};

class ProbePlugin final : public Corvane::Plugin::CorvanePlugin,
                          public Corvane::Plugin::PluginWindow {
public:
    void onLoad() override;
    void onUnload() override;

    void DrawWindow() override {}
    std::string WindowMenuName() override { return "probe"; }
    std::string WindowMenuTitle() override { return "Probe"; }
    void AdoptImGuiContext(std::uintptr_t) override {}
    bool WantsInputBlocked() override { return false; }
    bool IsOverlayActive() override { return true; }
    void WindowOpened() override;
    void WindowClosed() override;

private:
    void RegisterVariables();
    void RegisterCommands();
    void HookEvents();
    void OnUpdatePov();
    void Render(CanvasWrapper canvas);
    std::string StateLine() const;
    bool Failing(const char* where) const { return *failWhere == where; }

    std::shared_ptr<std::string> text = std::make_shared<std::string>();
    std::shared_ptr<bool> flag = std::make_shared<bool>(false);
    std::shared_ptr<std::string> failWhere = std::make_shared<std::string>();
};
