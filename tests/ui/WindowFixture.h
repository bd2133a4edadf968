#pragma once
// A loaded plugin with its settings window open, in a paused replay's free-fly camera, on the
// default 1280 x 720 canvas. Widgets are reached by their label as a user reaches them, through
// the host's mouse and keyboard (TestHost::Click, Drag, Type).

#include <string>

#include "tests/plugin/PluginFixture.h"

namespace Quorvel::Testing {

class WindowTest : public PluginTest {
protected:
    void SetUp() override {
        PluginTest::SetUp();
        EnterFlycamReplay();
        host.Pause(); // the replay frame stays where a test puts it
        host.Run("togglemenu dollycam");
        host.Tick(2);
        host.ClearLines();
    }

    // A waypoint at frame, one second per 30 frames, stored as the path's editors store one.
    CameraSnapshot& Put(int frame, Vector location, float fov = 90.0f) {
        CameraSnapshot waypoint;
        waypoint.frame = frame;
        waypoint.timestamp = frame / 30.0f;
        waypoint.FOV = fov;
        waypoint.location = location;
        (*Cam().snapshots)[frame] = waypoint;
        Cam().UpdateLocationStrategy();
        Cam().UpdateRotationStrategy();
        return (*Cam().snapshots)[frame];
    }

    // Opens one of the closed-by-default sections ("Motion Graph", "Reference Shapes",
    // "Path Tools") and closes "Snapshots", so the section's widgets are on screen.
    void ShowOnly(const std::string& section) {
        ASSERT_TRUE(host.Click("Snapshots")) << "Snapshots";
        ASSERT_TRUE(host.Click(section)) << section;
        host.Tick();
    }
};

} // namespace Quorvel::Testing
