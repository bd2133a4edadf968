#pragma once
// The settings window: its theme, its header line, the automatic interpolation modes and the
// four collapsing sections that hold the panels (ui/Panels.h).

#include "ui/WindowContext.h"

struct ImGuiStyle;

// The host's menu name of the window ("togglemenu dollycam") and its title.
inline constexpr const char* kWindowMenuName = "dollycam";
inline constexpr const char* kWindowTitle = "Quorvel";

// Draws one frame of the window into the current ImGui context. When the window's own close
// button was pressed, asks the host to close its menu too.
void DrawSettingsWindow(WindowContext& ctx);

// Rounding, padding, spacing and the colour scheme; every other entry keeps its value.
void ApplyWindowTheme(ImGuiStyle& style);
