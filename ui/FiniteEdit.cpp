#include "ui/FiniteEdit.h"

#include <imgui.h>

namespace {

// The widget being edited has already had a value refused.
bool refusalReported = false;

} // namespace

void BeginEditRefusals() {
    if (!ImGui::IsAnyItemActive())
        refusalReported = false;
}

bool AcceptEdit(CVarManagerWrapper& console, bool finite) {
    if (finite)
        return true;
    if (!refusalReported)
        console.log(kNotFiniteEditMessage);
    refusalReported = true;
    return false;
}
