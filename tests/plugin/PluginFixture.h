#pragma once
// A loaded plugin over the simulated host, for tests that look inside the plugin.

#include <gtest/gtest.h>

#include <memory>

#include "core/DollyCam.h"
#include "core/PlaybackClock.h"
#include "plugin/DollyCamPlugin.h"
#include "tests/support/TestHost.h"

extern "C" const Corvane::Plugin::PluginRecord exports;
extern "C" std::uintptr_t getPlugin();

namespace Quorvel::Testing {

class PluginTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetPlaybackClock(); // process-wide: every test starts from the initial clock
        ASSERT_TRUE(host.Load(&exports)) << host.Errors();
    }
    void TearDown() override { EXPECT_FALSE(host.Faulted()) << host.Errors(); }

    DollyCamPlugin& Plugin() {
        return **reinterpret_cast<std::shared_ptr<DollyCamPlugin>*>(getPlugin());
    }
    DollyCam& Cam() { return *Plugin().dollyCam; }

    // A replay in the free-fly camera, lines so far forgotten.
    void EnterFlycamReplay(int fps = 30) {
        host.EnterReplay(fps);
        host.EnterFlycam();
        host.ClearLines();
    }

    // Takes a snapshot at a frame with the camera placed there.
    void TakeAt(int frame, Vector location, Rotator rotation = {}, float fov = 90.0f) {
        host.SetFrame(frame);
        host.SetCamera(location, rotation, fov);
        host.Run("dolly_snapshot_take");
    }

    TestHost host;
};

} // namespace Quorvel::Testing
