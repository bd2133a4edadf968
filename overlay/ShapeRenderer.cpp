#include "overlay/ShapeRenderer.h"

#include <cmath>

namespace {

constexpr float kLineWidth = 1.5f; // pixels
constexpr int kCircleSegments = 32;

void DrawCube(CanvasWrapper& canvas, const OverlayCamera& camera, const ReferenceShape& shape) {
    const Vector half = shape.size * 0.5f;
    const Vector& c = shape.position;
    // Corners 0-3 go round the bottom face, 4-7 round the top face above them.
    Vector corner[8];
    const float sx[4] = {-1.0f, 1.0f, 1.0f, -1.0f};
    const float sy[4] = {-1.0f, -1.0f, 1.0f, 1.0f};
    for (int i = 0; i < 4; ++i) {
        corner[i] = Vector(c.X + sx[i] * half.X, c.Y + sy[i] * half.Y, c.Z - half.Z);
        corner[i + 4] = Vector(corner[i].X, corner[i].Y, c.Z + half.Z);
    }
    for (int i = 0; i < 4; ++i)
        DrawWorldLine(canvas, camera, corner[i], corner[(i + 1) % 4]);
    for (int i = 0; i < 4; ++i)
        DrawWorldLine(canvas, camera, corner[i + 4], corner[(i + 1) % 4 + 4]);
    for (int i = 0; i < 4; ++i)
        DrawWorldLine(canvas, camera, corner[i], corner[i + 4]);
}

Vector CirclePoint(const ReferenceShape& shape, int i) {
    const float angle = static_cast<float>(i) * 0.03125f * 6.2832f; // radians
    const float radius = shape.size.Z;
    return Vector(shape.position.X + radius * std::cos(angle),
                  shape.position.Y + radius * std::sin(angle), shape.position.Z);
}

void DrawCircle(CanvasWrapper& canvas, const OverlayCamera& camera, const ReferenceShape& shape) {
    for (int i = 0; i < kCircleSegments; ++i)
        DrawWorldLine(canvas, camera, CirclePoint(shape, i + 1), CirclePoint(shape, i));
}

} // namespace

void DrawWorldLine(CanvasWrapper& canvas, const OverlayCamera& camera, const Vector& a,
                   const Vector& b) {
    if (!camera.Sees(a) || !camera.Sees(b))
        return;
    canvas.DrawLine(canvas.Project(a), canvas.Project(b), kLineWidth);
}

void RenderShapes(CanvasWrapper canvas, const GameWrapper& game,
                  const std::vector<ReferenceShape>& shapes) {
    if (shapes.empty() || !game.IsInReplay())
        return;
    const OverlayCamera camera = ReadOverlayCamera(game);
    for (const ReferenceShape& shape : shapes) {
        if (!shape.visible)
            continue;
        canvas.SetColor(shape.colour[0], shape.colour[1], shape.colour[2], shape.colour[3]);
        if (shape.type == ReferenceShape::Cube)
            DrawCube(canvas, camera, shape);
        else if (shape.type == ReferenceShape::Circle)
            DrawCircle(canvas, camera, shape);
    }
}
