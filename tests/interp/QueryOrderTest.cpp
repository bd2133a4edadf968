// A strategy keeps state between evaluations only to answer faster (the segment it found last,
// tables built on first use): what it answers never depends on what it was asked before, and
// a batch of moments gives what they give one by one.

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <random>
#include <vector>

#include "PathBuilder.h"
#include "interp/CatmullRomInterpStrategy.h"
#include "interp/CosineInterpStrategy.h"
#include "interp/CubicHermiteInterpStrategy.h"
#include "interp/KochanekBartelsInterpStrategy.h"
#include "interp/NBezierInterpStrategy.h"
#include "interp/SplineInterpStrategy.h"

namespace {

using Make = std::function<std::shared_ptr<InterpStrategy>(std::shared_ptr<SnapshotMap>)>;

const Make kStrategies[] = {
    [](auto p) { return Linear(p); },
    [](auto p) { return Linear(p, 2); },
    [](auto p) { return std::make_shared<CosineInterpStrategy>(p); },
    [](auto p) { return std::make_shared<NBezierInterpStrategy>(p, 0); },
    [](auto p) { return std::make_shared<NBezierInterpStrategy>(p, 2); }, // above degree 20
    [](auto p) { return std::make_shared<CatmullRomInterpStrategy>(p, 1); },
    [](auto p) { return std::make_shared<SplineInterpStrategy>(p, 0); },
    [](auto p) { return std::make_shared<KochanekBartelsInterpStrategy>(p, 0); },
    [](auto p) { return std::make_shared<CubicHermiteInterpStrategy>(p); },
};

bool SameBits(const CameraPose& a, const CameraPose& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Twelve waypoints with uneven gaps, turning and zooming.
std::shared_ptr<SnapshotMap> Winding() {
    auto path = std::make_shared<SnapshotMap>();
    int frame = 40;
    for (int i = 0; i < 12; ++i) {
        const float f = static_cast<float>(i);
        (*path)[frame] = Waypoint(frame, static_cast<float>(frame) / 30.0f,
                                  {300.0f * f, 200.0f * (i % 3), 50.0f * f},
                                  {-200.0f, 6000.0f * f, 0}, 70.0f + 3.0f * (i % 5));
        frame += 7 + 11 * (i % 4);
    }
    return path;
}

struct Query {
    float time;
    int frame;
};

// Forward frame by frame, backwards, jumping about, and outside the path.
std::vector<Query> Queries(const SnapshotMap& path) {
    const int first = path.begin()->first, last = path.rbegin()->first;
    std::vector<Query> queries;
    for (int frame = first - 2; frame <= last + 2; ++frame)
        queries.push_back({frame / 30.0f, frame});
    for (int frame = last + 2; frame >= first - 2; frame -= 3)
        queries.push_back({frame / 30.0f + 0.01f, frame});
    std::mt19937 random(5);
    for (int i = 0; i < 300; ++i) {
        const int frame = first - 5 + static_cast<int>(random() % (last - first + 10));
        queries.push_back({frame / 30.0f - 0.02f, frame});
    }
    return queries;
}

TEST(QueryOrder, EachAnswerIsThatOfAStrategyAskedNothingBefore) {
    const auto path = Winding();
    for (const Make& make : kStrategies) {
        auto strategy = make(path);
        for (const Query& q : Queries(*path))
            ASSERT_TRUE(SameBits(strategy->Evaluate(q.time, q.frame),
                                 make(path)->Evaluate(q.time, q.frame)))
                << strategy->GetName() << " frame " << q.frame << " time " << q.time;
    }
}

TEST(QueryOrder, ABatchGivesTheLocationsItsMomentsGiveOneByOne) {
    const auto path = Winding();
    const std::vector<Query> queries = Queries(*path);
    std::vector<float> times;
    std::vector<int> frames;
    for (const Query& q : queries) {
        times.push_back(q.time);
        frames.push_back(q.frame);
    }
    for (const Make& make : kStrategies) {
        auto strategy = make(path);
        std::vector<CameraPose> batch(queries.size());
        strategy->EvaluateLocations(times.data(), frames.data(), queries.size(), batch.data());
        for (std::size_t i = 0; i < queries.size(); ++i) {
            // Only the rotation may differ, where the pose has a value.
            CameraPose alone = make(path)->Evaluate(times[i], frames[i]);
            if (alone.FOV != 0.0f)
                alone.pitch = alone.yaw = alone.roll = 0.0f;
            CameraPose located = batch[i];
            if (located.FOV != 0.0f)
                located.pitch = located.yaw = located.roll = 0.0f;
            ASSERT_TRUE(SameBits(located, alone)) << strategy->GetName() << " moment " << i;
        }
    }
}

} // namespace
