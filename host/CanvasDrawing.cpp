#include "host/CanvasDrawing.h"

#include <imgui.h>

#include <cmath>

namespace Corvane::Host {

namespace {

ImU32 Colour(const CanvasColor& c) {
    return IM_COL32(c.r, c.g, c.b, c.a);
}

ImVec2 Pixel(Vector2 p) {
    return ImVec2(float(p.X), float(p.Y));
}

// A band of width pixels along the segment between the two pixels' centres, its ends square
// at those centres: a horizontal line of width 1 covers the row of its pixels, from the first
// pixel up to the last one excluded.
void DrawLine(Vector2 start, Vector2 end, float width, ImU32 colour, ImDrawList& list) {
    const double x0 = start.X + 0.5, y0 = start.Y + 0.5, x1 = end.X + 0.5, y1 = end.Y + 0.5;
    const double length = std::hypot(x1 - x0, y1 - y0);
    if (!(length > 0.0) || !(width > 0.0f))
        return;
    const double half = width / 2.0;
    const double nx = -(y1 - y0) / length * half, ny = (x1 - x0) / length * half;
    const auto corner = [](double x, double y) {
        return ImVec2(float(x), float(y));
    };
    list.AddQuadFilled(corner(x0 + nx, y0 + ny), corner(x1 + nx, y1 + ny), corner(x1 - nx, y1 - ny),
                       corner(x0 - nx, y0 - ny), colour);
}

void DrawText(const CanvasCall& call, ImFont& font, ImDrawList& list) {
    if (!(call.yScale > 0.0f) || !(call.xScale > 0.0f))
        return;
    const ImVec2 origin = Pixel(call.position);
    const int firstVertex = list.VtxBuffer.Size;
    list.AddText(&font, font.FontSize * call.yScale, origin, Colour(call.color), call.text.c_str(),
                 call.text.c_str() + call.text.size());
    const float stretch = call.xScale / call.yScale;
    for (int i = firstVertex; i < list.VtxBuffer.Size; ++i)
        list.VtxBuffer[i].pos.x = origin.x + (list.VtxBuffer[i].pos.x - origin.x) * stretch;
}

} // namespace

void DrawCanvasCalls(const std::vector<CanvasCall>& calls, ImFont& font, ImDrawList& list) {
    for (const CanvasCall& call : calls) {
        switch (call.kind) {
        case CanvasCallKind::DrawLine:
            DrawLine(call.start, call.end, call.hasWidth ? call.width : 1.0f, Colour(call.color),
                     list);
            break;
        case CanvasCallKind::FillBox:
            list.AddRectFilled(
                Pixel(call.position),
                Pixel(Vector2(call.position.X + call.size.X, call.position.Y + call.size.Y)),
                Colour(call.color));
            break;
        case CanvasCallKind::DrawString:
            DrawText(call, font, list);
            break;
        case CanvasCallKind::SetColor:
        case CanvasCallKind::SetPosition:
            break;
        }
    }
}

} // namespace Corvane::Host
