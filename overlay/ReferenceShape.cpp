#include "overlay/ReferenceShape.h"

#include <cstdio>

ReferenceShape& AddReferenceShape(std::vector<ReferenceShape>& shapes, int type) {
    ReferenceShape shape;
    shape.type = type;
    std::snprintf(shape.label, sizeof shape.label, "%s %zu",
                  type == ReferenceShape::Circle ? "Circle" : "Cube", shapes.size() + 1);
    shapes.push_back(shape);
    return shapes.back();
}
