// `corvane-sim sample` flies a saved path in each mode: the track must be continuous, and
// every interpolating mode must pass through every waypoint at its frame.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/core/SimRun.h"
#include "tests/storage/StorageTestSupport.h"

namespace Quorvel::Testing {
namespace {

struct Waypoint {
    int frame;
    double x, y, z, pitch, yaw, fov;
};

// Six waypoints a second apart at 30 fps, turning across the +-32768 yaw seam.
const Waypoint kPath[] = {
    {0, 0, 0, 300, -1000, 30000, 90},         {30, 800, 400, 350, -1500, 32000, 85},
    {60, 1500, 1200, 420, -800, -32000, 80},  {90, 1700, 2200, 380, 0, -30000, 90},
    {120, 1200, 3000, 300, 500, -28000, 100}, {150, 400, 3300, 250, 0, -26000, 95},
};

std::string PathJson() {
    std::ostringstream json;
    json << "{";
    for (size_t i = 0; i < std::size(kPath); ++i) {
        const Waypoint& w = kPath[i];
        json << (i ? "," : "") << "\"" << w.frame << "\": {\"frame\": " << w.frame
             << ", \"timestamp\": " << w.frame / 30.0 << ", \"FOV\": " << w.fov
             << ", \"weight\": 1.0, \"location\": {\"x\": " << w.x << ", \"y\": " << w.y
             << ", \"z\": " << w.z << "}, \"rotation\": {\"pitch\": " << w.pitch
             << ", \"yaw\": " << w.yaw << ", \"roll\": 0.0}}";
    }
    json << "}";
    return json.str();
}

// The largest straight-line move between neighbouring waypoints, per frame.
double ChordStepBound() {
    double bound = 0.0;
    for (size_t i = 1; i < std::size(kPath); ++i) {
        const Waypoint& a = kPath[i - 1];
        const Waypoint& b = kPath[i];
        const double d = std::hypot(b.x - a.x, b.y - a.y, b.z - a.z);
        bound = std::max(bound, d / (b.frame - a.frame));
    }
    return bound;
}

double AngleDistance(double a, double b) {
    const double d = std::fmod(std::fabs(a - b), 65536.0);
    return std::min(d, 65536.0 - d);
}

class SampleTest : public ::testing::TestWithParam<int> {};

TEST_P(SampleTest, TrackIsContinuousAndPassesThroughEveryWaypoint) {
    const int mode = GetParam();
    const StorageTest::TempFolder folder;
    std::ofstream(folder / "path.json") << PathJson();
    const std::string modes = std::to_string(mode);
    ASSERT_EQ(RunSim("sample " + (folder / "path.json").string() + " --location-mode " + modes +
                     " --rotation-mode " + modes + " --csv " + (folder / "track.csv").string()),
              0);
    const std::vector<TrackRow> rows = ReadTrack(folder / "track.csv");
    ASSERT_EQ(rows.size(), 151u) << "mode " << mode; // frames 0 to 150, both ends included
    // Curves may swing wider than the chords, but never jump.
    const double stepBound = 4.0 * ChordStepBound();
    for (size_t i = 1; i < rows.size(); ++i) {
        const TrackRow& a = rows[i - 1];
        const TrackRow& b = rows[i];
        SCOPED_TRACE("mode " + modes + " frame " + std::to_string(b.frame));
        ASSERT_EQ(b.frame, a.frame + 1);
        EXPECT_LE(std::hypot(b.x - a.x, b.y - a.y, b.z - a.z), stepBound);
        // Angles are compared on the circle: a whole turn between frames is no move at all.
        // Cosine and Catmull-Rom blend stored angles without unwrapping (the long way round
        // across the seam), still well under a quarter turn a frame.
        EXPECT_LE(AngleDistance(b.yaw, a.yaw), 16384.0);
        EXPECT_LE(std::fabs(b.fov - a.fov), 2.0);
    }
    if (mode == 1) { // N-Bezier is pulled towards its inner waypoints: it holds only the ends
        EXPECT_NEAR(rows.front().x, kPath[0].x, 1e-3);
        EXPECT_NEAR(rows.back().x, kPath[5].x, 0.05);
        EXPECT_NEAR(rows.back().y, kPath[5].y, 0.05);
        return;
    }
    // B-spline finds the moment by bisection, to a small fraction of a frame.
    const double tolerance = mode == 5 ? 0.5 : 0.02;
    for (const Waypoint& w : kPath) {
        SCOPED_TRACE("mode " + modes + " frame " + std::to_string(w.frame));
        const TrackRow& r = rows[w.frame];
        ASSERT_EQ(r.frame, w.frame);
        EXPECT_NEAR(r.x, w.x, tolerance);
        EXPECT_NEAR(r.y, w.y, tolerance);
        EXPECT_NEAR(r.z, w.z, tolerance);
        EXPECT_LE(AngleDistance(r.yaw, w.yaw), 2.0);
        EXPECT_LE(AngleDistance(r.pitch, w.pitch), 2.0);
        EXPECT_NEAR(r.fov, w.fov, mode == 5 ? 0.05 : 1e-3);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryMode, SampleTest, ::testing::Range(0, 8));

} // namespace
} // namespace Quorvel::Testing
