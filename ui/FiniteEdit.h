#pragma once
// Values typed into the window's sliders and drags are not clamped, and a typed number too
// large for a float (1e39) arrives as infinity: such an edit is refused with one console line.
// ImGui applies typed text on the frame it changes and again on Enter, so the line is said
// once per edit, not once per frame.

#include "corvane/wrappers/CVarManagerWrapper.h"

inline constexpr const char* kNotFiniteEditMessage = "Edit refused: not a finite number";

// Once per frame, before the editors: while no widget is being edited, the next refusal
// belongs to a new edit.
void BeginEditRefusals();
// True when `finite`; otherwise false, saying so unless this edit already has.
bool AcceptEdit(CVarManagerWrapper& console, bool finite);
