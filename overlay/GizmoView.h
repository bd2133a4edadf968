#pragma once
// One frame of the handle gizmo: the canvas, the camera, and the geometry between them.
// Canvas pixels, Y down; world units, Z up.

#include "corvane/wrappers/CanvasWrapper.h"
#include "overlay/OverlayCamera.h"

struct GizmoView {
    CanvasWrapper canvas;
    Vector2 size; // canvas pixels
    OverlayCamera camera;

    // The point's projection, when the camera sees it (a point behind the camera would
    // project to a meaningless place).
    bool Project(const Vector& point, Vector2& screen);
    // True when the point is seen and projects less than radius pixels from target.
    bool ProjectsNear(const Vector& point, Vector2 target, double radius);
    // How far a point moves for a mouse move of (dx, dy) pixels: along the screen's right and
    // up directions, scaled to the point's distance so it follows the mouse.
    Vector ScreenPlaneMove(const Vector& point, float dx, float dy) const;
};

GizmoView MakeGizmoView(CanvasWrapper canvas, const GameWrapper& game);

double PixelDistance(Vector2 a, Vector2 b);
bool IsStrictlyInside(Vector2 point, Vector2 size);

// Five one-pixel lines from a to b (the second to fifth shifted one pixel right, down, left
// and up), drawn only when both ends lie strictly inside the canvas.
void DrawThickLine3D(GizmoView& view, const Vector& a, const Vector& b);
// A cross and a diamond of half-width size pixels around p, only when p lies strictly inside
// the canvas.
void DrawDiamondMarker(GizmoView& view, const Vector& p, float size);
