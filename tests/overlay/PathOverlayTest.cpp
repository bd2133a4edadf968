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
        Cam().pathCache = std::make_shared<SnapshotMap>();
        for (const auto& [frame, pixel] : samples)
            (*Cam().pathCache)[frame].location = PixelAt(pixel.X, pixel.Y);
    }
    // Only RenderPath, on a fresh canvas frame.
    std::vector<CanvasCall> DrawPath() {
        host.GetWorld().GetCanvas().BeginFrame();
        Cam().RenderPath(CanvasWrapper(host.GetWorld().CanvasAddress()));
        return host.CanvasCalls();
    }
    static std::vector<CanvasCall> Only(const std::vector<CanvasCall>& calls, CanvasCallKind kind) {
        std::vector<CanvasCall> found;
        for (const CanvasCall& call : calls)
            if (call.kind == kind)
                found.push_back(call);
        return found;
    }
};

TEST_F(PathOverlayTest, SamplesWithinOneFrameOfTheFrameShownAreRedAndTheRestBlue) {
    host.Run("dolly_render_frame 0");
    host.SetFrame(10);
    SetCache({{7, {100, 250}},
              {8, {200, 250}},
              {9, {300, 250}},
              {10, {400, 250}},
              {11, {500, 250}},
              {12, {600, 250}},
              {13, {700, 250}}});
    const std::vector<CanvasCall> calls = DrawPath();
    std::vector<CanvasColor> colours;
    for (const CanvasCall& call : Only(calls, CanvasCallKind::SetColor))
        colours.push_back(call.color);
    // The first sample only starts the line; frames 8 and 12 are two away.
    const std::vector<CanvasColor> expected = {kBlue, kRed, kRed, kRed, kBlue, kBlue};
    EXPECT_EQ(colours, expected);
    EXPECT_EQ(Only(calls, CanvasCallKind::DrawLine).size(), 18u);
    EXPECT_TRUE(Only(calls, CanvasCallKind::DrawString).empty());
}

struct SegmentCase {
    const char* name;
    Vector2 from, to; // projected, before clamping
    bool drawn;
    Vector2 clampedFrom, clampedTo;
};

class PathSegmentTest : public PathOverlayTest,
                        public ::testing::WithParamInterface<SegmentCase> {};

TEST_P(PathSegmentTest, IsClampedToTheCanvasAndSkippedWhenBothEndsArePinnedInCorners) {
    const SegmentCase& c = GetParam();
    host.SetFrame(50);
    SetCache({{20, c.from}, {21, c.to}});
    const std::vector<CanvasCall> calls = DrawPath();
    const std::vector<CanvasCall> lines = Only(calls, CanvasCallKind::DrawLine);
    if (!c.drawn) {
        EXPECT_TRUE(lines.empty());
        EXPECT_TRUE(Only(calls, CanvasCallKind::DrawString).empty());
        return;
    }
    ASSERT_EQ(lines.size(), 3u);
    const int shifts[3] = {0, -1, 1};
    for (int i = 0; i < 3; ++i) {
        const int s = shifts[i];
        EXPECT_EQ(lines[i].start, Vector2(c.clampedFrom.X + s, c.clampedFrom.Y + s)) << i;
        EXPECT_EQ(lines[i].end, Vector2(c.clampedTo.X + s, c.clampedTo.Y + s)) << i;
    }
    const std::vector<CanvasCall> labels = Only(calls, CanvasCallKind::DrawString);
    ASSERT_EQ(labels.size(), 1u);
    EXPECT_EQ(labels[0].text, "21");
    EXPECT_EQ(labels[0].position, c.clampedTo);
    EXPECT_EQ(labels[0].color, kBlack);
}

INSTANTIATE_TEST_SUITE_P(
    Corners, PathSegmentTest,
    ::testing::Values(
        SegmentCase{"BothTopLeft", {-100, -50}, {-200, -100}, false, {}, {}},
        SegmentCase{"TopLeftToBottomRight", {-100, -50}, {1100, 550}, false, {}, {}},
        SegmentCase{"TopRightToBottomRightBand", {999, 0}, {999, 499}, false, {}, {}},
        SegmentCase{"CornerToInside", {-100, -50}, {500, 250}, true, {0, 0}, {500, 250}},
        SegmentCase{"JustLeftOfTheBand", {998, 0}, {999, 0}, true, {998, 0}, {999, 0}},
        SegmentCase{"TopEdgeToRightEdge", {500, -50}, {1100, 250}, true, {500, 0}, {1000, 250}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PathOverlayTest, NeedsTwoSamplesToDrawAnything) {
    Put(30, PixelAt(500, 250));
    SetCache({{30, {500, 250}}});
    EXPECT_TRUE(DrawPath().empty());
}

struct MarkerCase {
    int x, y; // projected pixel
    bool drawn;
};

class MarkerBorderTest : public PathOverlayTest,
                         public ::testing::WithParamInterface<MarkerCase> {};

TEST_P(MarkerBorderTest, MarkersOnTheBorderAreDrawnAndOnePixelOutsideAreNot) {
    const MarkerCase& c = GetParam();
    host.Run("dolly_render_frame 0");
    Put(240, PixelAt(c.x, c.y));
    SetCache({{0, {100, 250}}, {1, {200, 250}}}); // markers need a path of two samples
    const std::vector<CanvasCall> calls = DrawPath();
    const std::vector<CanvasCall> boxes = Only(calls, CanvasCallKind::FillBox);
    ASSERT_EQ(boxes.size(), c.drawn ? 1u : 0u);
    if (!c.drawn)
        return;
    EXPECT_EQ(boxes[0].position, Vector2(c.x - 5, c.y - 5));
    EXPECT_EQ(boxes[0].size, Vector2(10, 10));
    EXPECT_EQ(boxes[0].color, (CanvasColor{255, 80, 0, 255}));
    const std::vector<CanvasCall> labels = Only(calls, CanvasCallKind::DrawString);
    ASSERT_EQ(labels.size(), 1u);
    EXPECT_EQ(labels[0].text, "(1) f:240");
    EXPECT_EQ(labels[0].position, Vector2(c.x - 5, c.y - 5));
    EXPECT_EQ(labels[0].color, (CanvasColor{255, 255, 255, 255}));
}

INSTANTIATE_TEST_SUITE_P(Border, MarkerBorderTest,
                         ::testing::Values(MarkerCase{0, 250, true}, MarkerCase{-1, 250, false},
                                           MarkerCase{1000, 250, true},
                                           MarkerCase{1001, 250, false}, MarkerCase{500, 0, true},
                                           MarkerCase{500, 500, true},
                                           MarkerCase{500, 501, false}));

TEST_F(PathOverlayTest, WaypointsBehindTheCameraKeepTheirNumber) {
    Put(100, PixelAt(300, 250));
    Put(200, Vector(-1000, 0, 0));
    Put(300, PixelAt(700, 250));
    ASSERT_GE(Cam().pathCache->size(), 2u);
    std::vector<std::string> labels;
    for (const CanvasCall& call : Only(DrawPath(), CanvasCallKind::DrawString))
        if (call.text.rfind("(", 0) == 0)
            labels.push_back(call.text);
    EXPECT_EQ(labels, (std::vector<std::string>{"(1) f:100", "(3) f:300"}));
}

} // namespace
} // namespace Quorvel::Testing
