// Paths at the edges of what the strategies handle, in every mode pair: the plugin must still
// equal the oracle bit for bit.

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "tests/oracle/ModePairs.h"
#include "tests/oracle/OracleFixture.h"
#include "tests/support/RandomPath.h"

namespace Quorvel::Testing {
namespace {

CameraSnapshot Waypoint(int frame, float time, Vector location, FloatRotator rotation = {},
                        float fov = 90.0f) {
    CameraSnapshot w;
    w.frame = frame;
    w.timestamp = time;
    w.location = location;
    w.rotation = rotation;
    w.FOV = fov;
    return w;
}

SnapshotMap PathOf(const std::vector<CameraSnapshot>& waypoints) {
    SnapshotMap path;
    for (const CameraSnapshot& w : waypoints)
        path[w.frame] = w;
    return path;
}

std::vector<bool> ConstantSpeedSettings() {
    return kSanitized ? std::vector<bool>{true} : std::vector<bool>{false, true};
}

class EdgeCasesTest : public OracleTest {
protected:
    // Installs the path under every mode pair, with constant speed off and on (on only in the
    // sanitizer build), and compares.
    void ExpectSameInEveryMode(const SnapshotMap& path, const std::string& what) {
        for (const ModePair& modes : ModePairs()) {
            for (bool constantSpeed : ConstantSpeedSettings()) {
                Install(SnapshotMap{}); // settings change without rebuilding the last path
                UseModes(modes.location, modes.rotation);
                UseSpeedNormalisation(constantSpeed);
                Install(path);
                const std::string name =
                    what + ", " + modes.Name() + (constantSpeed ? ", constant speed" : "");
                ExpectSameDerived(name);
                ExpectSamePlayback(FramesAcross(path), 2, name);
                if (HasFailure())
                    return;
            }
        }
    }
};

TEST_F(EdgeCasesTest, EmptyOneTwoThreeAndFourWaypoints) {
    ExpectSameInEveryMode(SnapshotMap{}, "no waypoints");
    for (int count = 1; count <= 4; ++count) {
        RandomPathShape shape;
        shape.waypoints = count;
        shape.firstFrame = 40;
        ExpectSameInEveryMode(RandomPath(11, shape), std::to_string(count) + " waypoints");
    }
}

// The frame picks the segment and the time may lie anywhere: a strategy that found its
// segment from the time would pass the other tests and fail here.
TEST_F(EdgeCasesTest, TimesOfOneSegmentAskedInEveryOther) {
    RandomPathShape shape;
    shape.waypoints = 7;
    shape.firstFrame = 30;
    const SnapshotMap path = RandomPath(5, shape);
    std::vector<Query> queries;
    for (const auto& [frame, w] : path)
        for (const auto& [otherFrame, other] : path)
            for (float offset : {0.0f, 0.25f, -0.6f})
                queries.push_back({other.timestamp + offset, frame});
    for (const ModePair& modes : ModePairs()) {
        UseModes(modes.location, modes.rotation);
        Install(path);
        ExpectSameStrategies(queries, modes.Name());
    }
}

TEST_F(EdgeCasesTest, EqualTimestamps) {
    // Two neighbours at one moment, in the middle and at both ends.
    ExpectSameInEveryMode(
        PathOf({Waypoint(30, 1.0f, {0, 0, 100}), Waypoint(60, 2.0f, {300, 0, 100}),
                Waypoint(90, 2.0f, {600, 300, 100}, {0, 9000, 0}),
                Waypoint(120, 4.0f, {900, 0, 200}, {500, -20000, 0}),
                Waypoint(150, 5.0f, {1200, 600, 0})}),
        "a pair at one moment");
    ExpectSameInEveryMode(
        PathOf({Waypoint(30, 1.0f, {0, 0, 100}), Waypoint(31, 1.0f, {50, 0, 100}),
                Waypoint(90, 3.0f, {600, 300, 100}), Waypoint(120, 4.0f, {900, 0, 200}),
                Waypoint(121, 4.0f, {950, 0, 200})}),
        "pairs at one moment at both ends");
    ExpectSameInEveryMode(
        PathOf({Waypoint(30, 2.0f, {0, 0, 100}), Waypoint(60, 2.0f, {300, 0, 0}),
                Waypoint(90, 2.0f, {600, 300, 100}), Waypoint(120, 2.0f, {900, 0, 200})}),
        "every waypoint at one moment");
}

TEST_F(EdgeCasesTest, ChaikinSubdividedPaths) {
    RandomPathShape shape;
    shape.waypoints = 6;
    shape.firstFrame = 300;
    const SnapshotMap path = RandomPath(21, shape);
    // Waypoints one to three frames apart: subdivision runs out of free frames.
    const SnapshotMap crowded =
        PathOf({Waypoint(50, 50 / 30.0f, {0, 0, 0}), Waypoint(51, 51 / 30.0f, {40, 10, 0}),
                Waypoint(53, 53 / 30.0f, {90, -20, 30}, {100, 30000, 0}),
                Waypoint(56, 56 / 30.0f, {120, 0, 60}, {0, -31000, 500}),
                Waypoint(57, 57 / 30.0f, {160, 50, 60})});
    for (int degree : {1, 2, 3, 20}) {
        UseChaikinDegree(degree);
        ExpectSameInEveryMode(path, "Chaikin degree " + std::to_string(degree));
        ExpectSameInEveryMode(crowded, "crowded, Chaikin degree " + std::to_string(degree));
    }
}

TEST_F(EdgeCasesTest, CustomHandles) {
    RandomPathShape shape;
    shape.waypoints = 8;
    shape.firstFrame = 90;
    shape.customHandleEvery = 1; // every waypoint, the two ends included
    ExpectSameInEveryMode(RandomPath(8, shape), "custom handles everywhere");
    // Marked custom with zero offsets, and handles far beyond the neighbours.
    SnapshotMap odd = RandomPath(9, shape);
    int i = 0;
    for (auto& [frame, w] : odd) {
        w.v3_bz_has_custom = true;
        w.v3_bz_ctrl_out = i % 2 == 0 ? Vector() : Vector(20000, -15000, 9000);
        w.v3_bz_ctrl_in = i % 3 == 0 ? Vector() : Vector(-4000, 100, -8000);
        ++i;
    }
    ExpectSameInEveryMode(odd, "zero and far-reaching custom handles");
}

// 21 waypoints is the N-Bezier curve's last exact degree; beyond it the terms are computed in
// log space. Above 100 waypoints every table and search in the strategies is long.
TEST_F(EdgeCasesTest, ManyWaypoints) {
    for (int count : {21, 22, 30}) {
        RandomPathShape shape;
        shape.waypoints = count;
        shape.firstFrame = 15;
        shape.spanFrames = count * 10; // closer than usual keeps the test short
        ExpectSameInEveryMode(RandomPath(static_cast<std::uint32_t>(count), shape),
                              std::to_string(count) + " waypoints");
    }
}

TEST_F(EdgeCasesTest, OverAHundredWaypoints) {
    RandomPathShape shape;
    shape.waypoints = 110;
    shape.spanFrames = 110 * 12; // a waypoint every 12 frames keeps the test short
    shape.firstFrame = 1000;
    const SnapshotMap path = RandomPath(110, shape);
    for (const ModePair& modes : ModePairs()) {
        for (bool constantSpeed : ConstantSpeedSettings()) {
            Install(SnapshotMap{});
            UseModes(modes.location, modes.rotation);
            UseSpeedNormalisation(constantSpeed);
            Install(path);
            const std::string name = modes.Name() + (constantSpeed ? ", constant speed" : "");
            ExpectSameDerived(name);
            // Every third frame: enough to pass every segment.
            std::vector<int> frames;
            for (int f = path.begin()->first; f <= path.rbegin()->first; f += 3)
                frames.push_back(f);
            ExpectSamePlayback(frames, 4, name);
        }
    }
}

// Frames beyond 2^24 are not exact in float: subdivision keeps blended frames between their
// neighbours, and the cubic Hermite table keys its rows by float frames.
TEST_F(EdgeCasesTest, FramesBeyondFloatPrecision) {
    RandomPathShape shape;
    shape.waypoints = 6;
    shape.firstFrame = 20000001;
    const SnapshotMap path = RandomPath(4, shape);
    ExpectSameInEveryMode(path, "frames above 2^24");
    UseChaikinDegree(2);
    ExpectSameInEveryMode(path, "frames above 2^24, Chaikin degree 2");
}

TEST_F(EdgeCasesTest, ExtremeValues) {
    // Huge locations overflow in extrapolation; huge unwrapped angles take the remainder path;
    // timestamps 1e-7 s apart fall below the strategies' smallest spans.
    ExpectSameInEveryMode(
        PathOf({Waypoint(10, 0.0f, {1e30f, -1e30f, 0}, {0, 4e7f, 0}),
                Waypoint(20, 1.0f, {-1e30f, 1e30f, 1e30f}, {-4e7f, 0, 0}, 170.0f),
                Waypoint(30, 1.0000001f, {5, 5, 5}, {1e9f, -1e9f, 3e4f}, 1.5f),
                Waypoint(40, 3.0f, {0, 0, 0}, {32767.5f, -32768.0f, 32768.0f}, 0.5f),
                Waypoint(50, 4.0f, {1, 2, 3})}),
        "extreme values");
    // A first rotation that is not a number takes every pose's value away, also where only
    // the location is sampled (later ones are absorbed as turns of zero).
    ExpectSameInEveryMode(PathOf({Waypoint(10, 0.0f, {0, 0, 0}, {0, std::nanf(""), 0}),
                                  Waypoint(20, 1.0f, {9, 0, 0}), Waypoint(30, 2.0f, {0, 9, 0}),
                                  Waypoint(40, 3.0f, {0, 0, 9}), Waypoint(50, 4.0f, {1, 2, 3})}),
                          "a rotation not a number");
}

TEST_F(EdgeCasesTest, SplineAccuracyAndFailure) {
    RandomPathShape shape;
    shape.waypoints = 9;
    shape.firstFrame = 60;
    const SnapshotMap path = RandomPath(17, shape);
    for (int accuracy : {100, 123457}) {
        UseSplineAccuracy(accuracy);
        ExpectSameInEveryMode(path, "spline accuracy " + std::to_string(accuracy));
    }
    // Subdivided past 2500 points the spline cannot be built: it has no value anywhere.
    RandomPathShape dense;
    dense.waypoints = 100;
    dense.spanFrames = 99 * 30;
    const SnapshotMap many = RandomPath(18, dense);
    UseChaikinDegree(5);
    for (const ModePair& modes : {ModePair{5, 5}, ModePair{7, 5}}) {
        UseModes(modes.location, modes.rotation);
        Install(many);
        ExpectSameDerived("spline of too many points, " + modes.Name());
        ExpectSamePlayback({100, 101, 1500, 2900}, 1, "spline of too many points");
    }
}

} // namespace
} // namespace Quorvel::Testing
