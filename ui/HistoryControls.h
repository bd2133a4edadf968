#pragma once
// The settings window's undo and redo: "Undo" and "Redo" on the header line, each disabled
// when there is nothing to take back or bring back and naming its step in a tooltip, and the
// keys Ctrl+Z (undo), Ctrl+Y and Ctrl+Shift+Z (redo) while the window has the focus.

#include "ui/WindowContext.h"

// On the line of the waypoint count, after it.
void DrawHistoryButtons(WindowContext& ctx);
// Inside the window, once a frame. A text field being typed in keeps the keys for its own
// editing.
void HandleHistoryKeys(WindowContext& ctx);
