#pragma once
// Values typed into the window's drags and sliders (Ctrl+click) are taken as ImGui parses them:
// text such as "1e39", or "*1e39" on a value of 0, arrives as a number that is not finite. Such
// an edit is refused: the value keeps what it had and the caller says so in one console line.
//
// While a typed text is being edited ImGui offers its value again every frame, and once more on
// Enter, so a refusal is reported once per edit of a widget (from its activation to its
// release), not once a frame. The mark lives in the window's storage under the widget's ID.

#include <imgui.h>

#include "corvane/wrappers/CVarManagerWrapper.h"
#include "corvane/wrappers/WrapperStructs.h"

inline constexpr const char* kNotFiniteEditMessage = "Edit refused: not a finite number";
inline constexpr const char* kOutsideWorldEditMessage =
    "Edit refused: outside the world (30000 units from the origin)";

enum class DragEdit {
    None,
    Changed,
    Refused, // first refusal in this edit; later ones come back as None
};

// One widget's edit, made just before the widget is drawn, in the widget's ID scope. The frame
// that ends an edit may still offer its refused value, so an earlier edit's mark is dropped
// only while the widget is not active.
class WidgetEdit {
public:
    explicit WidgetEdit(const char* label);

    // After the widget: Changed when it changed to a finite value, Refused for the first other
    // change in this edit.
    DragEdit Check(bool changed, bool finite) const;

private:
    ImGuiID id;
};

// True for Changed; says `message` for Refused.
bool AcceptEdit(DragEdit edit, CVarManagerWrapper& console,
                const char* message = kNotFiniteEditMessage);

// ImGui::DragFloat with that guard. A drag with a range (min < max) keeps typed values within
// it too; min == max is ImGui's "no range".
DragEdit DragFiniteFloat(const char* label, float* value, float speed, float min, float max,
                         const char* format);

// What a row of drags did this frame.
struct DragRow {
    bool activated = false;  // one of its drags was grabbed or Ctrl+clicked
    bool changed = false;    // to a finite value
    bool refused = false;    // a typed value was not finite (first refusal of an edit)
    ImGuiID changedDrag = 0; // the drag that changed, to refuse its result once per edit

    // Takes in the drag just drawn.
    void Add(DragEdit edit);
};

// Three guarded drags on one line, 90 pixels each, on x, y and z; labels[k] names the k-th.
DragRow DragFiniteVector(const char* const labels[3], Vector& value, float speed, float min,
                         float max, const char* format);

// Whether a refusal of the widget's current edit was reported, and marking it so, for callers
// that refuse what a change leads to; the mark lasts as WidgetEdit's does.
bool RefusalReported(ImGuiID widget);
void MarkRefusalReported(ImGuiID widget);
