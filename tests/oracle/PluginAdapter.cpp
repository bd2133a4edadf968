#include "tests/oracle/PluginAdapter.h"

#include "interp/InterpStrategy.h"

namespace Quorvel::Testing {

namespace {

std::vector<PathSample> Samples(const SnapshotMap& cache) {
    std::vector<PathSample> samples;
    samples.reserve(cache.size());
    for (const auto& [frame, sample] : cache)
        samples.push_back({frame, sample.location});
    return samples;
}

} // namespace

std::vector<PathSample> PluginPathCache(const DollyCam& dollyCam) {
    std::vector<PathSample> samples;
    samples.reserve(dollyCam.pathCache.size());
    for (const PathCacheSample& sample : dollyCam.pathCache)
        samples.push_back({sample.frame, sample.location});
    return samples;
}

std::vector<PathSample> OraclePathCache(const Oracle::DollyCam& oracle) {
    return Samples(oracle.pathCache);
}

std::vector<std::pair<float, float>> PluginArcLengthTable(const DollyCam& dollyCam) {
    return dollyCam.arcLengthTable;
}

CameraPose PluginLocationPose(DollyCam& dollyCam, float time, int frame) {
    return dollyCam.locationStrategy ? dollyCam.locationStrategy->Evaluate(time, frame)
                                     : CameraPose{};
}

CameraPose PluginRotationPose(DollyCam& dollyCam, float time, int frame) {
    return dollyCam.rotationStrategy ? dollyCam.rotationStrategy->Evaluate(time, frame)
                                     : CameraPose{};
}

} // namespace Quorvel::Testing
