#pragma once
// The drawing surface handed to drawables: the game's perspective projection through the
// world's camera (host/Perspective.h) and a record of every drawing call of the current frame.
//
// Canvas pixels: origin at the top-left corner, Y down. Project rounds to the nearest pixel
// (halves away from zero) and saturates to the int range; a point behind the camera, or
// beside it (level with its location along the view), projects to (0, 0) and its record says
// it was behind.

#include <string>
#include <vector>

#include "corvane/wrappers/WrapperStructs.h"
#include "host/Actors.h"
#include "host/Perspective.h"

namespace Corvane::Host {

struct CanvasColor {
    unsigned char r = 255, g = 255, b = 255, a = 255;
    bool operator==(const CanvasColor& o) const {
        return r == o.r && g == o.g && b == o.b && a == o.a;
    }
};

enum class CanvasCallKind { SetColor, SetPosition, DrawLine, DrawString, FillBox };

// One recorded call, with the colour and position current when it was made.
struct CanvasCall {
    CanvasCallKind kind = CanvasCallKind::SetColor;
    CanvasColor color;
    Vector2 position;
    Vector2 start, end;    // DrawLine
    bool hasWidth = false; // DrawLine: the width form was used
    float width = 1.0f;    // DrawLine
    std::string text;      // DrawString
    float xScale = 1.0f;   // DrawString
    float yScale = 1.0f;   // DrawString
    Vector2 size;          // FillBox
};

struct CanvasProjection {
    Vector point;
    Vector2 screen;
    bool inFront = false;
};

class Canvas {
public:
    static constexpr int kDefaultWidth = 1280;
    static constexpr int kDefaultHeight = 720;

    explicit Canvas(const Camera& camera) : camera(camera) {}

    // Sizes below one pixel become one pixel.
    void SetSize(int width, int height);
    Vector2 Size() const { return {width, height}; }

    // Starts a rendered frame: the records of the previous one are dropped. The colour and
    // position carry over, as on a real canvas that is not reset between frames.
    void BeginFrame();
    int FrameCount() const { return frameCount; }

    // The projection through the camera as it is now, recorded.
    Vector2 Project(const Vector& point);
    // The camera as it is now, for projections without rounding and without a record.
    Perspective View() const;

    void SetColor(CanvasColor color);
    void SetPosition(Vector2 position);
    void DrawLine(Vector2 start, Vector2 end);
    void DrawLine(Vector2 start, Vector2 end, float width);
    void DrawString(const std::string& text, float xScale, float yScale);
    void FillBox(Vector2 size);

    const std::vector<CanvasCall>& Calls() const { return calls; }
    const std::vector<CanvasProjection>& Projections() const { return projections; }

private:
    CanvasCall NewCall(CanvasCallKind kind) const;

    const Camera& camera;
    int width = kDefaultWidth;
    int height = kDefaultHeight;
    int frameCount = 0;
    CanvasColor color;
    Vector2 position;
    std::vector<CanvasCall> calls;
    std::vector<CanvasProjection> projections;
};

} // namespace Corvane::Host
