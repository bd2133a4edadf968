#include "tests/oracle/OracleFixture.h"

#include <cmath>
#include <limits>
#include <random>

#include "tests/oracle/BitEqual.h"
#include "tests/oracle/ConsoleAccuracy.h"
#include "tests/oracle/PluginAdapter.h"

namespace Quorvel::Testing {

namespace {

constexpr int kReplayFps = 30;

std::string At(const Query& q) {
    return " at time " + Hex(q.time) + ", frame " + std::to_string(q.frame);
}

} // namespace

std::vector<Query> QueriesAcross(const SnapshotMap& path, std::uint32_t seed) {
    std::vector<Query> queries;
    std::mt19937 engine(seed);
    const auto fraction = [&engine] {
        return static_cast<float>(engine() % 2001) / 1000.0f;
    };
    for (auto a = path.begin(); a != path.end() && std::next(a) != path.end(); ++a) {
        const CameraSnapshot& first = a->second;
        const CameraSnapshot& second = std::next(a)->second;
        const float span = second.timestamp - first.timestamp;
        const float times[] = {first.timestamp, second.timestamp, first.timestamp + span / 2,
                               first.timestamp + span * (fraction() - 0.5f)};
        const int frames[] = {first.frame, first.frame + (second.frame - first.frame) / 2,
                              second.frame - 1};
        for (int frame : frames)
            for (float time : times)
                queries.push_back({time, frame});
    }
    if (path.empty())
        return queries;
    const float t0 = path.begin()->second.timestamp;
    const float t1 = path.rbegin()->second.timestamp;
    const int f0 = path.begin()->first;
    const int f1 = path.rbegin()->first;
    const float inf = std::numeric_limits<float>::infinity();
    const float times[] = {t0,           t1,       t0 - 2.0f,
                           t1 + 2.0f,    -1000.0f, 1.0e6f,
                           inf,          -inf,     std::numeric_limits<float>::quiet_NaN(),
                           (t0 + t1) / 2};
    const int frames[] = {f0 - 1,
                          f0,
                          f1 - 1,
                          f1,
                          f1 + 1,
                          std::numeric_limits<int>::min(),
                          std::numeric_limits<int>::max()};
    for (int frame : frames)
        for (float time : times)
            queries.push_back({time, frame});
    return queries;
}

std::vector<int> FramesAcross(const SnapshotMap& path) {
    std::vector<int> frames;
    if (path.empty())
        return frames;
    for (int f = path.begin()->first - 2; f <= path.rbegin()->first + 2; ++f)
        frames.push_back(std::max(f, 0));
    return frames;
}

void OracleTest::SetUp() {
    PluginTest::SetUp();
    EnterFlycamReplay(kReplayFps);
    host.Pause(); // the replay frame stays where a test puts it
    oracle.replayFps = kReplayFps;
    oracle.splineAccuracy = Oracle::ConsoleAccuracy(Cam().cvarManager);
    recorder = std::make_shared<RecordingApplier>();
    Cam().gameApplier = recorder;
}

void OracleTest::UseModes(int location, int rotation) {
    host.Run("dolly_interpmode_location " + std::to_string(location));
    host.Run("dolly_interpmode_rotation " + std::to_string(rotation));
    oracle.locationMode = location;
    oracle.rotationMode = rotation;
}

void OracleTest::UseChaikinDegree(int degree) {
    host.Run("dolly_chaikin_degree " + std::to_string(degree));
    oracle.chaikinDegree = degree;
}

void OracleTest::UseSpeedNormalisation(bool on) {
    host.Run(std::string("dolly_speed_norm ") + (on ? "1" : "0"));
    oracle.speedNormalisation = on;
}

void OracleTest::UseSplineAccuracy(int accuracy) {
    host.Run("dolly_spline_acc " + std::to_string(accuracy)); // the oracle reads it too
}

void OracleTest::UseFrameShift(int frames) {
    host.Run("dolly_frame_shift " + std::to_string(frames));
    oracle.frameShift = Cam().frameShift; // the variable's handler limits the shift
}

void OracleTest::Install(const SnapshotMap& path) {
    *Cam().snapshots = path;
    Cam().UpdateLocationStrategy();
    Cam().UpdateRotationStrategy();
    oracle.snapshots = path;
    oracle.UpdateLocationStrategy();
    oracle.UpdateRotationStrategy();
}

void OracleTest::ExpectSameStrategies(const std::vector<Query>& queries, const std::string& what) {
    ASSERT_TRUE(oracle.locationStrategy && oracle.rotationStrategy) << what;
    for (const Query& q : queries) {
        const auto location = SamePose(PluginLocationPose(Cam(), q.time, q.frame),
                                       oracle.locationStrategy->Evaluate(q.time, q.frame));
        if (!location) {
            ADD_FAILURE() << what << ": location strategy" << At(q) << "\n" << location.message();
            return;
        }
        const auto rotation = SamePose(PluginRotationPose(Cam(), q.time, q.frame),
                                       oracle.rotationStrategy->Evaluate(q.time, q.frame));
        if (!rotation) {
            ADD_FAILURE() << what << ": rotation strategy" << At(q) << "\n" << rotation.message();
            return;
        }
    }
}

void OracleTest::ExpectSamePathCache(const std::string& what) {
    EXPECT_TRUE(SamePathCache(PluginPathCache(Cam()), OraclePathCache(oracle)))
        << what << ": path cache";
}

void OracleTest::ExpectSameArcLengthTable(const std::string& what) {
    EXPECT_TRUE(SameArcLengthTable(PluginArcLengthTable(Cam()), oracle.arcLengthTable))
        << what << ": arc-length table";
}

void OracleTest::ExpectSameDerived(const std::string& what, std::uint32_t seed) {
    ExpectSameStrategies(QueriesAcross(oracle.snapshots, seed), what);
    ExpectSamePathCache(what);
    ExpectSameArcLengthTable(what);
}

void OracleTest::ExpectSamePlayback(const std::vector<int>& frames, int tickEvery,
                                    const std::string& what) {
    Cam().Activate();
    Corvane::Host::World& world = host.GetWorld();
    for (std::size_t i = 0; i < frames.size(); ++i) {
        world.SkipToFrame(frames[i]);
        if (tickEvery > 0 && i % static_cast<std::size_t>(tickEvery) == 0) {
            // Only the game clock should move: no playback inside the tick.
            Cam().isActive = false;
            host.Tick();
            Cam().isActive = true;
        }
        const int writesBefore = recorder->writes;
        Cam().Apply();
        const bool written = recorder->writes != writesBefore;
        const std::optional<CameraPose> expected =
            oracle.Step(world.Frame(), world.SecondsElapsed());
        const std::string step = what + ": playback step " + std::to_string(i) + ", frame " +
                                 std::to_string(frames[i]) + ", clock " +
                                 Hex(world.SecondsElapsed());
        if (written != expected.has_value()) {
            ADD_FAILURE() << step << ": the plugin " << (written ? "wrote" : "did not write")
                          << " the camera, the oracle " << (expected ? "would" : "would not");
            return;
        }
        if (written) {
            const auto same = SamePose(recorder->last, *expected);
            if (!same) {
                ADD_FAILURE() << step << "\n" << same.message();
                return;
            }
        }
    }
}

} // namespace Quorvel::Testing
