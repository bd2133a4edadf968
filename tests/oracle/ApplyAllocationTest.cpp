// Steady-state playback makes no heap allocation: once a path is built and played through
// once, every further frame of DollyCam::Apply (playback active, in a replay) runs without
// operator new.

#include <ostream>
#include <string>
#include <vector>

#include "tests/oracle/CountingAllocator.h"
#include "tests/plugin/PluginFixture.h"
#include "tests/support/RandomPath.h"

namespace Quorvel::Testing {
namespace {

constexpr int kSteadyFrames = 600;

struct PlaybackCase {
    int location = 5;
    int rotation = 5;
    bool speedNormalisation = false;
};

void PrintTo(const PlaybackCase& c, std::ostream* out) {
    *out << "modes " << c.location << "/" << c.rotation
         << (c.speedNormalisation ? ", constant speed" : "");
}

std::string CaseName(const ::testing::TestParamInfo<PlaybackCase>& info) {
    return "location" + std::to_string(info.param.location) + "_rotation" +
           std::to_string(info.param.rotation) +
           (info.param.speedNormalisation ? "_constant_speed" : "_replay_speed");
}

class SteadyPlaybackTest : public PluginTest, public ::testing::WithParamInterface<PlaybackCase> {
protected:
    void SetUp() override {
        PluginTest::SetUp();
        EnterFlycamReplay();
        host.Pause(); // frames move only where the test puts them
        host.Run("dolly_interpmode_location " + std::to_string(GetParam().location));
        host.Run("dolly_interpmode_rotation " + std::to_string(GetParam().rotation));
        host.Run(std::string("dolly_speed_norm ") + (GetParam().speedNormalisation ? "1" : "0"));
        RandomPathShape shape;
        shape.waypoints = 20;
        shape.firstFrame = 100;
        *Cam().snapshots = RandomPath(3, shape);
        Cam().UpdateLocationStrategy();
        Cam().UpdateRotationStrategy();
        host.Run("dolly_activate");
        first = Cam().snapshots->begin()->first;
        last = Cam().snapshots->rbegin()->first;
    }

    // The frame of step i: forward through the path, then again from its start.
    int FrameAt(int i) const { return first + i % (last - first + 1); }

    // Allocations made by `steps` frames, each moved to and then played.
    std::size_t AllocationsOver(int steps, bool play) {
        Corvane::Host::World& world = host.GetWorld();
        const std::size_t before = AllocationCount();
        for (int i = 0; i < steps; ++i) {
            world.SkipToFrame(FrameAt(i));
            if (play)
                Cam().Apply();
        }
        return AllocationCount() - before;
    }

    int first = 0, last = 0;
};

TEST_P(SteadyPlaybackTest, AllocatesNothingAfterWarmUp) {
    const long writes = host.GetWorld().CameraWriteCount();
    AllocationsOver(last - first + 1, true); // warm-up: one pass over every frame
    ASSERT_GT(host.GetWorld().CameraWriteCount(), writes) << "playback never wrote the camera";
    EXPECT_EQ(AllocationsOver(kSteadyFrames, true), 0u);
}

// The frame moves alone allocate nothing, so what the test above counts is playback's own.
TEST_P(SteadyPlaybackTest, MovingTheReplayAloneAllocatesNothing) {
    AllocationsOver(last - first + 1, true);
    EXPECT_EQ(AllocationsOver(kSteadyFrames, false), 0u);
}

// Kept where the compiler must assume it is read, so the allocation below is not elided.
std::vector<int>* volatile allocated = nullptr;

// The counter itself sees allocations, or every zero above would be meaningless.
TEST(CountingAllocatorTest, CountsAnAllocation) {
    const std::size_t before = AllocationCount();
    allocated = new std::vector<int>(100);
    const std::size_t after = AllocationCount();
    delete allocated;
    EXPECT_EQ(after - before, 2u); // the vector object and its elements
}

INSTANTIATE_TEST_SUITE_P(LinearAndHermite, SteadyPlaybackTest,
                         ::testing::Values(PlaybackCase{0, 0, false}, PlaybackCase{0, 0, true},
                                           PlaybackCase{7, 7, false}, PlaybackCase{7, 7, true}),
                         CaseName);

// The window's automatic choice and the default: the B-spline strategy's bisection included.
INSTANTIATE_TEST_SUITE_P(WithSpline, SteadyPlaybackTest,
                         ::testing::Values(PlaybackCase{7, 5, false}, PlaybackCase{7, 5, true},
                                           PlaybackCase{5, 5, false}, PlaybackCase{5, 5, true}),
                         CaseName);

} // namespace
} // namespace Quorvel::Testing
