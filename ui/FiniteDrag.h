#pragma once
// Drags whose value can also be typed (Ctrl+click). Typed text such as "1e39", or "*1e39" on a
// value of 0, reaches the value as a number that is not finite; these drags refuse it and keep
// the value they had, and the caller reports the refusal. A drag with a range keeps typed
// values within it too.
//
// While a typed text is being edited ImGui offers its value again every frame, so a refusal
// is reported once per edit of a drag (from its activation to its release), not once a frame.

#include <imgui.h>

enum class DragEdit {
    None,
    Changed,
    Refused, // first refusal in this edit; later ones come back as None
};

// ImGui::DragFloat with that guard.
DragEdit DragFiniteFloat(const char* label, float* value, float speed, float min, float max,
                         const char* format);

// The ID of the item drawn last, to name the drag whose edit a caller refused.
ImGuiID LastItemId();

// Whether a refusal of the drag's current edit was reported, and marking it so; the mark
// lasts until the drag is released.
bool RefusalReported(ImGuiID drag);
void MarkRefusalReported(ImGuiID drag);
