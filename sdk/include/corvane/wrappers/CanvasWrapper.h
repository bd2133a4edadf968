#pragma once
// The drawing surface handed to drawables once per rendered frame.
// Canvas coordinates are pixels, origin at the top-left corner, Y down.

#include <string>

#include "corvane/wrappers/ObjectWrapper.h"
#include "corvane/wrappers/WrapperStructs.h"

class CanvasWrapper : public ObjectWrapper {
public:
    explicit CanvasWrapper(std::uintptr_t address = 0) : ObjectWrapper(address) {}

    // Projects a world point through the current camera. A point behind the camera lands
    // somewhere meaningless; callers test for that themselves before projecting.
    Vector2 Project(Vector location) const;
    Vector2 GetSize() const;
    void SetColor(unsigned char r, unsigned char g, unsigned char b, unsigned char a);
    void SetPosition(Vector2 position);
    void DrawLine(Vector2 start, Vector2 end);
    void DrawLine(Vector2 start, Vector2 end, float width);
    void DrawString(const std::string& text);
    void DrawString(const std::string& text, float xScale, float yScale);
    // A filled box of the given size whose top-left corner is the current position.
    void FillBox(Vector2 size);
};
