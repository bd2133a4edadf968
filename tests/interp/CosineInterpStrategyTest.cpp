// Half-cosine easing between neighbouring waypoints, on the path exactly as given.

#include <gtest/gtest.h>

#include "PathBuilder.h"
#include "interp/CosineInterpStrategy.h"

namespace {

// Frames 100 and 200 at 10 s and 12 s; x runs 0 -> 100.
std::shared_ptr<SnapshotMap> TwoWaypoints() {
    return MakePath({Waypoint(100, 10.0f, {0, 0, 0}, {0, 32000, 0}, 90),
                     Waypoint(200, 12.0f, {100, 0, 0}, {0, -32000, 0}, 50)});
}

TEST(CosineInterp, Name) {
    EXPECT_EQ(std::make_shared<CosineInterpStrategy>(TwoWaypoints())->GetName(),
              "cosine interpolation");
}

TEST(CosineInterp, ValueOnlyFromTheFirstFrameToJustBeforeTheLast) {
    auto path = TwoWaypoints();
    auto cosine = std::make_shared<CosineInterpStrategy>(path);
    EXPECT_TRUE(IsZeroPose(cosine->Evaluate(10.0f, 99)));
    EXPECT_POSE_EQ(cosine->Evaluate(10.0f, 100), PoseValuesOf(path->at(100)));
    EXPECT_FALSE(IsZeroPose(cosine->Evaluate(11.9f, 199)));
    EXPECT_TRUE(IsZeroPose(cosine->Evaluate(12.0f, 200)));
}

struct EaseCase {
    const char* name;
    float time;
    float x; // x runs 0 -> 100, so x is 100 mu
};

class CosineEase : public testing::TestWithParam<EaseCase> {};

TEST_P(CosineEase, BlendFollowsTheHalfCosine) {
    auto cosine = std::make_shared<CosineInterpStrategy>(TwoWaypoints());
    EXPECT_NEAR(cosine->Evaluate(GetParam().time, 150).x, GetParam().x, 1e-4f);
}

INSTANTIATE_TEST_SUITE_P(
    Positions, CosineEase,
    testing::Values(EaseCase{"Start", 10.0f, 0.0f}, EaseCase{"Middle", 11.0f, 50.0f},
                    EaseCase{"Quarter", 10.5f, 14.644661f}, EaseCase{"End", 12.0f, 100.0f},
                    // Outside the segment's times the cosine swings back instead of going on.
                    EaseCase{"BeforeMirrorsBack", 9.5f, 14.644661f},
                    EaseCase{"AfterSwingsBack", 12.5f, 85.355339f}),
    [](const testing::TestParamInfo<EaseCase>& info) { return std::string(info.param.name); });

TEST(CosineInterp, MiddleIsExactlyHalfway) {
    const CameraPose half =
        std::make_shared<CosineInterpStrategy>(TwoWaypoints())->Evaluate(11.0f, 150);
    EXPECT_EQ(half.x, 50.0f);
    EXPECT_EQ(half.FOV, 70.0f);
}

TEST(CosineInterp, RotationTurnsTheLongWayThroughZero) {
    auto cosine = std::make_shared<CosineInterpStrategy>(TwoWaypoints());
    EXPECT_EQ(cosine->Evaluate(11.0f, 150).yaw, 0.0f);
}

TEST(CosineInterp, EqualTimestampsHoldTheEarlierWaypoint) {
    auto path = MakePath({Waypoint(100, 10.0f, {1, 2, 3}, {4, 5, 6}, 70),
                          Waypoint(200, 10.0f, {9, 9, 9}, {9, 9, 9}, 50)});
    auto cosine = std::make_shared<CosineInterpStrategy>(path);
    for (float time : {9.0f, 10.0f, 11.0f})
        EXPECT_POSE_EQ(cosine->Evaluate(time, 150), PoseValuesOf(path->at(100)));
}

} // namespace
