// A whole session through corvane-sim: three waypoints, linear mode, playback, and the
// camera track compared with straight-line interpolation worked out here in double.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Row {
    int frame;
    double x, y, z;
    int pitch, yaw, roll;
    double fov;
};

struct Key {
    int frame;
    double x, y, z, pitch, yaw, roll, fov;
};

const Key kKeys[] = {
    {30, 0, 0, 100, 0, 0, 0, 90},
    {90, 600, 300, 100, 1000, 16384, 0, 80},
    {150, 600, 900, 400, -1000, 30000, 0, 100},
};

std::string Script() {
    std::ostringstream s;
    s << "@replay\n@flycam\n";
    for (const Key& k : kKeys)
        s << "@frame " << k.frame << "\n@camera " << k.x << ' ' << k.y << ' ' << k.z << ' '
          << k.pitch << ' ' << k.yaw << ' ' << k.roll << ' ' << k.fov << "\ndolly_snapshot_take\n";
    s << "dolly_interpmode 0\n@frame 0\ndolly_activate\n@tick 200\n";
    return s.str();
}

std::vector<Row> ReadTrack(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line); // header
    std::vector<Row> rows;
    while (std::getline(in, line)) {
        for (char& c : line)
            if (c == ',')
                c = ' ';
        std::istringstream fields(line);
        long tick;
        double seconds;
        Row r{};
        fields >> tick >> r.frame >> seconds >> r.x >> r.y >> r.z >> r.pitch >> r.yaw >> r.roll >>
            r.fov;
        rows.push_back(r);
    }
    return rows;
}

TEST(TrackTest, LinearPlaybackFollowsTheWaypointsAndNothingElse) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("quorvel-track-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir / "data");
    std::ofstream(dir / "session.script") << Script();
    const std::string command = std::string(QUORVEL_BUILD_DIR) + "/corvane-sim run " +
                                (dir / "session.script").string() + " --data " +
                                (dir / "data").string() + " --track " +
                                (dir / "track.csv").string() + " > " + (dir / "out.txt").string();
    ASSERT_EQ(std::system(command.c_str()), 0);

    const std::vector<Row> rows = ReadTrack(dir / "track.csv");
    // Written from the first waypoint's frame up to, not including, the last one's.
    ASSERT_EQ(rows.size(), 120u);
    EXPECT_EQ(rows.front().frame, 30);
    EXPECT_EQ(rows.back().frame, 149);
    for (const Row& r : rows) {
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
    std::filesystem::remove_all(dir);
}

} // namespace
