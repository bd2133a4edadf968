#pragma once
// What the host's tests share: the probe plugin's record and a file reader.
//
// The probe (ProbePlugin.cpp) uses the host as a real plugin does.
// Variables, all saved but probe_fail:
//   probe_int    "5" in [0, 20]; two handlers log "probe_int: OLD -> NEW", then "probe_int again"
//   probe_follow "0" in [0, 1]; while on, every UpdatePOV in a replay puts the camera 1000
//                units behind the ball (-Y) and 300 above it, FOV 75
//   probe_fail   "draw", "pov", "change" or "window" makes the drawable, the hook, probe_int's
//                first handler or DrawWindow (inside its window) throw; "unbalanced" makes
//                DrawWindow leave its window without End
// Not saved:
//   probe_input  "0"; while 1 the drawable logs the ImGui IO it reads through the context the
//                host handed over (InputLine in ProbePlugin.cpp)
//   probe_marks  "0"; while 1 the drawable also draws marks in opaque colours: a green line
//                (100, 600) -> (300, 600) without width, a magenta one (100, 650) -> (300, 650)
//                of width 6, a blue box 50 x 40 at (1000, 100), yellow "probe" at (1000, 300)
//                scaled 2 across and 1 up
//   probe_close  "0"; while 1 DrawWindow types "togglemenu probe" after drawing the window
//   probe_widgets "0"; while 1 DrawWindow also draws the window "Widgets" (ProbeWidgets.h);
//                its close button logs "widgets closed" and sets probe_widgets to 0
//   probe_block  "0"; the window's answer to WantsInputBlocked
// Commands: probe_echo (logs its words joined by '|'; permission byte 0x40), probe_state (what
// the wrappers report), probe_values (the Widgets window's values, ProbeWidgets.h), probe_throw,
// probe_recurse (runs itself without end), probe_imgui
// ("imgui context=ADDRESS adoptions=N": its current ImGui context and how many times the host
// handed one over).
// InitGame logs "event InitGame" and registers a drawable (colour, position, the label "ball"
// at the projected ball, a line to it from the centre, a box); the HUD's Destroyed logs
// "event Destroyed" and unregisters it. The window "probe" logs "window opened" / "closed";
// while open it draws the ImGui window "Probe" with one line of text, placed and sized below.

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "corvane/plugin/PluginRecord.h"

extern "C" const Corvane::Plugin::PluginRecord exports;

// Set by a test before loading: onLoad throws after logging "probe loaded".
inline bool probeThrowInOnLoad = false;

// The probe's ImGui window, in canvas pixels: it covers the lower right of the blue box of
// probe_marks.
inline constexpr float kProbeWindowX = 1020.0f;
inline constexpr float kProbeWindowY = 120.0f;
inline constexpr float kProbeWindowWidth = 200.0f;
inline constexpr float kProbeWindowHeight = 100.0f;

inline std::string ReadText(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}
