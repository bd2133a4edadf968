// A strategy keeps state between evaluations only to answer faster (the segment it found last,
// tables built on first use): what it answers never depends on what it was asked before, and
// a batch of moments gives what they give one by one.

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <random>
#include <vector>

#include "PathBuilder.h"

namespace {

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

// Alone, a moment's answer is that of a strategy asked nothing before; in a batch, its
// location and FOV are (the batch may leave the rotation out).
TEST(QueryOrder, EachAnswerAloneOrInABatchIsThatOfAStrategyAskedNothingBefore) {
    const auto path = Winding();
    const std::vector<Query> queries = Queries(*path);
    std::vector<float> times;
    std::vector<int> frames;
    for (const Query& q : queries) {
        times.push_back(q.time);
        frames.push_back(q.frame);
    }
    for (const MakeStrategy& make : EveryStrategy()) {
        auto strategy = make(path), batched = make(path);
        std::vector<CameraPose> batch(queries.size());
        batched->EvaluateLocations(times.data(), frames.data(), queries.size(), batch.data());
        for (std::size_t i = 0; i < queries.size(); ++i) {
            const CameraPose fresh = make(path)->Evaluate(times[i], frames[i]);
            ASSERT_TRUE(SameBits(strategy->Evaluate(times[i], frames[i]), fresh))
                << strategy->GetName() << " frame " << frames[i] << " time " << times[i];
            CameraPose located = batch[i], expected = fresh;
            if (expected.FOV != 0.0f) // a pose with a value
                located.pitch = located.yaw = located.roll = expected.pitch = expected.yaw =
                    expected.roll = 0.0f;
            ASSERT_TRUE(SameBits(located, expected)) << strategy->GetName() << " moment " << i;
        }
    }
}

} // namespace
