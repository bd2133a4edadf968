#pragma once
// A wireframe guide placed in the replay view: a box or a horizontal circle. Shapes live only
// in memory for the plugin's lifetime; the settings window edits the list.

#include <vector>

#include "corvane/wrappers/WrapperStructs.h"

struct ReferenceShape {
    enum Type { Cube = 0, Circle = 1 }; // other values are kept but never drawn

    int type = Cube;
    Vector position{0.0f, 0.0f, 100.0f}; // the centre, world units
    // Box extents along X, Y and Z (world units); a circle reads only Z, as its radius.
    Vector size{200.0f, 200.0f, 200.0f};
    unsigned char colour[4] = {0, 255, 80, 220}; // R, G, B, A
    bool visible = true;
    char label[32] = {}; // zero-terminated, for an ImGui text field
};

// Appends a shape of the given type with the defaults and the label "Cube N" or "Circle N",
// N being the list's new size whatever the types already in it; returns it.
ReferenceShape& AddReferenceShape(std::vector<ReferenceShape>& shapes, int type);
