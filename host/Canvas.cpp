#include "host/Canvas.h"

#include <climits>
#include <cmath>

namespace Corvane::Host {

namespace {

int ToPixel(double value) {
    if (std::isnan(value))
        return 0;
    const double rounded = std::round(value);
    if (rounded >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (rounded <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(rounded);
}

} // namespace

void Canvas::SetSize(int newWidth, int newHeight) {
    width = newWidth < 1 ? 1 : newWidth;
    height = newHeight < 1 ? 1 : newHeight;
}

void Canvas::BeginFrame() {
    calls.clear();
    projections.clear();
    ++frameCount;
}

Perspective Canvas::View() const {
    return Perspective(camera.Pov(), width, height);
}

Vector2 Canvas::Project(const Vector& point) {
    const Perspective view = View();
    const ViewPoint relative = view.ToView(point);
    const bool inFront = relative.ahead > 0.0;
    Vector2 screen;
    if (inFront) {
        const CanvasPoint exact = view.ToCanvas(relative);
        screen = Vector2(ToPixel(exact.x), ToPixel(exact.y));
    }
    projections.push_back(CanvasProjection{point, screen, inFront});
    return screen;
}

CanvasCall Canvas::NewCall(CanvasCallKind kind) const {
    CanvasCall call;
    call.kind = kind;
    call.color = color;
    call.position = position;
    return call;
}

void Canvas::SetColor(CanvasColor newColor) {
    color = newColor;
    calls.push_back(NewCall(CanvasCallKind::SetColor));
}

void Canvas::SetPosition(Vector2 newPosition) {
    position = newPosition;
    calls.push_back(NewCall(CanvasCallKind::SetPosition));
}

void Canvas::DrawLine(Vector2 start, Vector2 end) {
    CanvasCall call = NewCall(CanvasCallKind::DrawLine);
    call.start = start;
    call.end = end;
    calls.push_back(call);
}

void Canvas::DrawLine(Vector2 start, Vector2 end, float lineWidth) {
    CanvasCall call = NewCall(CanvasCallKind::DrawLine);
    call.start = start;
    call.end = end;
    call.hasWidth = true;
    call.width = lineWidth;
    calls.push_back(call);
}

void Canvas::DrawString(const std::string& text, float xScale, float yScale) {
    CanvasCall call = NewCall(CanvasCallKind::DrawString);
    call.text = text;
    call.xScale = xScale;
    call.yScale = yScale;
    calls.push_back(call);
}

void Canvas::FillBox(Vector2 size) {
    CanvasCall call = NewCall(CanvasCallKind::FillBox);
    call.size = size;
    calls.push_back(call);
}

} // namespace Corvane::Host
