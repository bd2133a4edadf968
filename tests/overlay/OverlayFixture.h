#pragma once
// A loaded plugin in a paused replay's free-fly camera, on a 1000 x 500 canvas, with the camera
// at the origin looking along +X with a 90 degree view. A point at depth 1000 then lands on
// pixel (500 + Y / 2, 250 - Z / 2): PixelAt gives the world point for a pixel.

#include <vector>

#include "host/Canvas.h"
#include "tests/plugin/PluginFixture.h"

namespace Quorvel::Testing {

class OverlayTest : public PluginTest {
protected:
    static constexpr int kWidth = 1000;
    static constexpr int kHeight = 500;

    void SetUp() override {
        PluginTest::SetUp();
        host.GetWorld().GetCanvas().SetSize(kWidth, kHeight);
        EnterFlycamReplay();
        host.Pause(); // the replay frame stays where a test puts it
        host.SetCamera({0, 0, 0}, {0, 0, 0}, 90.0f);
    }

    // The world point at depth (along +X) that projects onto canvas pixel (x, y).
    static Vector PixelAt(int x, int y, float depth = 1000.0f) {
        const float perPixel = depth / (kWidth / 2.0f);
        return Vector(depth, (x - kWidth / 2) * perPixel, (kHeight / 2 - y) * perPixel);
    }

    // A waypoint at frame, one second per 30 frames, stored as the path's editors store one.
    CameraSnapshot& Put(int frame, Vector location) {
        CameraSnapshot waypoint;
        waypoint.frame = frame;
        waypoint.timestamp = frame / 30.0f;
        waypoint.FOV = 90.0f;
        waypoint.location = location;
        (*Cam().snapshots)[frame] = waypoint;
        Cam().UpdateLocationStrategy();
        Cam().UpdateRotationStrategy();
        return (*Cam().snapshots)[frame];
    }

    std::vector<Corvane::Host::CanvasCall> CallsOf(Corvane::Host::CanvasCallKind kind) const {
        std::vector<Corvane::Host::CanvasCall> found;
        for (const auto& call : host.CanvasCalls())
            if (call.kind == kind)
                found.push_back(call);
        return found;
    }
};

} // namespace Quorvel::Testing
