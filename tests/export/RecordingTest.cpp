// Recording and exporting from the console of a loaded plugin, as a user meets them.

#include <fstream>
#include <sstream>

#include "tests/plugin/PluginFixture.h"

namespace fs = std::filesystem;

namespace Quorvel::Testing {
namespace {

class Recording : public PluginTest {
protected:
    // Two waypoints 30 frames apart, playback on and the replay back at frame 0.
    void SetUp() override {
        PluginTest::SetUp();
        EnterFlycamReplay();
        TakeAt(0, {0, 0, 100}, {0, 0, 0}, 90);
        TakeAt(30, {3000, 0, 100}, {0, 16384, 0}, 60);
        host.SetFrame(0);
        host.Run("dolly_activate");
        host.ClearLines();
    }

    fs::path InPaths(const std::string& name) { return host.DataFolder() / "campaths" / name; }

    // The CSV's rows after the header.
    std::vector<std::string> Rows(const std::string& name) {
        std::ifstream in(InPaths(name));
        std::vector<std::string> rows;
        for (std::string line; std::getline(in, line);)
            rows.push_back(line);
        if (!rows.empty())
            rows.erase(rows.begin());
        return rows;
    }
};

TEST_F(Recording, KeepsTheCameraTheGameGotOncePerReplayFrame) {
    host.Run("dolly_lock_target 1"); // aims at the ball: the recording has it, the path not
    host.Run("dolly_record_start take.csv");
    EXPECT_EQ(host.LastLine(), "Recording to " + InPaths("take.csv").string());
    std::vector<POV> seen;
    for (int i = 0; i < 4; ++i) {
        host.Tick();
        seen.push_back(host.Camera());
    }
    // Paused, the replay shows frame 4 for several ticks while the camera goes on a little:
    // its row stays as the frame was first shown.
    host.Pause();
    host.Tick(3);
    host.Run("dolly_record_stop");
    EXPECT_EQ(host.LastLine(), "Recorded 4 frames to " + InPaths("take.csv").string());
    const std::vector<std::string> rows = Rows("take.csv");
    ASSERT_EQ(rows.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        const POV& c = seen[static_cast<std::size_t>(i)];
        char want[256];
        std::snprintf(want, sizeof want, "%d,%d,%.6f,%.6f,%.6f,%.6f,%d,%d,%d,%.6f", i + 1, i + 1,
                      (i + 1) / 30.0, c.location.X, c.location.Y, c.location.Z, c.rotation.Pitch,
                      c.rotation.Yaw, c.rotation.Roll, c.fov);
        EXPECT_EQ(rows[static_cast<std::size_t>(i)], want);
    }
    EXPECT_NE(seen[0].rotation.Pitch, 0) << "the ball is below the camera: the lock tilts it";
}

TEST_F(Recording, StartingTwiceKeepsTheFirstRecordingAndItsFile) {
    host.Run("dolly_record_start first.gltf");
    host.Tick(2);
    host.Run("dolly_record_start second.chan");
    EXPECT_EQ(host.LastLine(), "Already recording to " + InPaths("first.gltf").string());
    host.Tick(2);
    host.Run("dolly_record_stop");
    EXPECT_EQ(host.LastLine(), "Recorded 4 frames to " + InPaths("first.gltf").string());
    EXPECT_FALSE(fs::exists(InPaths("second.chan")));
}

TEST_F(Recording, StoppingWithoutFramesWritesNothingAndEndsTheRecording) {
    host.Run("dolly_deactivate");
    host.Run("dolly_record_start empty.gltf");
    host.Tick(5);
    host.Run("dolly_record_stop");
    EXPECT_EQ(host.LastLine(), "Nothing recorded: playback wrote no frame");
    EXPECT_FALSE(fs::exists(InPaths("empty.gltf")));
    host.Run("dolly_record_stop");
    EXPECT_EQ(host.LastLine(), "Not recording");
}

TEST_F(Recording, LeavingTheReplaySavesWhatWasRecordedAndEndsIt) {
    host.Run("dolly_record_start cut.csv");
    host.Tick(3);
    host.ClearLines();
    host.Leave();
    EXPECT_EQ(host.Lines(),
              std::vector<std::string>{"Recorded 3 frames to " + InPaths("cut.csv").string()});
    EXPECT_EQ(Rows("cut.csv").size(), 3u);
    host.Run("dolly_record_stop");
    EXPECT_EQ(host.LastLine(), "Not recording");
    host.Run("dolly_record_start again.csv");
    EXPECT_EQ(host.LastLine(), "Not in a replay");
}

TEST_F(Recording, AFailedSaveKeepsRecordingUntilAnotherFileTakesIt) {
    fs::create_directories(host.DataFolder() / "campaths");
    std::ofstream(host.DataFolder() / "campaths" / "blocked") << "a file, not a folder";
    host.Run("dolly_record_start blocked/take.chan");
    host.Tick(2);
    host.Run("dolly_record_stop");
    const std::string line = host.LastLine();
    EXPECT_EQ(line.rfind("Could not save " + InPaths("blocked/take.chan").string() + ": ", 0), 0u)
        << line;
    EXPECT_EQ(line.substr(line.size() - 17), "; still recording");
    host.Tick(1);
    host.Run("dolly_record_stop kept.txt");
    EXPECT_EQ(host.LastLine(),
              "kept.txt: the format is chosen by the extension .gltf, .glb, .chan or .csv");
    host.Run("dolly_record_stop kept.chan");
    EXPECT_EQ(host.LastLine(), "Recorded 3 frames to " + InPaths("kept.chan").string());
}

TEST_F(Recording, ExportWritesThePathsOwnFlightFromFirstToLastWaypoint) {
    host.Run("dolly_lock_target 1"); // not part of the path's own flight
    host.Run("dolly_export flight.csv");
    EXPECT_EQ(host.LastLine(), "Exported 31 frames to " + InPaths("flight.csv").string());
    const std::vector<std::string> rows = Rows("flight.csv");
    ASSERT_EQ(rows.size(), 31u);
    EXPECT_EQ(rows.front(), "1,0,0.000000,0.000000,0.000000,100.000000,0,0,0,90.000000");
    EXPECT_EQ(rows.back(), "31,30,1.000000,3000.000000,0.000000,100.000000,0,16384,0,60.000000");

    host.Run("dolly_export flight.obj");
    EXPECT_EQ(host.LastLine(),
              "flight.obj: the format is chosen by the extension .gltf, .glb, .chan or .csv");
    EXPECT_FALSE(fs::exists(InPaths("flight.obj")));
    host.Run("dolly_path_clear");
    host.Run("dolly_export flight.csv");
    EXPECT_EQ(host.LastLine(), "Nothing to export: the path gives no camera");
    EXPECT_EQ(Rows("flight.csv").size(), 31u);
}

} // namespace
} // namespace Quorvel::Testing
