// Live offset, scale and rotation of the whole path: exact restoration, the pivot, paths that
// are refused whole, and edits made elsewhere surviving the next live change.

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "interp/InterpStrategy.h"
#include "tests/plugin/PluginFixture.h"
#include "tools/PathTransforms.h"
#include "ui/LiveTransforms.h"

namespace Quorvel::Testing {
namespace {

class LiveTransforms : public PluginTest {
protected:
    void SetUp() override {
        PluginTest::SetUp();
        EnterFlycamReplay();
        PutThreeWaypoints();
    }

    // Three waypoints with every field set; their box runs from (0, -100, 50) to (200, 100, 250)
    // around the centre (100, 0, 150).
    void PutThreeWaypoints() {
        Put(30, {0, 0, 50}, {1000, 16384, 200});
        Put(60, {150, 100, 250}, {-300, 500, 0}).v3_bz_has_custom = true;
        Put(90, {200, -100, 100}, {0, -16000, 90});
        Rebuild();
    }

    CameraSnapshot& Put(int frame, Vector location, FloatRotator rotation) {
        CameraSnapshot& waypoint = (*Cam().snapshots)[frame];
        waypoint.frame = frame;
        waypoint.timestamp = static_cast<float>(frame) / 30.0f;
        waypoint.FOV = 80.0f + static_cast<float>(frame) / 10.0f;
        waypoint.location = location;
        waypoint.rotation = rotation;
        waypoint.weight = 1.5f;
        waypoint.v3_kb_tension = 0.25f;
        waypoint.v3_bz_ctrl_out = {10, 0, 0};
        waypoint.v3_bz_ctrl_in = {0, -10, 5};
        return waypoint;
    }

    void Rebuild() {
        Cam().UpdateLocationStrategy();
        Cam().UpdateRotationStrategy();
    }

    PathToolsState& Tools() { return Plugin().pathTools; }
    const SnapshotMap& Path() { return *Cam().snapshots; }

    // The panel's order within a frame: commit any outside edit, take the baseline on the first
    // touch, then apply.
    bool Drag(void (*set)(PathToolsState&)) {
        CommitIfChangedElsewhere(Tools(), *Cam().snapshots);
        if (!Tools().hasTransformBaseline)
            CaptureTransformBaseline(Tools(), Cam());
        set(Tools());
        return ApplyLiveTransforms(Tools(), Cam());
    }

    void ExpectControlsAtRest() {
        EXPECT_FALSE(Tools().hasTransformBaseline);
        EXPECT_TRUE(Tools().transformBaseline.empty());
        EXPECT_EQ(Tools().transformOffset, Vector());
        EXPECT_EQ(Tools().transformScale, 1.0f);
        EXPECT_EQ(Tools().transformRotation, Vector());
    }
};

TEST_F(LiveTransforms, ScalingUpAndBackRestoresEveryFieldExactly) {
    const SnapshotMap before = Path();
    ASSERT_TRUE(Drag([](PathToolsState& t) { t.transformScale = 2.0f; }));
    EXPECT_NE(Path(), before);
    // The strategies follow: the first waypoint, 100 from the centre in x, now 200 from it.
    EXPECT_FLOAT_EQ(Cam().locationStrategy->Evaluate(1.0f, 30).x, -100.0f);

    ASSERT_TRUE(Drag([](PathToolsState& t) { t.transformScale = 1.0f; }));
    EXPECT_EQ(Path(), before);
    EXPECT_FLOAT_EQ(Cam().locationStrategy->Evaluate(1.0f, 30).x, 0.0f);

    // A drag that wanders through offset and rotation and comes back to rest restores too.
    ASSERT_TRUE(Drag([](PathToolsState& t) {
        t.transformOffset = {12.5f, -3, 7};
        t.transformRotation = {10, 20, 33};
        t.transformScale = 0.37f;
    }));
    ASSERT_TRUE(Drag([](PathToolsState& t) {
        t.transformOffset = {};
        t.transformRotation = {};
        t.transformScale = 1.0f;
    }));
    EXPECT_EQ(Path(), before);
}

TEST_F(LiveTransforms, OffsetComesFirstThenScaleAboutTheMovedBoxCentre) {
    ASSERT_TRUE(Drag([](PathToolsState& t) {
        t.transformOffset = {100, 0, 0};
        t.transformScale = 2.0f;
    }));
    // The middle waypoint sits 50 right of the box centre's x (100): it ends 200 right of it,
    // 100 offset and 100 scaled distance.
    EXPECT_FLOAT_EQ(Path().at(60).location.X, 100.0f + 200.0f);
    const CameraSnapshot& last = Path().at(90); // (100, -100, -50) from the centre
    EXPECT_EQ(last.location, Vector(100 + 300, -200, 150 - 100));
    // Handles are offsets from their waypoint: scaled once, never moved.
    EXPECT_EQ(last.v3_bz_ctrl_out, Vector(20, 0, 0));
    EXPECT_EQ(last.v3_bz_ctrl_in, Vector(0, -20, 10));
}

TEST_F(LiveTransforms, RotationTurnsLocationsAndHandlesAboutTheCentreButNotTheCameras) {
    const SnapshotMap before = Path();
    ASSERT_TRUE(Drag([](PathToolsState& t) { t.transformRotation = {0, 0, 90}; }));
    const CameraSnapshot& turned = Path().at(90); // (100, -100, -50) from the centre
    EXPECT_NEAR(turned.location.X, 100.0f + 100.0f, 1e-3f);
    EXPECT_NEAR(turned.location.Y, 100.0f, 1e-3f);
    EXPECT_FLOAT_EQ(turned.location.Z, 100.0f);
    EXPECT_NEAR(turned.v3_bz_ctrl_out.Y, 10.0f, 1e-5f);
    EXPECT_NEAR(turned.v3_bz_ctrl_in.X, 10.0f, 1e-5f);
    EXPECT_EQ(turned.rotation, before.at(90).rotation);
    EXPECT_EQ(turned.FOV, before.at(90).FOV);
}

TEST_F(LiveTransforms, ARefusedResultLeavesThePathWholeAsTheLastChangeLeftIt) {
    Put(120, {20000, 0, 0}, {}); // 10000 from the box centre: scaling by 20 leaves the world
    Rebuild();
    ASSERT_TRUE(Drag([](PathToolsState& t) { t.transformOffset = {100, 0, 0}; }));
    const SnapshotMap offset = Path();
    host.ClearLines();

    // The offset would be applied before the scale overflows: nothing of it may stay behind.
    ASSERT_FALSE(Drag([](PathToolsState& t) {
        t.transformOffset = {200, 0, 0};
        t.transformScale = 20.0f;
    }));
    EXPECT_EQ(Path(), offset);
    EXPECT_EQ(host.Lines(), std::vector<std::string>{kOutsideWorldMessage});

    // A scale of 0 would be refused by the scale step alone, after the offset.
    host.ClearLines();
    ASSERT_FALSE(Drag([](PathToolsState& t) {
        t.transformOffset = {50, 0, 0};
        t.transformScale = 0.0f;
    }));
    EXPECT_EQ(Path(), offset);
    EXPECT_EQ(host.Lines(), std::vector<std::string>{kScaleNotPositiveMessage});

    // The baseline survives a refusal: back to rest restores the path as it was.
    ASSERT_TRUE(Drag([](PathToolsState& t) {
        t.transformOffset = {};
        t.transformScale = 1.0f;
    }));
    EXPECT_EQ(Path().at(30).location, Vector(0, 0, 50));
}

TEST_F(LiveTransforms, OnlyAnotherEditCommits) {
    ASSERT_TRUE(Drag([](PathToolsState& t) { t.transformScale = 3.0f; }));
    EXPECT_FALSE(CommitIfChangedElsewhere(Tools(), *Cam().snapshots));
    EXPECT_TRUE(Tools().hasTransformBaseline);
    EXPECT_EQ(Tools().transformScale, 3.0f);

    // A rebuild alone changes no waypoint.
    Rebuild();
    EXPECT_FALSE(CommitIfChangedElsewhere(Tools(), *Cam().snapshots));

    // Any field counts, not only locations: a waypoint re-timed.
    (*Cam().snapshots)[60].timestamp += 0.5f;
    EXPECT_TRUE(CommitIfChangedElsewhere(Tools(), *Cam().snapshots));
    ExpectControlsAtRest();
}

TEST_F(LiveTransforms, ResetRestoresTheBaselineOrOnlyZeroesTheControls) {
    const SnapshotMap before = Path();
    ASSERT_TRUE(Drag([](PathToolsState& t) {
        t.transformOffset = {5, 6, 7};
        t.transformRotation = {0, 45, 0};
    }));
    ResetTransforms(Tools(), Cam());
    EXPECT_EQ(Path(), before);
    ExpectControlsAtRest();

    // Without a baseline there is nothing to restore: the path stays as it is.
    Cam().MirrorPath(0, true);
    const SnapshotMap mirrored = Path();
    Tools().transformOffset = {1, 2, 3};
    Tools().transformScale = 4.0f;
    Tools().transformRotation = {5, 6, 7};
    ResetTransforms(Tools(), Cam());
    EXPECT_EQ(Path(), mirrored);
    ExpectControlsAtRest();
}

TEST_F(LiveTransforms, WithoutABaselineApplyingChangesNothing) {
    const SnapshotMap before = Path();
    Tools().transformScale = 2.0f;
    EXPECT_TRUE(ApplyLiveTransforms(Tools(), Cam()));
    EXPECT_EQ(Path(), before);
}

} // namespace
} // namespace Quorvel::Testing
