// Whole-path edits: worked numbers, the fields each edit must leave alone, and the cases that
// change nothing.

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "tools/PathTransforms.h"

namespace {

CameraSnapshot Record(int frame, float timestamp, Vector location, FloatRotator rotation = {}) {
    CameraSnapshot s;
    s.frame = frame;
    s.timestamp = timestamp;
    s.FOV = 90.0f;
    s.location = location;
    s.rotation = rotation;
    return s;
}

// One waypoint with every field set, so an edit that touches too much shows.
CameraSnapshot Full() {
    CameraSnapshot s = Record(100, 1.5f, {10.0f, 20.0f, 30.0f}, {1000.0f, 16384.0f, 200.0f});
    s.weight = 2.0f;
    s.v3_kb_tension = 0.1f;
    s.v3_kb_bias = 0.2f;
    s.v3_kb_continuity = 0.3f;
    s.v3_bz_has_custom = true;
    s.v3_bz_ctrl_out = {1.0f, 2.0f, 3.0f};
    s.v3_bz_ctrl_in = {-4.0f, -5.0f, -6.0f};
    return s;
}

// The fields no edit may change.
void ExpectUntouchedExtras(const CameraSnapshot& s) {
    EXPECT_EQ(s.timestamp, 1.5f);
    EXPECT_EQ(s.weight, 2.0f);
    EXPECT_EQ(s.v3_kb_tension, 0.1f);
    EXPECT_EQ(s.v3_kb_bias, 0.2f);
    EXPECT_EQ(s.v3_kb_continuity, 0.3f);
    EXPECT_TRUE(s.v3_bz_has_custom);
}

SnapshotMap Three() {
    return {{100, Record(100, 1.0f, {1.0f, 0.0f, 0.0f}, {10.0f, 0.0f, 0.0f})},
            {200, Record(200, 2.0f, {2.0f, 0.0f, 0.0f}, {20.0f, 0.0f, 0.0f})},
            {300, Record(300, 3.0f, {3.0f, 0.0f, 0.0f}, {30.0f, 0.0f, 0.0f})}};
}

} // namespace

// --- Mirror ----------------------------------------------------------------------------------

struct MirrorCase {
    int axis;
    bool mirrorRotation;
    Vector location;
    Vector out;
    Vector in;
    FloatRotator rotation;
};

class Mirror : public ::testing::TestWithParam<MirrorCase> {};

TEST_P(Mirror, NegatesOneAxisAndTheChosenRotations) {
    const MirrorCase& c = GetParam();
    SnapshotMap path{{100, Full()}};
    MirrorSnapshots(path, c.axis, c.mirrorRotation);
    const CameraSnapshot& s = path.at(100);
    EXPECT_EQ(s.location, c.location);
    EXPECT_EQ(s.v3_bz_ctrl_out, c.out);
    EXPECT_EQ(s.v3_bz_ctrl_in, c.in);
    EXPECT_EQ(s.rotation, c.rotation);
    EXPECT_EQ(s.FOV, 90.0f);
    ExpectUntouchedExtras(s);
}

INSTANTIATE_TEST_SUITE_P(
    Axes, Mirror,
    ::testing::Values(
        MirrorCase{0, true, {-10, 20, 30}, {-1, 2, 3}, {4, -5, -6}, {1000, -16384, -200}},
        MirrorCase{1, true, {10, -20, 30}, {1, -2, 3}, {-4, 5, -6}, {-1000, -16384, 200}},
        MirrorCase{2, true, {10, 20, -30}, {1, 2, -3}, {-4, -5, 6}, {-1000, 16384, -200}},
        MirrorCase{1, false, {10, -20, 30}, {1, -2, 3}, {-4, 5, -6}, {1000, 16384, 200}},
        MirrorCase{5, true, {10, 20, 30}, {1, 2, 3}, {-4, -5, -6}, {1000, 16384, 200}},
        MirrorCase{-1, true, {10, 20, 30}, {1, 2, 3}, {-4, -5, -6}, {1000, 16384, 200}}));

TEST(MirrorTwice, IsTheIdentity) {
    for (int axis = 0; axis < 3; ++axis) {
        SnapshotMap path{{100, Full()}};
        MirrorSnapshots(path, axis, true);
        MirrorSnapshots(path, axis, true);
        EXPECT_EQ(path.at(100), Full()) << "axis " << axis;
    }
}

// --- Offset and scale ------------------------------------------------------------------------

TEST(Offset, MovesLocationsAndLeavesHandleOffsets) {
    SnapshotMap path{{100, Full()}, {200, Record(200, 2.0f, {-1.0f, -2.0f, -3.0f})}};
    OffsetSnapshots(path, 10.0f, 0.0f, -0.5f);
    EXPECT_EQ(path.at(100).location, Vector(20.0f, 20.0f, 29.5f));
    EXPECT_EQ(path.at(200).location, Vector(9.0f, -2.0f, -3.5f));
    EXPECT_EQ(path.at(100).v3_bz_ctrl_out, Full().v3_bz_ctrl_out);
    EXPECT_EQ(path.at(100).v3_bz_ctrl_in, Full().v3_bz_ctrl_in);
    EXPECT_EQ(path.at(100).rotation, Full().rotation);
}

TEST(Scale, ByTwoDoublesLocationsAndHandles) {
    SnapshotMap path{{100, Full()}};
    ASSERT_TRUE(ScaleSnapshots(path, 2.0f));
    const CameraSnapshot& s = path.at(100);
    EXPECT_EQ(s.location, Vector(20.0f, 40.0f, 60.0f));
    EXPECT_EQ(s.v3_bz_ctrl_out, Vector(2.0f, 4.0f, 6.0f));
    EXPECT_EQ(s.v3_bz_ctrl_in, Vector(-8.0f, -10.0f, -12.0f));
    EXPECT_EQ(s.rotation, Full().rotation);
    ExpectUntouchedExtras(s);
}

class ScaleIgnored : public ::testing::TestWithParam<float> {};

TEST_P(ScaleIgnored, ChangesNothing) {
    SnapshotMap path{{100, Full()}};
    EXPECT_FALSE(ScaleSnapshots(path, GetParam()));
    EXPECT_EQ(path.at(100), Full());
}

INSTANTIATE_TEST_SUITE_P(Factors, ScaleIgnored,
                         ::testing::Values(0.0f, -0.0f, -2.0f,
                                           std::numeric_limits<float>::quiet_NaN(),
                                           -std::numeric_limits<float>::infinity()));

// --- Rotate ----------------------------------------------------------------------------------

TEST(Rotate, NinetyAboutZSendsXToY) {
    SnapshotMap path{{100, Record(100, 1.5f, {100.0f, 0.0f, 0.0f}, {1.0f, 2.0f, 3.0f})}};
    path[100].v3_bz_ctrl_out = {0.0f, 10.0f, 5.0f};
    RotateSnapshots(path, 0.0f, 0.0f, 90.0f);
    const CameraSnapshot& s = path.at(100);
    EXPECT_NEAR(s.location.X, 0.0f, 1e-4f);
    EXPECT_FLOAT_EQ(s.location.Y, 100.0f);
    EXPECT_EQ(s.location.Z, 0.0f);
    EXPECT_FLOAT_EQ(s.v3_bz_ctrl_out.X, -10.0f);
    EXPECT_NEAR(s.v3_bz_ctrl_out.Y, 0.0f, 1e-5f);
    EXPECT_EQ(s.v3_bz_ctrl_out.Z, 5.0f);
    EXPECT_EQ(s.rotation, (FloatRotator{1.0f, 2.0f, 3.0f})); // the camera keeps its aim
    EXPECT_EQ(s.FOV, 90.0f);
}

TEST(Rotate, NinetyAboutXAndAboutYFollowTheirFormulas) {
    SnapshotMap aboutX{{1, Record(1, 0.0f, {0.0f, 100.0f, 0.0f})}};
    RotateSnapshots(aboutX, 90.0f, 0.0f, 0.0f); // y' = c*y - s*z, z' = s*y + c*z
    EXPECT_NEAR(aboutX.at(1).location.Y, 0.0f, 1e-4f);
    EXPECT_FLOAT_EQ(aboutX.at(1).location.Z, 100.0f);

    SnapshotMap aboutY{{1, Record(1, 0.0f, {100.0f, 0.0f, 0.0f})}};
    RotateSnapshots(aboutY, 0.0f, 90.0f, 0.0f); // x' = c*x + s*z, z' = c*z - s*x
    EXPECT_NEAR(aboutY.at(1).location.X, 0.0f, 1e-4f);
    EXPECT_FLOAT_EQ(aboutY.at(1).location.Z, -100.0f);
}

TEST(Rotate, AppliesXThenYThenZ) {
    // (0, 1, 0): about X by 90 gives (0, 0, 1); about Y by 90 then gives (1, 0, 0). The other
    // order would leave (0, 0, 1).
    SnapshotMap path{{1, Record(1, 0.0f, {0.0f, 1.0f, 0.0f})}};
    RotateSnapshots(path, 90.0f, 90.0f, 0.0f);
    EXPECT_FLOAT_EQ(path.at(1).location.X, 1.0f);
    EXPECT_NEAR(path.at(1).location.Y, 0.0f, 1e-6f);
    EXPECT_NEAR(path.at(1).location.Z, 0.0f, 1e-6f);
}

TEST(Rotate, ZeroAnglesLeaveEveryBitAndAFullTurnComesBackClose) {
    SnapshotMap path{{100, Full()}};
    RotateSnapshots(path, 0.0f, -0.0f, 0.0f);
    EXPECT_EQ(path.at(100), Full());
    RotateSnapshots(path, 360.0f, 0.0f, 0.0f);
    EXPECT_NEAR(path.at(100).location.Y, 20.0f, 1e-4f);
    EXPECT_NEAR(path.at(100).location.Z, 30.0f, 1e-4f);
    ExpectUntouchedExtras(path.at(100));
}

// --- Reverse ---------------------------------------------------------------------------------

TEST(Reverse, RecordsSwapFramesWhileTimestampsTravelWithThem) {
    SnapshotMap path = Three();
    path[100].weight = 5.0f;
    ASSERT_TRUE(ReverseSnapshots(path));
    ASSERT_EQ(path.size(), 3u);
    const int frames[] = {100, 200, 300};
    const float timestamps[] = {3.0f, 2.0f, 1.0f};
    const float x[] = {3.0f, 2.0f, 1.0f};
    for (int i = 0; i < 3; ++i) {
        const CameraSnapshot& s = path.at(frames[i]);
        EXPECT_EQ(s.frame, frames[i]);
        EXPECT_EQ(s.timestamp, timestamps[i]);
        EXPECT_EQ(s.location.X, x[i]);
    }
    EXPECT_EQ(path.at(300).weight, 5.0f); // the first record's weight went with it
}

TEST(Reverse, TwiceIsTheIdentity) {
    SnapshotMap path = Three();
    path[150] = Full();
    path[150].frame = 150;
    ReverseSnapshots(path);
    ReverseSnapshots(path);
    EXPECT_EQ(path, [] {
        SnapshotMap p = Three();
        p[150] = Full();
        p[150].frame = 150;
        return p;
    }());
}

TEST(Reverse, FewerThanTwoChangeNothing) {
    SnapshotMap empty;
    EXPECT_FALSE(ReverseSnapshots(empty));
    SnapshotMap one{{100, Full()}};
    EXPECT_FALSE(ReverseSnapshots(one));
    EXPECT_EQ(one.at(100), Full());
}

// --- Smooth ----------------------------------------------------------------------------------

TEST(Smooth, UsesTheAlreadySmoothedEarlierNeighbour) {
    SnapshotMap path{{1, Record(1, 0.0f, {0.0f, 0.0f, 0.0f})},
                     {2, Record(2, 0.0f, {3.0f, 0.0f, 0.0f})},
                     {3, Record(3, 0.0f, {9.0f, 0.0f, 0.0f})},
                     {4, Record(4, 0.0f, {0.0f, 0.0f, 0.0f})}};
    ASSERT_TRUE(SmoothSnapshots(path));
    EXPECT_EQ(path.at(1).location.X, 0.0f);
    EXPECT_EQ(path.at(2).location.X, 4.0f);
    EXPECT_EQ(path.at(3).location.X, 4.3333335f);
    EXPECT_EQ(path.at(4).location.X, 0.0f);
}

TEST(Smooth, AveragesFovAndRotationAsPlainNumbers) {
    SnapshotMap path = Three();
    path[100].FOV = 60.0f;
    path[300].FOV = 120.0f;
    path[100].rotation.yaw = 32000.0f;
    path[200].rotation.yaw = -32000.0f; // no wrap-around: the mean is taken as written
    path[300].rotation.yaw = 32000.0f;
    ASSERT_TRUE(SmoothSnapshots(path));
    EXPECT_EQ(path.at(200).FOV, 90.0f);
    EXPECT_EQ(path.at(200).rotation.yaw, 10666.667f);
    EXPECT_EQ(path.at(200).rotation.pitch, 20.0f);
    EXPECT_EQ(path.at(200).timestamp, 2.0f);
    EXPECT_EQ(path.at(100).FOV, 60.0f); // the ends stay as they were
    EXPECT_EQ(path.at(100).location.X, 1.0f);
    EXPECT_EQ(path.at(300).FOV, 120.0f);
    EXPECT_EQ(path.at(300).rotation.yaw, 32000.0f);
}

TEST(Smooth, FewerThanThreeChangeNothing) {
    SnapshotMap two{{1, Record(1, 0.0f, {0.0f, 0.0f, 0.0f})},
                    {2, Record(2, 0.0f, {6.0f, 0.0f, 0.0f})}};
    const SnapshotMap before = two;
    EXPECT_FALSE(SmoothSnapshots(two));
    EXPECT_EQ(two, before);
}

// --- Finite values ---------------------------------------------------------------------------

TEST(FiniteCheck, AnOverflowingEditIsDetected) {
    SnapshotMap path{{1, Record(1, 0.0f, {3e38f, 0.0f, 0.0f})}};
    EXPECT_TRUE(PathIsFinite(path));
    OffsetSnapshots(path, 3e38f, 0.0f, 0.0f);
    EXPECT_FALSE(PathIsFinite(path));
    EXPECT_TRUE(PathIsFinite(SnapshotMap()));
}
