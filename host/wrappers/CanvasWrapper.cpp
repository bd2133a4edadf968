// CanvasWrapper over the world's recording canvas.

#include "corvane/wrappers/CanvasWrapper.h"

#include "host/Canvas.h"

using Corvane::Host::Canvas;

namespace {

Canvas* CanvasAt(std::uintptr_t address) {
    return reinterpret_cast<Canvas*>(address);
}

} // namespace

Vector2 CanvasWrapper::Project(Vector location) const {
    Canvas* canvas = CanvasAt(memory_address);
    return canvas == nullptr ? Vector2() : canvas->Project(location);
}

Vector2 CanvasWrapper::GetSize() const {
    const Canvas* canvas = CanvasAt(memory_address);
    return canvas == nullptr ? Vector2() : canvas->Size();
}

void CanvasWrapper::SetColor(unsigned char r, unsigned char g, unsigned char b, unsigned char a) {
    if (Canvas* canvas = CanvasAt(memory_address))
        canvas->SetColor({r, g, b, a});
}

void CanvasWrapper::SetPosition(Vector2 position) {
    if (Canvas* canvas = CanvasAt(memory_address))
        canvas->SetPosition(position);
}

void CanvasWrapper::DrawLine(Vector2 start, Vector2 end) {
    if (Canvas* canvas = CanvasAt(memory_address))
        canvas->DrawLine(start, end);
}

void CanvasWrapper::DrawLine(Vector2 start, Vector2 end, float width) {
    if (Canvas* canvas = CanvasAt(memory_address))
        canvas->DrawLine(start, end, width);
}

void CanvasWrapper::DrawString(const std::string& text) {
    DrawString(text, 1.0f, 1.0f);
}

void CanvasWrapper::DrawString(const std::string& text, float xScale, float yScale) {
    if (Canvas* canvas = CanvasAt(memory_address))
        canvas->DrawString(text, xScale, yScale);
}

void CanvasWrapper::FillBox(Vector2 size) {
    if (Canvas* canvas = CanvasAt(memory_address))
        canvas->FillBox(size);
}
