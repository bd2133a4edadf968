// DollyCam::RenderPath: the sampled path as a thick polyline coloured by its distance in
// frames from the replay frame shown, frame labels along it, and an orange numbered marker on
// every waypoint. Canvas pixels, Y down; the in-front test converts rotator units with the
// overlay's own factor (Angles.h).

#include <cstdlib>
#include <string>

#include "core/DollyCam.h"
#include "math/Angles.h"
#include "math/CameraMath.h"

namespace {

using Quorvel::Math::Vec3d;

// What one frame of the overlay draws against.
struct PathView {
    CanvasWrapper canvas;
    Vector cameraLocation; // world units
    Vec3d forward;
    int currentFrame = 0; // replay frame shown
    Vector2 size;         // canvas pixels
};

bool InFront(const PathView& view, const Vector& point) {
    return Quorvel::Math::IsInFront(view.cameraLocation, view.forward, point);
}

// Pulls a projected point onto the canvas. Anything below 1 goes to 0, so a point just inside
// the top or left edge counts as on it.
int ClampAxis(int value, int limit) {
    const int clamped = value < limit ? value : limit;
    return clamped < 1 ? 0 : clamped;
}

Vector2 ClampToCanvas(Vector2 point, Vector2 size) {
    return Vector2(ClampAxis(point.X, size.X), ClampAxis(point.Y, size.Y));
}

// A clamped point in a corner band one pixel wide: a segment between two of them runs along
// the border, off screen, and is not worth drawing.
bool IsPinnedInCorner(Vector2 point, Vector2 size) {
    const bool atSide = point.X < 1 || point.X >= size.X - 1;
    const bool atTopOrBottom = point.Y < 1 || point.Y >= size.Y - 1;
    return atSide && atTopOrBottom;
}

Vector2 Shifted(Vector2 point, int by) {
    return Vector2(point.X + by, point.Y + by);
}

// Three one-pixel lines stand in for a three-pixel-wide one.
void DrawThickSegment(CanvasWrapper& canvas, Vector2 from, Vector2 to) {
    canvas.DrawLine(from, to);
    canvas.DrawLine(Shifted(from, -1), Shifted(to, -1));
    canvas.DrawLine(Shifted(from, 1), Shifted(to, 1));
}

// frame - 2 < current < frame + 2, without overflow at the ends of the int range.
bool WithinOneFrame(int frame, int current) {
    return std::llabs(static_cast<long long>(current) - frame) <= 1;
}

// Pass 1: red within one frame of the frame shown, blue elsewhere.
void DrawPolyline(PathView& view, const PathCache& samples, bool showFrameNumbers) {
    auto sample = samples.begin();
    Vector2 previous = ClampToCanvas(view.canvas.Project(sample->location), view.size);
    for (++sample; sample != samples.end(); ++sample) {
        const int frame = sample->frame;
        const Vector2 projected = view.canvas.Project(sample->location);
        if (WithinOneFrame(frame, view.currentFrame))
            view.canvas.SetColor(255, 0, 0, 255);
        else
            view.canvas.SetColor(0, 100, 255, 255);
        const Vector2 current = ClampToCanvas(projected, view.size);
        const bool drawn =
            InFront(view, sample->location) &&
            !(IsPinnedInCorner(previous, view.size) && IsPinnedInCorner(current, view.size));
        if (drawn)
            DrawThickSegment(view.canvas, previous, current);
        if (drawn && showFrameNumbers) {
            view.canvas.SetColor(0, 0, 0, 255);
            view.canvas.SetPosition(current);
            view.canvas.DrawString(std::to_string(frame));
        }
        previous = current;
    }
}

bool OnCanvasInclusive(Vector2 point, Vector2 size) {
    return point.X >= 0 && point.X <= size.X && point.Y >= 0 && point.Y <= size.Y;
}

// Pass 2: every waypoint takes a number, drawn or not, so the labels keep the path's order.
void DrawMarkers(PathView& view, const SnapshotMap& waypoints) {
    int number = 0;
    for (const auto& [frame, waypoint] : waypoints) {
        ++number;
        const Vector2 point = view.canvas.Project(waypoint.location);
        if (!InFront(view, waypoint.location) || !OnCanvasInclusive(point, view.size))
            continue;
        view.canvas.SetColor(255, 80, 0, 255);
        view.canvas.SetPosition(Vector2(point.X - 5, point.Y - 5));
        view.canvas.FillBox(Vector2(10, 10));
        view.canvas.SetColor(255, 255, 255, 255);
        view.canvas.DrawString("(" + std::to_string(number) +
                               ") f:" + std::to_string(waypoint.frame));
    }
}

} // namespace

void DollyCam::RenderPath(CanvasWrapper canvas) {
    if (!showPath || pathCache.size() < 2)
        return;
    // Outside a replay there is no frame to colour the path by (a live game can be in the
    // free-fly camera too).
    ReplayServerWrapper replay = gameWrapper->GetGameEventAsReplay();
    if (replay.IsNull())
        return;
    CameraWrapper camera = gameWrapper->GetCamera();
    PathView view{canvas, camera.GetLocation(), {}, 0, {}};
    view.forward =
        Quorvel::Math::MakeCameraBasis(camera.GetRotation(), Quorvel::Math::kUnitsToRadiansOverlay)
            .forward;
    view.currentFrame = replay.GetCurrentReplayFrame();
    view.size = canvas.GetSize();
    DrawPolyline(view, pathCache, showFrameNumbers);
    DrawMarkers(view, *snapshots);
}
