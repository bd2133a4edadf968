// Playback frame by frame as a replay is watched: paused, jumped back, shifted, at another
// rate. The pose the plugin writes must equal the oracle's bit for bit.

#include <string>
#include <vector>

#include "tests/oracle/ModePairs.h"
#include "tests/oracle/OracleFixture.h"
#include "tests/support/RandomPath.h"

namespace Quorvel::Testing {
namespace {

class PlaybackTest : public OracleTest, public ::testing::WithParamInterface<ModePair> {
protected:
    SnapshotMap InstallRandomPath(std::uint32_t seed, bool constantSpeed) {
        Install(SnapshotMap{});
        UseModes(GetParam().location, GetParam().rotation);
        UseSpeedNormalisation(constantSpeed);
        RandomPathShape shape;
        shape.waypoints = 6;
        shape.firstFrame = 200;
        SnapshotMap path = RandomPath(seed, shape);
        Install(path);
        return path;
    }
};

// Frames held for several game ticks (a paused replay), jumps back to the start and into the
// middle, frames skipped, and frames outside the path.
TEST_P(PlaybackTest, PausedJumpedAndSkippedFrames) {
    for (bool constantSpeed : {false, true}) {
        const SnapshotMap path = InstallRandomPath(31, constantSpeed);
        const int first = path.begin()->first;
        const int last = path.rbegin()->first;
        const int middle = (first + last) / 2;
        std::vector<int> frames;
        for (int f = first; f < first + 12; ++f)
            frames.insert(frames.end(), {f, f, f});
        frames.insert(frames.end(), {first, first + 1, middle, middle + 2, middle + 5, first - 3,
                                     middle, last - 1, last, last, last + 4, first, first + 2});
        ExpectSamePlayback(frames, 1, constantSpeed ? "constant speed" : "replay speed");
        // A clock that the replay does not keep up with, and one that never moves.
        ExpectSamePlayback(FramesAcross(path), 1, "the clock runs every frame");
        ExpectSamePlayback(FramesAcross(path), 0, "the clock stands still");
    }
}

TEST_P(PlaybackTest, ShiftedFrames) {
    for (int shift : {7, -12}) {
        UseFrameShift(shift);
        const SnapshotMap path = InstallRandomPath(32, shift > 0);
        ExpectSamePlayback(FramesAcross(path), 2, "shift " + std::to_string(shift));
        std::vector<int> around;
        for (int f = path.begin()->first - 25; f <= path.begin()->first + 25; ++f)
            around.push_back(f);
        for (int f = path.rbegin()->first - 25; f <= path.rbegin()->first + 25; ++f)
            around.push_back(f);
        ExpectSamePlayback(around, 3, "shift " + std::to_string(shift) + " at the ends");
    }
}

INSTANTIATE_TEST_SUITE_P(ModePairs, PlaybackTest, ::testing::ValuesIn(ModePairs()),
                         [](const auto& info) { return info.param.Name(); });

// A 60 fps replay: the path cache's default rate and the clock's frame period both follow it.
class FastReplayTest : public OracleTest {};

TEST_F(FastReplayTest, SixtyFramesASecond) {
    host.Leave();
    EnterFlycamReplay(60);
    host.Pause();
    oracle.replayFps = 60.0f;
    RandomPathShape shape;
    shape.waypoints = 5;
    shape.fps = 60;
    shape.firstFrame = 120;
    const SnapshotMap path = RandomPath(60, shape);
    for (const ModePair& modes : {ModePair{7, 5}, ModePair{5, 5}, ModePair{0, 0}}) {
        Install(SnapshotMap{});
        UseModes(modes.location, modes.rotation);
        Install(path);
        ExpectSameDerived("60 fps, " + modes.Name());
        ExpectSamePlayback(FramesAcross(path), 2, "60 fps, " + modes.Name());
    }
}

} // namespace
} // namespace Quorvel::Testing
