#pragma once
// Drags whose value can also be typed (Ctrl+click): typed text such as "inf" or "nan" reaches
// the value as a number that is not finite. These drags refuse such a value and keep the one
// they had. A drag with a range keeps typed values within it too.

// ImGui::DragFloat with that guard; true when the value changed.
bool DragFiniteFloat(const char* label, float* value, float speed, float min, float max,
                     const char* format);
