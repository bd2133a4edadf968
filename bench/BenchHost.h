#pragma once
// What every benchmark case stands on: the plugin loaded over the simulated host, in a paused
// replay (30 fps) in the free-fly camera, so each case measures the plugin's real calls; and
// an oracle with the same settings and path, timed as the straightforward implementation.
//
//   BenchHost bench({7, 5});              // location 7, rotation 5
//   bench.InstallInPlugin(BenchPath(20));  // rebuilt, as after an edit
//   bench.Cam().Apply();                   // the plugin
//   bench.oracle.Step(frame, now);         // the oracle

#include <memory>

#include "core/DollyCam.h"
#include "plugin/DollyCamPlugin.h"
#include "tests/oracle/DollyCam.h"
#include "tests/support/TestHost.h"

namespace Quorvel::Bench {

struct Settings {
    int locationMode = 5;
    int rotationMode = 5;
    bool speedNormalisation = false;
    int chaikinDegree = 0;
    bool lockAndFollow = false; // ball lock and soft follow (the plugin only)
};

class BenchHost {
public:
    explicit BenchHost(const Settings& settings);
    BenchHost(const BenchHost&) = delete;
    BenchHost& operator=(const BenchHost&) = delete;

    DollyCamPlugin& Plugin();
    DollyCam& Cam() { return *Plugin().dollyCam; }
    Corvane::Host::World& World() { return host.GetWorld(); }
    CanvasWrapper Canvas() { return CanvasWrapper(host.GetWorld().CanvasAddress()); }
    // False (and why, in Errors) when the plugin failed to load or has thrown or written a
    // non-finite camera value since.
    bool Healthy() const { return loaded && !host.Faulted(); }
    std::string Errors() const { return host.Errors(); }

    // Puts the path in the plugin, or in the oracle, and rebuilds it as after an edit.
    void InstallInPlugin(const SnapshotMap& path);
    void InstallInOracle(const SnapshotMap& path);
    // Plays: the plugin's playback is switched on.
    void Activate();
    // Places the camera behind the path's middle, looking down at it, so the overlay draws it.
    void LookAtPath();

    Oracle::DollyCam oracle;

private:
    Quorvel::Testing::TestHost host;
    bool loaded = false;
};

// A seeded path of n waypoints 1 to 3 s apart (spanFrames 0), or spread over spanFrames.
SnapshotMap BenchPath(int waypoints, int spanFrames = 0);

} // namespace Quorvel::Bench
