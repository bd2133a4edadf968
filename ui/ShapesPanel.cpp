// The "Reference Shapes" section: add, edit and delete the wireframe guides the overlay draws
// in the replay view. Every edit shows in the next rendered frame; nothing is saved.

#include <imgui.h>

#include <cstddef>
#include <cstdio>

#include "ui/FiniteEdit.h"
#include "ui/PanelLook.h"
#include "ui/Panels.h"
#include "ui/ShapeColour.h"

namespace {

// The console line for a typed shape value that was not a finite number.
constexpr const char* kShapeNotFiniteMessage = "Shape not changed: a value would not be finite";

constexpr float kSizeSpeed = 5.0f;      // world units per pixel dragged
constexpr float kSmallestSize = 1.0f;   // world units
constexpr float kLargestSize = 5000.0f; // world units

void DrawTopRow(std::vector<ReferenceShape>& shapes) {
    if (ImGui::Button("+ Add Cube"))
        AddReferenceShape(shapes, ReferenceShape::Cube);
    ImGui::SameLine();
    if (ImGui::Button("+ Add Circle"))
        AddReferenceShape(shapes, ReferenceShape::Circle);
    if (shapes.empty())
        return;
    ImGui::SameLine();
    if (ColouredButton("Clear All##shapes", kDeleteButton))
        shapes.clear();
    ImGui::Separator();
}

void DrawTypeCombo(ReferenceShape& shape) {
    static const char* const names[] = {"Cube", "Circle"};
    ImGui::PushItemWidth(80.0f);
    if (ImGui::BeginCombo("##type", shape.type == ReferenceShape::Circle ? "Circle" : "Cube")) {
        for (int type = ReferenceShape::Cube; type <= ReferenceShape::Circle; ++type) {
            if (ImGui::Selectable(names[type], shape.type == type))
                shape.type = type;
        }
        ImGui::EndCombo();
    }
    ImGui::PopItemWidth();
}

// The visibility, label, type and delete row; true when the delete button was pressed.
bool DrawHeaderRow(ReferenceShape& shape, std::size_t index) {
    ImGui::Checkbox("##vis", &shape.visible);
    ImGui::SameLine();
    ImGui::PushItemWidth(100.0f);
    ImGui::InputText("##lbl", shape.label, sizeof shape.label);
    ImGui::PopItemWidth();
    ImGui::SameLine();
    DrawTypeCombo(shape);
    ImGui::SameLine();
    char deleteLabel[32];
    std::snprintf(deleteLabel, sizeof deleteLabel, "X##del%zu", index);
    return ColouredSmallButton(deleteLabel, kDeleteButton);
}

// A typed value that was not a finite number is reported; the shape kept its value.
void ReportRefusal(const DragRow& row, CVarManagerWrapper& console) {
    if (row.refused)
        console.log(kShapeNotFiniteMessage);
}

void DrawPosition(ReferenceShape& shape, CVarManagerWrapper& console) {
    static const char* const labels[] = {"X##px", "Y##py", "Z##pz"};
    ImGui::TextDisabled("  Position:");
    ImGui::SameLine();
    // 10 world units per pixel dragged.
    ReportRefusal(DragFiniteVector(labels, shape.position, 10.0f, 0.0f, 0.0f, "%.3f"), console);
}

// A circle has one size, its radius, kept in Z, so a cube turned circle and back keeps its
// width and depth.
void DrawSize(ReferenceShape& shape, CVarManagerWrapper& console) {
    ImGui::TextDisabled("  Size:");
    ImGui::SameLine();
    // Ranged, so a typed value is clamped into the range; only a value that is not a number
    // is left to refuse.
    if (shape.type == ReferenceShape::Circle) {
        ImGui::PushItemWidth(100.0f);
        AcceptEdit(DragFiniteFloat("Radius##sr", &shape.size.Z, kSizeSpeed, kSmallestSize,
                                   kLargestSize, "%.3f"),
                   console, kShapeNotFiniteMessage);
        ImGui::PopItemWidth();
        return;
    }
    static const char* const labels[] = {"W##sw", "D##sd", "H##sh"};
    ReportRefusal(
        DragFiniteVector(labels, shape.size, kSizeSpeed, kSmallestSize, kLargestSize, "%.3f"),
        console);
}

void DrawColour(ReferenceShape& shape) {
    ImGui::TextDisabled("  Colour:");
    ImGui::SameLine();
    float colour[4];
    ColourToFloats(shape.colour, colour);
    if (ImGui::ColorEdit4("##col", colour))
        ColourFromFloats(colour, shape.colour);
}

// One shape's block; true when its delete button was pressed.
bool DrawShape(ReferenceShape& shape, std::size_t index, CVarManagerWrapper& console) {
    ImGui::PushID(static_cast<int>(index));
    const bool deleted = DrawHeaderRow(shape, index);
    DrawPosition(shape, console);
    DrawSize(shape, console);
    DrawColour(shape);
    ImGui::Separator();
    ImGui::PopID();
    return deleted;
}

} // namespace

void DrawShapesPanel(WindowContext& ctx) {
    std::vector<ReferenceShape>& shapes = ctx.referenceShapes;
    DrawTopRow(shapes);
    if (shapes.empty()) {
        ImGui::TextDisabled("No shapes yet. Add one above.");
        return;
    }
    // Erased after the blocks, one a frame, so no block is drawn from a moved element.
    std::size_t doomed = shapes.size();
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        if (DrawShape(shapes[i], i, ctx.cvarManager))
            doomed = i;
    }
    if (doomed < shapes.size())
        shapes.erase(shapes.begin() + static_cast<std::ptrdiff_t>(doomed));
}
