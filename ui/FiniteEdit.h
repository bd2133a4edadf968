#pragma once
// Values typed into the window's sliders and drags are not clamped, and a typed number too
// large for a float (1e39) arrives as infinity: such an edit is refused with this one line.

inline constexpr const char* kNotFiniteEditMessage = "Edit refused: not a finite number";
