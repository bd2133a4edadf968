#pragma once
// Drags whose value can also be typed (Ctrl+click). Typed text such as "1e39", or "*1e39" on a
// value of 0, reaches the value as a number that is not finite; these drags refuse it and keep
// the value they had, and the caller reports the refusal. A drag with a range keeps typed
// values within it too.

enum class DragEdit { None, Changed, Refused };

// ImGui::DragFloat with that guard.
DragEdit DragFiniteFloat(const char* label, float* value, float speed, float min, float max,
                         const char* format);
