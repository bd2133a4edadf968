// Whole-path edits: worked numbers, the fields each edit must leave alone, and the cases that
// change nothing.

#include <cmath>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "math/CameraMath.h"
#include "tests/storage/StorageTestSupport.h"
#include "tools/PathTransforms.h"

using StorageTest::Waypoint;

namespace {

// One waypoint with every field set, with the location, handles and rotation given, so that an
// edit that touches too much shows.
CameraSnapshot Full(Vector location = {10.0f, 20.0f, 30.0f}, Vector out = {1.0f, 2.0f, 3.0f},
                    Vector in = {-4.0f, -5.0f, -6.0f},
                    FloatRotator rotation = {1000.0f, 16384.0f, 200.0f}) {
    CameraSnapshot s = Waypoint(100, 1.5f, location, rotation);
    s.weight = 2.0f;
    s.v3_kb_tension = 0.1f;
    s.v3_kb_bias = 0.2f;
    s.v3_kb_continuity = 0.3f;
    s.v3_bz_has_custom = true;
    s.v3_bz_ctrl_out = out;
    s.v3_bz_ctrl_in = in;
    return s;
}

} // namespace

TEST(Mirror, NegatesOneAxisAndTurnsTheCamerasToMatch) {
    const struct {
        int axis;
        bool mirrorRotation;
        CameraSnapshot expected;
    } rows[] = {{0, true, Full({-10, 20, 30}, {-1, 2, 3}, {4, -5, -6}, {1000, 16384, -200})},
                {1, true, Full({10, -20, 30}, {1, -2, 3}, {-4, 5, -6}, {1000, -16384, -200})},
                {2, true, Full({10, 20, -30}, {1, 2, -3}, {-4, -5, 6}, {-1000, 16384, -200})},
                {1, false, Full({10, -20, 30}, {1, -2, 3}, {-4, 5, -6})},
                {5, true, Full()},
                {-1, true, Full()}};
    for (const auto& row : rows) {
        SnapshotMap path{{100, Full()}};
        MirrorSnapshots(path, row.axis, row.mirrorRotation);
        EXPECT_EQ(path.at(100), row.expected) << "axis " << row.axis;
    }
}

TEST(Mirror, AcrossXTheHeadingStaysWithinHalfATurnEitherWay) {
    // Stored yaw, and yaw after mirroring across x (rotator units).
    const std::pair<float, float> rows[] = {{16384, 16384},  {-16384, -16384}, {0, 32768},
                                            {32768, 0},      {-32768, 0},      {8192, 24576},
                                            {-8192, -24576}, {40000, -7232}};
    for (const auto& [yaw, mirrored] : rows) {
        SnapshotMap path{{1, Waypoint(1, 0.0f, {}, {0, yaw, 0})}};
        MirrorSnapshots(path, 0, true);
        EXPECT_EQ(path.at(1).rotation.yaw, mirrored) << yaw;
    }
}

namespace {

// The mirror image of a direction across the plane through the origin normal to an axis.
Quorvel::Math::Vec3d Reflect(Quorvel::Math::Vec3d v, int axis) {
    double* components[] = {&v.x, &v.y, &v.z};
    *components[axis] = -*components[axis];
    return v;
}

void ExpectSameDirection(const Quorvel::Math::Vec3d& got, const Quorvel::Math::Vec3d& want,
                         const std::string& where) {
    EXPECT_NEAR(got.x, want.x, 1e-6) << where;
    EXPECT_NEAR(got.y, want.y, 1e-6) << where;
    EXPECT_NEAR(got.z, want.z, 1e-6) << where;
}

} // namespace

TEST(Mirror, EveryCameraLooksAtTheMirroredScene) {
    using Quorvel::Math::MakeCameraBasis;
    // The mirrored camera looks along the mirrored direction, and its image is the mirror
    // image turned over: up is mirrored across a wall, right across the floor.
    const FloatRotator cameras[] = {{1000, 16384, 200},
                                    {-3000, -28000, 9000},
                                    {12000, 30000, -16000},
                                    {0, 0, 0},
                                    {-8000, 5000, 32000}};
    for (const FloatRotator& camera : cameras) {
        const auto before = MakeCameraBasis(camera.pitch, camera.yaw, camera.roll);
        for (int axis = 0; axis < 3; ++axis) {
            SnapshotMap path{{1, Waypoint(1, 0.0f, {}, camera)}};
            MirrorSnapshots(path, axis, true);
            const FloatRotator& r = path.at(1).rotation;
            const auto after = MakeCameraBasis(r.pitch, r.yaw, r.roll);
            const std::string where =
                "axis " + std::to_string(axis) + " yaw " + std::to_string(camera.yaw);
            ExpectSameDirection(after.forward, Reflect(before.forward, axis), where);
            if (axis == 2)
                ExpectSameDirection(after.right, Reflect(before.right, axis), where);
            else
                ExpectSameDirection(after.up, Reflect(before.up, axis), where);
        }
    }
}

TEST(OffsetAndScale, OffsetMovesLocationsOnlyAndScaleAlsoHandles) {
    SnapshotMap path{{100, Full()}, {200, Waypoint(200, 2.0f, {-1.0f, -2.0f, -3.0f})}};
    OffsetSnapshots(path, 10.0f, 0.0f, -0.5f);
    EXPECT_EQ(path.at(100), Full({20.0f, 20.0f, 29.5f}));
    EXPECT_EQ(path.at(200).location, Vector(9.0f, -2.0f, -3.5f));

    path = {{100, Full()}};
    ASSERT_TRUE(ScaleSnapshots(path, 2.0f));
    EXPECT_EQ(path.at(100), Full({20, 40, 60}, {2, 4, 6}, {-8, -10, -12}));
    for (const float factor : {0.0f, -0.0f, -2.0f, NAN, -INFINITY}) {
        SnapshotMap same{{100, Full()}};
        EXPECT_FALSE(ScaleSnapshots(same, factor)) << factor;
        EXPECT_EQ(same.at(100), Full());
    }
}

TEST(Rotate, TurnsPositionsAndHandlesAboutXThenYThenZButNotTheCamera) {
    // Angles (degrees), the location and where it goes, the handles and where they go, and how
    // close components expected to be 0 come.
    const struct {
        Vector angles, from, to, handleFrom, handleTo;
        float zero;
    } rows[] = {{{0, 0, 90}, {100, 0, 5}, {0, 100, 5}, {0, 10, 5}, {-10, 0, 5}, 1e-4f},
                {{0, 90, 0}, {100, 0, 0}, {0, 0, -100}, {0, 0, 10}, {10, 0, 0}, 1e-4f},
                // About X first, then Y: the other order gives (0, 0, 1) and (1, 0, 0).
                {{90, 90, 0}, {0, 1, 0}, {1, 0, 0}, {0, 0, 1}, {0, -1, 0}, 1e-6f}};
    for (const auto& row : rows) {
        SnapshotMap path{{1, Full(row.from, row.handleFrom, row.handleFrom)}};
        RotateSnapshots(path, row.angles.X, row.angles.Y, row.angles.Z);
        const CameraSnapshot& s = path.at(1);
        EXPECT_EQ(s.rotation, Full().rotation);
        EXPECT_EQ(s.FOV, 90.0f);
        const std::pair<Vector, Vector> checks[] = {{s.location, row.to},
                                                    {s.v3_bz_ctrl_out, row.handleTo},
                                                    {s.v3_bz_ctrl_in, row.handleTo}};
        for (const auto& [v, to] : checks) {
            const float got[] = {v.X, v.Y, v.Z}, want[] = {to.X, to.Y, to.Z};
            for (int i = 0; i < 3; ++i) {
                if (want[i] == 0.0f)
                    EXPECT_NEAR(got[i], 0.0f, row.zero) << i;
                else
                    EXPECT_FLOAT_EQ(got[i], want[i]) << i;
            }
        }
    }
}

TEST(Reverse, RecordsMoveToTheMirroredKeysWhichKeepTheirMomentsAndHandlesSwap) {
    const Vector a{1, 0, 0}, b{2, 0, 0}, c{3, 0, 0};
    SnapshotMap path{{100, Waypoint(100, 1.0f, a)},
                     {200, Waypoint(200, 2.0f, b)},
                     {300, Waypoint(300, 3.0f, c)}};
    path[100].weight = 5.0f;
    path[100].v3_bz_has_custom = true;
    path[100].v3_bz_ctrl_out = {10, 0, 0}; // leaving A towards B
    path[100].v3_bz_ctrl_in = {-10, 1, 0};
    ASSERT_TRUE(ReverseSnapshots(path));
    CameraSnapshot moved = Waypoint(300, 3.0f, a); // A's record, now the last waypoint
    moved.weight = 5.0f;
    moved.v3_bz_has_custom = true;
    moved.v3_bz_ctrl_out = {-10, 1, 0}; // left along the way it used to be entered
    moved.v3_bz_ctrl_in = {10, 0, 0};
    EXPECT_EQ(
        path,
        (SnapshotMap{{100, Waypoint(100, 1.0f, c)}, {200, Waypoint(200, 2.0f, b)}, {300, moved}}));
}

TEST(Smooth, AveragesWithTheAlreadySmoothedEarlierNeighbourAndRotationsAsPlainNumbers) {
    const float x[] = {0, 3, 9, 0}, fov[] = {60, 75, 120, 90}, pitch[] = {0, 30, 0, 0};
    const float yaw[] = {32000, -32000, 32000, 0}; // no wrap-around: the mean is taken as written
    SnapshotMap path;
    for (int i = 0; i < 4; ++i) {
        path[i] = Waypoint(i, i, {x[i], x[i], x[i]}, {pitch[i], yaw[i], pitch[i]});
        path[i].FOV = fov[i];
    }
    const SnapshotMap before = path;
    ASSERT_TRUE(SmoothSnapshots(path));
    EXPECT_EQ(path.at(1).location, Vector(4.0f, 4.0f, 4.0f));
    EXPECT_EQ(path.at(2).location.Z, 4.3333335f); // (4 + 9 + 0) / 3: the smoothed 4, not 3
    EXPECT_EQ(path.at(1).FOV, 85.0f);
    EXPECT_EQ(path.at(1).rotation, (FloatRotator{10.0f, 10666.667f, 10.0f}));
    EXPECT_EQ(path.at(1).timestamp, 1.0f);
    EXPECT_EQ(path.at(0), before.at(0)); // the ends stay as they were
    EXPECT_EQ(path.at(3), before.at(3));
}

TEST(ReverseAndSmooth, TooFewRecordsChangeNothing) {
    const SnapshotMap one{{100, Full()}}, two{{1, Full()}, {2, Full({1, 1, 1})}};
    SnapshotMap empty, edited = one;
    EXPECT_FALSE(ReverseSnapshots(empty));
    EXPECT_FALSE(ReverseSnapshots(edited));
    EXPECT_EQ(edited, one);
    edited = two;
    EXPECT_FALSE(SmoothSnapshots(edited));
    EXPECT_EQ(edited, two);
}
