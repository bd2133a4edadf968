#include "overlay/GizmoView.h"

#include <cmath>

#include "math/VectorMath.h"

namespace {

Vector ToVector(const Quorvel::Math::Vec3d& v) {
    return Vector(static_cast<float>(v.x), static_cast<float>(v.y), static_cast<float>(v.z));
}

Vector2 Offset(Vector2 point, int dx, int dy) {
    return Vector2(point.X + dx, point.Y + dy);
}

} // namespace

GizmoView MakeGizmoView(CanvasWrapper canvas, const GameWrapper& game) {
    return GizmoView{canvas, canvas.GetSize(), ReadOverlayCamera(game)};
}

double PixelDistance(Vector2 a, Vector2 b) {
    return std::hypot(static_cast<double>(a.X) - b.X, static_cast<double>(a.Y) - b.Y);
}

bool IsStrictlyInside(Vector2 point, Vector2 size) {
    return point.X > 0 && point.X < size.X && point.Y > 0 && point.Y < size.Y;
}

bool GizmoView::Project(const Vector& point, Vector2& screen) {
    if (!camera.Sees(point))
        return false;
    screen = canvas.Project(point);
    return true;
}

bool GizmoView::ProjectsNear(const Vector& point, Vector2 target, double radius) {
    Vector2 screen;
    return Project(point, screen) && PixelDistance(screen, target) < radius;
}

Vector GizmoView::ScreenPlaneMove(const Vector& point, float dx, float dy) const {
    const float distance = Quorvel::Math::Length(point - camera.location);
    const float unitsPerPixel = Quorvel::Math::WorldUnitsPerPixel(camera.fov, distance, size.X);
    return (ToVector(camera.basis.right) * dx - ToVector(camera.basis.up) * dy) * unitsPerPixel;
}

void DrawThickLine3D(GizmoView& view, const Vector& a, const Vector& b) {
    Vector2 from, to;
    if (!view.Project(a, from) || !view.Project(b, to))
        return;
    if (!IsStrictlyInside(from, view.size) || !IsStrictlyInside(to, view.size))
        return;
    const int shifts[5][2] = {{0, 0}, {1, 0}, {0, 1}, {-1, 0}, {0, -1}};
    for (const auto& shift : shifts)
        view.canvas.DrawLine(Offset(from, shift[0], shift[1]), Offset(to, shift[0], shift[1]));
}

void DrawDiamondMarker(GizmoView& view, const Vector& p, float size) {
    Vector2 c;
    if (!view.Project(p, c) || !IsStrictlyInside(c, view.size))
        return;
    const int s = static_cast<int>(size);
    const Vector2 left(c.X - s, c.Y), right(c.X + s, c.Y), top(c.X, c.Y - s), bottom(c.X, c.Y + s);
    view.canvas.DrawLine(left, right);
    view.canvas.DrawLine(top, bottom);
    view.canvas.DrawLine(left, top);
    view.canvas.DrawLine(top, right);
    view.canvas.DrawLine(right, bottom);
    view.canvas.DrawLine(bottom, left);
}
