#include "bench/BenchHost.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "core/PlaybackClock.h"
#include "tests/oracle/ConsoleAccuracy.h"
#include "tests/support/RandomPath.h"

extern "C" const Corvane::Plugin::PluginRecord exports;
extern "C" std::uintptr_t getPlugin();

namespace Quorvel::Bench {

namespace {

constexpr int kReplayFps = 30;
constexpr std::uint32_t kSeed = 2024;

} // namespace

BenchHost::BenchHost(const Settings& settings) {
    ResetPlaybackClock(); // process-wide: every case starts from the initial clock
    loaded = host.Load(&exports);
    if (!loaded)
        return;
    host.EnterReplay(kReplayFps);
    host.EnterFlycam();
    host.Pause(); // frames move only where a case puts them
    // The ball and the cars stand where they are: moving them with the replay is the host's
    // work, which the timings should not include.
    Corvane::Host::World& world = World();
    world.PinBall(world.Ball().location);
    for (int i = 0; i < Corvane::Host::World::kMaxCars; ++i)
        world.PinCar(i, world.Car(i).location);
    host.Run("dolly_interpmode_location " + std::to_string(settings.locationMode));
    host.Run("dolly_interpmode_rotation " + std::to_string(settings.rotationMode));
    host.Run("dolly_chaikin_degree " + std::to_string(settings.chaikinDegree));
    host.Run(std::string("dolly_speed_norm ") + (settings.speedNormalisation ? "1" : "0"));
    if (settings.lockAndFollow) {
        host.Run("dolly_lock_target 1");
        host.Run("dolly_soft_follow 1");
    }
    oracle.locationMode = settings.locationMode;
    oracle.rotationMode = settings.rotationMode;
    oracle.chaikinDegree = settings.chaikinDegree;
    oracle.speedNormalisation = settings.speedNormalisation;
    oracle.replayFps = kReplayFps;
    oracle.splineAccuracy = Oracle::ConsoleAccuracy(Cam().cvarManager);
}

DollyCamPlugin& BenchHost::Plugin() {
    return **reinterpret_cast<std::shared_ptr<DollyCamPlugin>*>(getPlugin());
}

void BenchHost::InstallInPlugin(const SnapshotMap& path) {
    *Cam().snapshots = path;
    Cam().UpdateLocationStrategy();
    Cam().UpdateRotationStrategy();
}

void BenchHost::InstallInOracle(const SnapshotMap& path) {
    oracle.snapshots = path;
    oracle.UpdateLocationStrategy();
    oracle.UpdateRotationStrategy();
}

void BenchHost::Activate() {
    host.Run("dolly_activate");
}

void BenchHost::LookAtPath() {
    const SnapshotMap& path = *Cam().snapshots;
    if (path.empty())
        return;
    Vector low = path.begin()->second.location, high = low;
    for (const auto& [frame, w] : path) {
        low = {std::min(low.X, w.location.X), std::min(low.Y, w.location.Y),
               std::min(low.Z, w.location.Z)};
        high = {std::max(high.X, w.location.X), std::max(high.Y, w.location.Y),
                std::max(high.Z, w.location.Z)};
    }
    const Vector centre = (low + high) * 0.5f;
    const float reach = std::max({high.X - low.X, high.Y - low.Y, high.Z - low.Z, 1.0f});
    // Back along -X by twice the path's size and up by one size: pitch atan(1/2) down.
    const Vector eye(centre.X - 2.0f * reach, centre.Y, centre.Z + reach);
    const int pitch = static_cast<int>(-std::atan2(1.0, 2.0) * 32768.0 / 3.141592653589793);
    host.SetCamera(eye, Rotator{pitch, 0, 0}, 90.0f);
}

SnapshotMap BenchPath(int waypoints, int spanFrames) {
    Quorvel::Testing::RandomPathShape shape;
    shape.waypoints = waypoints;
    shape.spanFrames = spanFrames;
    shape.firstFrame = 300;
    shape.fps = kReplayFps;
    return Quorvel::Testing::RandomPath(kSeed, shape);
}

} // namespace Quorvel::Bench
