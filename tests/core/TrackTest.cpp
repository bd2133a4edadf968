// A whole session through corvane-sim: three waypoints, linear mode, playback, and the
// camera track compared with straight-line interpolation worked out here in double.

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

#include "tests/core/SimRun.h"

namespace Quorvel::Testing {
namespace {

struct Key {
    int frame;
    double x, y, z, pitch, yaw, fov;
};

const Key kKeys[] = {
    {30, 0, 0, 100, 0, 0, 90},
    {90, 600, 300, 100, 1000, 16384, 80},
    {150, 600, 900, 400, -1000, 30000, 100},
};

std::string Script() {
    std::ostringstream s;
    s << "@replay\n@flycam\n";
    for (const Key& k : kKeys)
        s << "@frame " << k.frame << "\n@camera " << k.x << ' ' << k.y << ' ' << k.z << ' '
          << k.pitch << ' ' << k.yaw << " 0 " << k.fov << "\ndolly_snapshot_take\n";
    s << "dolly_interpmode 0\n@frame 0\ndolly_activate\n@tick 200\n";
    return s.str();
}

TEST(TrackTest, LinearPlaybackFollowsTheWaypointsAndNothingElse) {
    TempFolder folder("quorvel-track");
    std::ofstream(folder / "session.script") << Script();
    ASSERT_EQ(RunSim("run " + (folder / "session.script").string() + " --data " +
                     (folder / "data").string() + " --track " + (folder / "track.csv").string()),
              0);

    const std::vector<TrackRow> rows = ReadTrack(folder / "track.csv");
    // Written from the first waypoint's frame to the last one's.
    ASSERT_EQ(rows.size(), 121u);
    EXPECT_EQ(rows.front().frame, 30);
    EXPECT_EQ(rows.back().frame, 150);
    for (const TrackRow& r : rows) {
        const Key& a = r.frame < 90 ? kKeys[0] : kKeys[1];
        const Key& b = r.frame < 90 ? kKeys[1] : kKeys[2];
        const double u = double(r.frame - a.frame) / double(b.frame - a.frame);
        EXPECT_NEAR(r.x, a.x + (b.x - a.x) * u, 0.02) << r.frame;
        EXPECT_NEAR(r.y, a.y + (b.y - a.y) * u, 0.02) << r.frame;
        EXPECT_NEAR(r.z, a.z + (b.z - a.z) * u, 0.02) << r.frame;
        EXPECT_NEAR(r.fov, a.fov + (b.fov - a.fov) * u, 0.001) << r.frame;
        EXPECT_NEAR(r.pitch, std::trunc(a.pitch + (b.pitch - a.pitch) * u), 1.0) << r.frame;
        EXPECT_NEAR(r.yaw, std::trunc(a.yaw + (b.yaw - a.yaw) * u), 1.0) << r.frame;
        EXPECT_EQ(r.roll, 0) << r.frame;
    }
}

} // namespace
} // namespace Quorvel::Testing
