#pragma once
// A playback engine of its own beside the loaded plugin, writing to a recorder instead of the
// game camera, in a paused replay's free-fly camera; and a digest of what it writes.

#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "core/IGameApplier.h"
#include "tests/plugin/PluginFixture.h"

namespace Quorvel::Testing {

class PoseRecorder final : public IGameApplier {
public:
    void ApplyPOV(float x, float y, float z, float pitch, float yaw, float roll,
                  float fov) override {
        poses.push_back({x, y, z, pitch, yaw, roll, fov});
    }
    CameraPose ReadCamera() override { return {}; }
    CameraPose Last() const { return poses.empty() ? CameraPose{} : poses.back(); }
    std::vector<CameraPose> poses;
};

// FNV-1a, 64 bits, over the values' bit patterns.
class Digest {
public:
    void Add(std::uint32_t value) {
        for (int i = 0; i < 4; ++i) {
            hash ^= (value >> (8 * i)) & 0xffu;
            hash *= 1099511628211ull;
        }
    }
    void Add(int value) { Add(static_cast<std::uint32_t>(value)); }
    void Add(float value) {
        std::uint32_t bits;
        std::memcpy(&bits, &value, sizeof bits);
        Add(bits);
    }
    void Add(const CameraPose& p) {
        for (float v : {p.x, p.y, p.z, p.pitch, p.yaw, p.roll, p.FOV})
            Add(v);
    }
    std::uint64_t Value() const { return hash; }

private:
    std::uint64_t hash = 14695981039346656037ull;
};

class EngineTest : public PluginTest {
protected:
    void SetUp() override {
        PluginTest::SetUp();
        EnterFlycamReplay();
        engine = std::make_shared<DollyCam>(host.GetSession().GameWrapperHandle(),
                                            host.GetSession().CVarManagerHandle(), recorder);
        host.Pause(); // frames move only when a test says so; the game clock runs on
    }

    std::shared_ptr<PoseRecorder> recorder = std::make_shared<PoseRecorder>();
    std::shared_ptr<DollyCam> engine;
};

} // namespace Quorvel::Testing
