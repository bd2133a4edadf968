// The demo's pictures: it writes each of them at the canvas size, and the path, the markers
// and the dragged points are where the demo's cameras must show them.

#include <gtest/gtest.h>
#include <stb/stb_image.h>

#include <fstream>
#include <memory>
#include <sstream>

#include "host/DataFolder.h"
#include "host/DemoSession.h"
#include "host/SessionRun.h"

namespace {

using Corvane::Host::MakeTemporaryFolder;

struct Rgb {
    int r, g, b;
};

constexpr Rgb kMarkerOrange{255, 80, 0}; // the path overlay's waypoint box
constexpr Rgb kPathBlue{0, 100, 255};    // the polyline away from the current frame
constexpr Rgb kInHandleGreen{50, 220, 120};
constexpr Rgb kHeadingRed{255, 107, 107}; // the window's headings
constexpr Rgb kSelectedDot{255, 140, 30}; // the selected waypoint on the timeline
constexpr Rgb kShapeSwatch{0, 255, 80};   // a new shape's colour, as its editor shows it

class Picture {
public:
    explicit Picture(const std::filesystem::path& file)
        : pixels(stbi_load(file.c_str(), &width, &height, &channels, 4), stbi_image_free) {}
    bool Loaded() const { return pixels != nullptr; }
    // Whether any pixel of [x0, x1) x [y0, y1) passes the test (for lines blended into what
    // lies behind them), or has the colour, whatever its alpha.
    template <typename Test> bool ShowsWhere(Test test, int x0, int y0, int x1, int y1) const {
        if (!pixels || x1 > width || y1 > height)
            return false;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) {
                const unsigned char* p = pixels.get() + (y * width + x) * 4;
                if (test(Rgb{p[0], p[1], p[2]}))
                    return true;
            }
        return false;
    }
    bool Shows(Rgb c, int x0, int y0, int x1, int y1) const {
        return ShowsWhere([c](Rgb p) { return p.r == c.r && p.g == c.g && p.b == c.b; }, x0, y0, x1,
                          y1);
    }
    int width = 0, height = 0, channels = 0;

private:
    std::unique_ptr<unsigned char, void (*)(void*)> pixels;
};

// One demo run for every test: it takes a few seconds.
class DemoPicturesTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        folder = new std::filesystem::path(MakeTemporaryFolder("demo-pictures-test"));
        for (const auto& [name, contents] : Corvane::Host::DemoFiles()) {
            std::filesystem::create_directories((*folder / name).parent_path());
            std::ofstream(*folder / name, std::ios::binary) << contents;
        }
        Corvane::Host::SessionRun run;
        run.scriptName = "demo";
        run.script = Corvane::Host::DemoScript();
        run.dataFolder = *folder;
        run.plugin = QUORVEL_PLUGIN_MODULE;
        run.log = [](const std::string& line) {
            transcript += line + "\n";
        };
        status = Corvane::Host::RunSession(run);
    }
    static void TearDownTestSuite() {
        std::filesystem::remove_all(*folder);
        delete folder;
    }
    // A picture the demo writes at the canvas size: 1280 x 720, or 1600 x 900 from the window
    // on. One missing or of another size fails the test, and shows nothing.
    static Picture Load(const char* name, bool large = false) {
        Picture picture(*folder / "pictures" / name);
        EXPECT_TRUE(picture.Loaded()) << name;
        EXPECT_EQ(picture.width, large ? 1600 : 1280) << name;
        EXPECT_EQ(picture.height, large ? 900 : 720) << name;
        return picture;
    }

    static std::filesystem::path* folder;
    static std::string transcript;
    static int status;
};

std::filesystem::path* DemoPicturesTest::folder = nullptr;
std::string DemoPicturesTest::transcript;
int DemoPicturesTest::status = -1;

TEST_F(DemoPicturesTest, TheFlightIsRecordedAndThePathExported) {
    ASSERT_EQ(status, 0) << transcript;
    // 150 replay frames flown (90, then 60 aiming at the ball); the path spans frames 0-300.
    for (const std::string line : {"Recorded 150 frames to ", "Exported 301 frames to "})
        EXPECT_NE(transcript.find(line), std::string::npos) << line;
    for (const char* name : {"demo_flight.gltf", "demo_path.gltf", "demo_path.chan"})
        EXPECT_TRUE(std::filesystem::is_regular_file(*folder / "campaths" / name)) << name;
}

TEST_F(DemoPicturesTest, ThePathAndItsMiddleWaypointAreInView) {
    const Picture path = Load("path.png");
    // The third waypoint, (2500, 0, 900), lies straight ahead of the camera at (-3500, 0, 2200)
    // in x and 9.7 degrees above its downward look: 110 pixels above the centre.
    EXPECT_TRUE(path.Shows(kMarkerOrange, 630, 240, 650, 260));
    EXPECT_FALSE(path.Shows(kMarkerOrange, 630, 340, 650, 380));
    // The path runs from the left half of the picture into the right one.
    EXPECT_TRUE(path.Shows(kPathBlue, 100, 200, 400, 420));
    EXPECT_TRUE(path.Shows(kPathBlue, 880, 200, 1200, 620));
}

TEST_F(DemoPicturesTest, TheDraggedWaypointFollowsTheMouseUp) {
    const Picture before = Load("drag-waypoint-before.png");
    const Picture after = Load("drag-waypoint-after.png");
    // Seen side on from 2000 away, the second waypoint shows at pixel 480, 360; the mouse took
    // it 100 pixels up.
    EXPECT_TRUE(before.Shows(kMarkerOrange, 470, 350, 490, 370));
    EXPECT_FALSE(before.Shows(kMarkerOrange, 470, 250, 490, 270));
    EXPECT_TRUE(after.Shows(kMarkerOrange, 470, 250, 490, 270));
    EXPECT_FALSE(after.Shows(kMarkerOrange, 470, 350, 490, 370));
}

TEST_F(DemoPicturesTest, TheOppositeHandleTurnsDownAsTheDraggedOneGoesUp) {
    const Picture before = Load("drag-handle-before.png");
    const Picture after = Load("drag-handle-after.png");
    // The third waypoint's in handle points back along the row before, and below the row,
    // down to the left, once its out handle has been dragged up.
    EXPECT_FALSE(before.Shows(kInHandleGreen, 690, 390, 800, 460));
    EXPECT_TRUE(after.Shows(kInHandleGreen, 690, 390, 800, 460));
}

// The window is dragged to the top left corner and sized 1090 x 760; its sections show what
// the demo did with them.
TEST_F(DemoPicturesTest, TheWindowShowsEachSectionAsTheDemoLeftIt) {
    const Picture snapshots = Load("window-snapshots.png", true);
    EXPECT_TRUE(snapshots.Shows(kHeadingRed, 15, 118, 60, 132)); // the table's "Frame"
    // The third waypoint's dot, dragged from 4 s to 5 s on the timeline, and selected.
    EXPECT_TRUE(snapshots.Shows(kSelectedDot, 540, 420, 560, 438));
    EXPECT_FALSE(snapshots.Shows(kSelectedDot, 437, 420, 457, 438));
    EXPECT_NE(transcript.find("Frame: 150\nTime: 5.00000\n"), std::string::npos);

    const Picture tools = Load("window-path-tools.png", true);
    EXPECT_TRUE(tools.Shows(kHeadingRed, 10, 165, 60, 180)); // "Mirror"
    // Reset Transforms put back the waypoint the live scale and rotation had moved.
    const size_t scaled = transcript.find("Location 3098.08, 1500.00, 1025.00\n");
    ASSERT_NE(scaled, std::string::npos);
    EXPECT_NE(transcript.find("Frame: 150\nTime: 5.00000\nFOV: 80.00000\n"
                              "Location 2500.00, 0.00, 900.00\n",
                              scaled),
              std::string::npos);

    const Picture shapes = Load("window-shapes.png", true);
    EXPECT_TRUE(shapes.Shows(kShapeSwatch, 775, 258, 790, 272)); // the cube's colour

    const Picture graph = Load("window-motion-graph.png", true);
    const auto curve = [](Rgb c) {
        return c.b >= 200 && c.g >= 150 && c.r <= 110;
    };
    EXPECT_TRUE(graph.ShowsWhere(curve, 40, 125, 1055, 280));
    EXPECT_FALSE(graph.ShowsWhere(curve, 40, 320, 1055, 700)); // nothing below the graph
}

TEST_F(DemoPicturesTest, TheShapesAndTheOrbitViewShowWhereTheyBelong) {
    const Picture shapes = Load("reference-shapes.png", true);
    // The cube stands on the centre spot, inside the circle, halfway across the picture.
    const auto guide = [](Rgb c) {
        return c.g >= 180 && c.r <= 60 && c.b <= 150;
    };
    EXPECT_TRUE(shapes.ShowsWhere(guide, 780, 470, 820, 570));
    EXPECT_TRUE(shapes.ShowsWhere(guide, 595, 520, 615, 556)); // the circle's left edge
    EXPECT_FALSE(shapes.ShowsWhere(guide, 0, 0, 1600, 300));

    const Picture orbit = Load("orbit-view.png", true);
    // From above and in front of the path's middle: its third waypoint on the centre line.
    EXPECT_TRUE(orbit.Shows(kMarkerOrange, 785, 640, 815, 665));
    EXPECT_TRUE(orbit.Shows(kPathBlue, 280, 400, 400, 560));
    EXPECT_TRUE(orbit.Shows(kPathBlue, 1200, 500, 1300, 700));
    EXPECT_FALSE(orbit.Shows(kPathBlue, 0, 0, 1600, 280)); // nothing in the sky
}

} // namespace
