#include "host/SceneDrawing.h"

#include <imgui.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "host/Arena.h"
#include "host/NearClip.h"
#include "host/Perspective.h"

namespace Corvane::Host {

namespace {

using namespace Arena;

constexpr double kRadiansPerUnit = 3.141592653589793 / 32768.0;

ImU32 Colour(Rgba c, int alpha = -1) {
    return IM_COL32(c.r, c.g, c.b, alpha < 0 ? c.a : alpha);
}

Rgba Darker(Rgba c) {
    return Rgba{std::uint8_t(c.r * 3 / 5), std::uint8_t(c.g * 3 / 5), std::uint8_t(c.b * 3 / 5),
                c.a};
}

// The convex hull of points, in order round it (monotone chain).
std::vector<ImVec2> ConvexHull(std::vector<ImVec2> points) {
    if (points.size() < 3)
        return points;
    std::sort(points.begin(), points.end(), [](const ImVec2& a, const ImVec2& b) {
        return a.x < b.x || (a.x == b.x && a.y < b.y);
    });
    const auto turn = [](const ImVec2& o, const ImVec2& a, const ImVec2& b) {
        return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
    };
    std::vector<ImVec2> hull(2 * points.size());
    size_t k = 0;
    for (size_t i = 0; i < points.size(); ++i) { // lower chain
        while (k >= 2 && turn(hull[k - 2], hull[k - 1], points[i]) <= 0)
            --k;
        hull[k++] = points[i];
    }
    for (size_t i = points.size() - 1, lower = k + 1; i-- > 0;) { // upper chain
        while (k >= lower && turn(hull[k - 2], hull[k - 1], points[i]) <= 0)
            --k;
        hull[k++] = points[i];
    }
    hull.resize(k > 1 ? k - 1 : k);
    return hull;
}

class SceneDrawer {
public:
    SceneDrawer(const FrameView& frame, ImDrawList& list)
        : frame(frame), view(frame.camera, frame.size.X, frame.size.Y), list(list) {}

    void Field() {
        const float x = kHalfWidth, y = kHalfLength;
        Polygon({{-x, -y, 0}, {x, -y, 0}, {x, y, 0}, {-x, y, 0}}, Colour(kFloor));
        for (int side : {-1, 1})
            GoalBox(float(side));
        const Vector outline[] = {{-x, -y, 0}, {x, -y, 0}, {x, y, 0}, {-x, y, 0}};
        for (int i = 0; i < 4; ++i)
            Line(outline[i], outline[(i + 1) % 4], Colour(kLines), 2.0f);
        Line({-x, 0, 0}, {x, 0, 0}, Colour(kLines), 2.0f);
        for (int side : {-1, 1})
            GoalFrame(float(side));
    }

    // The ball and the cars, the farthest first, so that nearer ones hide them.
    void Actors() {
        std::vector<std::pair<double, std::function<void()>>> items;
        items.emplace_back(view.ToView(frame.ball).ahead, [this] { Ball(); });
        const size_t blueCars = frame.cars.size() / 2;
        for (size_t i = 0; i < frame.cars.size(); ++i) {
            const CarView& car = frame.cars[i];
            const Rgba team = i < blueCars ? kBlueTeam : kOrangeTeam;
            items.emplace_back(view.ToView(car.location).ahead,
                               [this, car, team] { Car(car, team); });
        }
        std::stable_sort(items.begin(), items.end(),
                         [](const auto& a, const auto& b) { return a.first > b.first; });
        for (const auto& item : items)
            item.second();
    }

private:
    ImVec2 OnCanvas(const ViewPoint& p) const {
        const CanvasPoint c = view.ToCanvas(p);
        return ImVec2(float(c.x), float(c.y));
    }

    void Polygon(const std::vector<Vector>& corners, ImU32 colour) {
        std::vector<ViewPoint> inView(corners.size());
        std::transform(corners.begin(), corners.end(), inView.begin(),
                       [this](const Vector& corner) { return view.ToView(corner); });
        const std::vector<ViewPoint> kept = ClipPolygonToNear(inView);
        std::vector<ImVec2> points(kept.size());
        std::transform(kept.begin(), kept.end(), points.begin(),
                       [this](const ViewPoint& p) { return OnCanvas(p); });
        if (points.size() >= 3)
            list.AddConvexPolyFilled(points.data(), int(points.size()), colour);
    }

    void Line(const Vector& from, const Vector& to, ImU32 colour, float width) {
        ViewPoint a = view.ToView(from), b = view.ToView(to);
        if (ClipSegmentToNear(a, b))
            list.AddLine(OnCanvas(a), OnCanvas(b), colour, width);
    }

    // The goal's floor and its net, see-through in the team's colour.
    void GoalBox(float side) {
        const float w = kGoalHalfWidth, h = kGoalHeight;
        const float line = side * kHalfLength, back = side * (kHalfLength + kGoalDepth);
        const Rgba team = side < 0 ? kBlueTeam : kOrangeTeam;
        Polygon({{-w, line, 0}, {w, line, 0}, {w, back, 0}, {-w, back, 0}}, Colour(kFloor));
        Polygon({{-w, back, 0}, {w, back, 0}, {w, back, h}, {-w, back, h}}, Colour(team, 70));
        Polygon({{-w, line, h}, {w, line, h}, {w, back, h}, {-w, back, h}}, Colour(team, 50));
        for (float x : {-w, w})
            Polygon({{x, line, 0}, {x, back, 0}, {x, back, h}, {x, line, h}}, Colour(team, 50));
    }

    // The posts and the crossbar on the end line, and the net's edges.
    void GoalFrame(float side) {
        const float w = kGoalHalfWidth, h = kGoalHeight;
        const float line = side * kHalfLength, back = side * (kHalfLength + kGoalDepth);
        const ImU32 team = Colour(side < 0 ? kBlueTeam : kOrangeTeam);
        for (float x : {-w, w}) {
            Line({x, line, 0}, {x, line, h}, team, 4.0f);
            Line({x, back, 0}, {x, back, h}, team, 1.5f);
            Line({x, line, h}, {x, back, h}, team, 1.5f);
            Line({x, line, 0}, {x, back, 0}, team, 1.5f);
        }
        Line({-w, line, h}, {w, line, h}, team, 4.0f);
        Line({-w, back, h}, {w, back, h}, team, 1.5f);
        Line({-w, back, 0}, {w, back, 0}, team, 1.5f);
    }

    void Ball() {
        const ViewPoint centre = view.ToView(frame.ball);
        if (!(centre.ahead > kNearPlane + kBallRadius))
            return;
        const float radius = float(kBallRadius * view.PixelsPerUnit(centre.ahead));
        list.AddCircleFilled(OnCanvas(centre), radius, Colour(kBall));
        list.AddCircle(OnCanvas(centre), radius, Colour(kBallOutline), 0, 1.5f);
    }

    // A box turned by the car's yaw; not drawn when any corner is nearer than the near plane.
    void Car(const CarView& car, Rgba team) {
        const double yaw = car.yaw * kRadiansPerUnit;
        const double c = std::cos(yaw), s = std::sin(yaw);
        std::vector<ImVec2> corners, top;
        for (float along : {-0.5f, 0.5f}) {
            for (float across : {-0.5f, 0.5f}) {
                for (float high : {-0.5f, 0.5f}) {
                    const double dx = along * kCarLength, dy = across * kCarWidth;
                    const Vector corner(float(car.location.X + dx * c - dy * s),
                                        float(car.location.Y + dx * s + dy * c),
                                        car.location.Z + high * kCarHeight);
                    const ViewPoint p = view.ToView(corner);
                    if (!(p.ahead >= kNearPlane))
                        return;
                    corners.push_back(OnCanvas(p));
                    if (high > 0.0f)
                        top.push_back(OnCanvas(p));
                }
            }
        }
        const std::vector<ImVec2> outline = ConvexHull(corners);
        list.AddConvexPolyFilled(outline.data(), int(outline.size()), Colour(team));
        const std::vector<ImVec2> roof = ConvexHull(top);
        list.AddPolyline(roof.data(), int(roof.size()), Colour(Darker(team)), ImDrawFlags_Closed,
                         1.0f);
    }

    const FrameView& frame;
    Perspective view;
    ImDrawList& list;
};

} // namespace

void DrawScene(const FrameView& frame, ImDrawList& list) {
    if (!frame.hasCamera)
        return;
    SceneDrawer drawer(frame, list);
    drawer.Field();
    drawer.Actors();
}

} // namespace Corvane::Host
