// Track files: the format by extension, the text of each format on worked numbers, and
// exports that fail without leaving a partial file.

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <cmath>
#include <csignal>
#include <cstring>

#include <nlohmann/json.hpp>

#include "export/ChanWriter.h"
#include "export/CsvWriter.h"
#include "export/GltfWriter.h"
#include "export/TrackFile.h"
#include "tests/storage/StorageTestSupport.h"

namespace fs = std::filesystem;
using StorageTest::ReadText;
using StorageTest::TempFolder;
using Names = std::vector<std::string>;

namespace {

// Frames 10 and 11 at 30 fps: the second turned and moved.
CameraTrack TwoFrames() {
    CameraTrack track;
    track.samples.push_back({10, 1.0 / 3.0, 100, 200, 300, 0, 0, 0, 90});
    track.samples.push_back({11, 11.0 / 30.0, 100.5f, -200, 0, -100.9f, 16384, 2000, 70});
    return track;
}

} // namespace

TEST(TrackFormat, TheExtensionChoosesInAnyCaseAndNothingElseIsGuessed) {
    TrackFormat format;
    for (const char* name : {"a.gltf", "b/A.GLTF", "c.glb", "d.Chan", "e.csv"})
        EXPECT_TRUE(TrackFormatOf(name, format)) << name;
    EXPECT_TRUE(TrackFormatOf("x.GlB", format));
    EXPECT_EQ(format, TrackFormat::Glb);
    for (const char* name : {"shot", "shot.json", "shot.gltf.txt", ".gltf", "gltf"})
        EXPECT_FALSE(TrackFormatOf(name, format)) << name;
}

TEST(TrackText, CsvAndChanOnWorkedNumbers) {
    // CSV: the camera as the game holds it, rotation made whole toward zero.
    EXPECT_EQ(CsvText(TwoFrames()),
              "tick,frame,seconds,x,y,z,pitch,yaw,roll,fov\n"
              "1,10,0.333333,100.000000,200.000000,300.000000,0,0,0,90.000000\n"
              "2,11,0.366667,100.500000,-200.000000,0.000000,-100,16384,2000,"
              "70.000000\n");
    // .chan, Y up metres: game (100, 200, 300) is (1, 3, 2); looking along game +X is a turn of
    // -90 degrees about Y; 90 degrees across 16:9 is 58.7155 degrees up and down.
    const std::string chan = ChanText(TwoFrames());
    EXPECT_EQ(chan.substr(0, chan.find('\n')),
              "10 1.000000 3.000000 2.000000 0.000000 -90.000000 0.000000 58.715507");
}

TEST(TrackText, ChanAnglesKeepTurningThroughTheHalfTurn) {
    // Yaw passes 16384 (game +Y), where the Y rotation passes -180 degrees: it runs on by about
    // a degree a sample instead of jumping a full turn.
    CameraTrack track;
    for (int i = 0; i < 3; ++i)
        track.samples.push_back({i, i / 30.0, 0, 0, 0, 0, 16384.0f - 182 + 182 * i, 0, 90});
    std::vector<double> turns;
    std::istringstream lines(ChanText(track));
    for (std::string line; std::getline(lines, line);) {
        double f, tx, ty, tz, rx, ry;
        std::istringstream(line) >> f >> tx >> ty >> tz >> rx >> ry;
        turns.push_back(ry);
    }
    ASSERT_EQ(turns.size(), 3u);
    EXPECT_NEAR(turns[1] - turns[0], -1.0, 0.01);
    EXPECT_NEAR(turns[2] - turns[1], -1.0, 0.01);
}

TEST(TrackText, GlbHoldsTheSameSceneWithAPointerChannelWithoutNode) {
    std::string gltf, glb, error;
    ASSERT_TRUE(GltfBytes(TwoFrames(), false, gltf, error)) << error;
    ASSERT_TRUE(GltfBytes(TwoFrames(), true, glb, error)) << error;
    ASSERT_GE(glb.size(), 20u);
    std::uint32_t header[5];
    std::memcpy(header, glb.data(), sizeof header);
    EXPECT_EQ(header[0], 0x46546C67u); // "glTF"
    EXPECT_EQ(header[1], 2u);
    EXPECT_EQ(header[2], glb.size());
    EXPECT_EQ(header[3] % 4, 0u);
    const auto inner = nlohmann::json::parse(glb.substr(20, header[3]));
    const auto outer = nlohmann::json::parse(gltf);
    EXPECT_EQ(inner["animations"], outer["animations"]);
    const auto& target = outer["animations"][0]["channels"][2]["target"];
    EXPECT_FALSE(target.contains("node"));
    EXPECT_EQ(target["extensions"]["KHR_animation_pointer"]["pointer"],
              "/cameras/0/perspective/yfov");
    EXPECT_EQ(outer["extensionsUsed"], nlohmann::json::array({"KHR_animation_pointer"}));
    EXPECT_FALSE(outer.contains("extensionsRequired"));
    EXPECT_NEAR(outer["accessors"][0]["max"][0].get<double>(), 1.0 / 30.0, 1e-7);
}

TEST(TrackFile, WhatCannotBeWrittenIsRefusedAndLeavesNoPartialFile) {
    TempFolder folder;
    std::string error;
    ASSERT_TRUE(WriteTrackFile(folder / "keep.gltf", TwoFrames(), error)) << error;
    const std::string before = ReadText(folder / "keep.gltf");

    CameraTrack equalTimes = TwoFrames();
    equalTimes.samples[1].seconds = equalTimes.samples[0].seconds;
    EXPECT_FALSE(WriteTrackFile(folder / "keep.gltf", equalTimes, error));
    EXPECT_EQ(error, "the replay time does not rise from frame 10 to frame 11");
    EXPECT_TRUE(WriteTrackFile(folder / "frames.chan", equalTimes, error)) << error;
    // A microsecond apart 1000 s in: distinct as doubles, one and the same float in the file.
    equalTimes.samples[0].seconds = 1000.0;
    equalTimes.samples[1].seconds = 1000.000001;
    equalTimes.samples.insert(equalTimes.samples.begin(), TwoFrames().samples[0]);
    equalTimes.samples[0].frame = 9;
    EXPECT_FALSE(WriteTrackFile(folder / "keep.glb", equalTimes, error));
    EXPECT_EQ(error, "the replay time does not rise from frame 10 to frame 11");

    CameraTrack broken = TwoFrames();
    broken.samples[1].yaw = NAN;
    EXPECT_FALSE(WriteTrackFile(folder / "keep.gltf", broken, error));
    EXPECT_EQ(error, "frame 11 holds a value that is not finite");
    EXPECT_FALSE(WriteTrackFile(folder / "keep.gltf", CameraTrack(), error));
    EXPECT_EQ(error, "there is no frame to write");

    // A folder in the way of the file, and a file in the way of the folder.
    fs::create_directories(folder / "taken.glb" / "inside");
    EXPECT_FALSE(WriteTrackFile(folder / "taken.glb", TwoFrames(), error));
    EXPECT_FALSE(WriteTrackFile(folder / "keep.gltf" / "x.chan", TwoFrames(), error));
    EXPECT_EQ(ReadText(folder / "keep.gltf"), before);
    EXPECT_EQ(folder.Names(), (Names{"frames.chan", "keep.gltf", "taken.glb"}));
}

TEST(TrackFile, AnExportThatRunsOutOfSpaceKeepsThePreviousFile) {
    TempFolder folder;
    std::string error;
    CameraTrack one = TwoFrames();
    one.samples.pop_back();
    ASSERT_TRUE(WriteTrackFile(folder / "shot.glb", one, error)) << error;
    const std::string before = ReadText(folder / "shot.glb");
    // A file size limit fails the write as a full disk would (permission bits do not stop root).
    rlimit previous{};
    getrlimit(RLIMIT_FSIZE, &previous);
    const rlimit limit{before.size() + 1, previous.rlim_max};
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
    const bool written = WriteTrackFile(folder / "shot.glb", TwoFrames(), error);
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, handler);
    EXPECT_FALSE(written);
    EXPECT_EQ(ReadText(folder / "shot.glb"), before);
    EXPECT_EQ(folder.Names(), Names{"shot.glb"});
}
