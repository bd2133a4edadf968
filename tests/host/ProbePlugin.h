#pragma once
// What the host's tests share: the probe plugin's record and a file reader.
//
// The probe (ProbePlugin.cpp) uses the host as a real plugin does.
// Variables, all saved but probe_fail:
//   probe_int    "5" in [0, 20]; two handlers log "probe_int: OLD -> NEW", then "probe_int again"
//   probe_follow "0" in [0, 1]; while on, every UpdatePOV in a replay puts the camera 1000
//                units behind the ball (-Y) and 300 above it, FOV 75
//   probe_fail   "draw", "pov" or "change" makes the drawable, the hook or probe_int's first
//                handler throw
// Commands: probe_echo (logs its words joined by '|'; permission byte 0x40), probe_state (what
// the wrappers report), probe_throw, probe_recurse (runs itself without end).
// InitGame logs "event InitGame" and registers a drawable (colour, position, the label "ball"
// at the projected ball, a line to it from the centre, a box); the HUD's Destroyed logs
// "event Destroyed" and unregisters it. The window "probe" logs "window opened" / "closed".

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "corvane/plugin/PluginRecord.h"

extern "C" const Corvane::Plugin::PluginRecord exports;

// Set by a test before loading: onLoad throws after logging "probe loaded".
inline bool probeThrowInOnLoad = false;

inline std::string ReadText(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}
