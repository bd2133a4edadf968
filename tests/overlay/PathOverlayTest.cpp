// The path overlay as the canvas records it: colours by distance from the frame shown, the
// clamping and corner rule of the polyline, frame labels, and the numbered waypoint markers.

#include <string>
#include <utility>
#include <vector>

#include "tests/overlay/OverlayFixture.h"

namespace Quorvel::Testing {
namespace {

using Corvane::Host::CanvasCall;
using Corvane::Host::CanvasCallKind;
using Corvane::Host::CanvasColor;

const CanvasColor kRed{255, 0, 0, 255};
const CanvasColor kBlue{0, 100, 255, 255};
const CanvasColor kBlack{0, 0, 0, 255};

class PathOverlayTest : public OverlayTest {
protected:
    // The path cache drawn, one sample per (frame, canvas pixel).
    void SetCache(const std::vector<std::pair<int, Vector2>>& samples) {
        Cam().pathCache.clear();
        for (const auto& [frame, pixel] : samples)
            Cam().pathCache.push_back({frame, PixelAt(pixel.X, pixel.Y)});
    }
    // Only RenderPath, on a fresh canvas frame: CallsOf then reads what it drew.
    void DrawPath() {
        host.GetWorld().GetCanvas().BeginFrame();
        Cam().RenderPath(CanvasWrapper(host.GetWorld().CanvasAddress()));
    }
};

TEST_F(PathOverlayTest, SamplesWithinOneFrameOfTheFrameShownAreRedAndTheRestBlue) {
    host.Run("dolly_render_frame 0");
    host.SetFrame(10);
    std::vector<std::pair<int, Vector2>> samples;
    for (int frame = 7; frame <= 13; ++frame)
        samples.push_back({frame, Vector2(100 * (frame - 6), 250)});
    SetCache(samples);
    DrawPath();
    std::vector<CanvasColor> colours;
    for (const CanvasCall& call : CallsOf(CanvasCallKind::SetColor))
        colours.push_back(call.color);
    // The first sample only starts the line; frames 8 and 12 are two away.
    const std::vector<CanvasColor> expected = {kBlue, kRed, kRed, kRed, kBlue, kBlue};
    EXPECT_EQ(colours, expected);
    EXPECT_EQ(CallsOf(CanvasCallKind::DrawLine).size(), 18u);
    EXPECT_TRUE(CallsOf(CanvasCallKind::DrawString).empty());
}

// Segments are clamped to the canvas, and skipped when both ends are pinned in corners.
TEST_F(PathOverlayTest, ASegmentIsClampedToTheCanvasAndSkippedBetweenCorners) {
    const struct {
        Vector2 from, to; // projected, before clamping
        bool drawn;
        Vector2 clampedFrom, clampedTo;
    } cases[] = {
        {{-100, -50}, {-200, -100}, false, {}, {}}, // both top left
        {{-100, -50}, {1100, 550}, false, {}, {}},  // top left to bottom right
        {{999, 0}, {999, 499}, false, {}, {}},      // top right to the bottom right band
        {{-100, -50}, {500, 250}, true, {0, 0}, {500, 250}},
        {{998, 0}, {999, 0}, true, {998, 0}, {999, 0}}, // just left of the band
        {{500, -50}, {1100, 250}, true, {500, 0}, {1000, 250}},
    };
    host.SetFrame(50);
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.from.X << ", " << c.from.Y << " to " << c.to.X << ", " << c.to.Y);
        SetCache({{20, c.from}, {21, c.to}});
        DrawPath();
        const std::vector<CanvasCall> lines = CallsOf(CanvasCallKind::DrawLine);
        const std::vector<CanvasCall> labels = CallsOf(CanvasCallKind::DrawString);
        ASSERT_EQ(lines.size(), c.drawn ? 3u : 0u);
        ASSERT_EQ(labels.size(), c.drawn ? 1u : 0u);
        if (!c.drawn)
            continue;
        const int shifts[3] = {0, -1, 1};
        for (int i = 0; i < 3; ++i) {
            const int s = shifts[i];
            EXPECT_EQ(lines[i].start, Vector2(c.clampedFrom.X + s, c.clampedFrom.Y + s)) << i;
            EXPECT_EQ(lines[i].end, Vector2(c.clampedTo.X + s, c.clampedTo.Y + s)) << i;
        }
        EXPECT_EQ(labels[0].text, "21");
        EXPECT_EQ(labels[0].position, c.clampedTo);
        EXPECT_EQ(labels[0].color, kBlack);
    }
}

TEST_F(PathOverlayTest, NeedsTwoSamplesToDrawAnything) {
    Put(30, PixelAt(500, 250));
    SetCache({{30, {500, 250}}});
    DrawPath();
    EXPECT_TRUE(host.CanvasCalls().empty());
}

TEST_F(PathOverlayTest, MarkersOnTheBorderAreDrawnAndOnePixelOutsideAreNot) {
    const struct {
        int x, y; // projected pixel
        bool drawn;
    } cases[] = {{0, 250, true}, {-1, 250, false}, {1000, 250, true}, {1001, 250, false},
                 {500, 0, true}, {500, 500, true}, {500, 501, false}};
    host.Run("dolly_render_frame 0");
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
        Put(240, PixelAt(c.x, c.y));
        SetCache({{0, {100, 250}}, {1, {200, 250}}}); // markers need a path of two samples
        DrawPath();
        const std::vector<CanvasCall> boxes = CallsOf(CanvasCallKind::FillBox);
        const std::vector<CanvasCall> labels = CallsOf(CanvasCallKind::DrawString);
        ASSERT_EQ(boxes.size(), c.drawn ? 1u : 0u);
        ASSERT_EQ(labels.size(), c.drawn ? 1u : 0u);
        if (!c.drawn)
            continue;
        EXPECT_EQ(boxes[0].position, Vector2(c.x - 5, c.y - 5));
        EXPECT_EQ(boxes[0].size, Vector2(10, 10));
        EXPECT_EQ(boxes[0].color, (CanvasColor{255, 80, 0, 255}));
        EXPECT_EQ(labels[0].text, "(1) f:240");
        EXPECT_EQ(labels[0].position, Vector2(c.x - 5, c.y - 5));
        EXPECT_EQ(labels[0].color, (CanvasColor{255, 255, 255, 255}));
    }
}

TEST_F(PathOverlayTest, WaypointsBehindTheCameraKeepTheirNumber) {
    Put(100, PixelAt(300, 250));
    Put(200, Vector(-1000, 0, 0));
    Put(300, PixelAt(700, 250));
    ASSERT_GE(Cam().pathCache.size(), 2u);
    std::vector<std::string> labels;
    DrawPath();
    for (const CanvasCall& call : CallsOf(CanvasCallKind::DrawString))
        if (call.text.rfind("(", 0) == 0)
            labels.push_back(call.text);
    EXPECT_EQ(labels, (std::vector<std::string>{"(1) f:100", "(3) f:300"}));
}

} // namespace
} // namespace Quorvel::Testing
