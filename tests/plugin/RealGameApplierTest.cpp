// The applier is the one place where path rotations become whole rotator units.

#include "plugin/RealGameApplier.h"
#include "tests/plugin/PluginFixture.h"

namespace Quorvel::Testing {
namespace {

TEST_F(PluginTest, ApplierTruncatesRotationTowardZero) {
    host.EnterReplay();
    RealGameApplier applier(host.GetSession().GameWrapperHandle());
    applier.ApplyPOV(1.5f, -2.25f, 3.0f, 100.9f, -0.7f, -32768.9f, 75.5f);
    const POV pov = host.Camera();
    EXPECT_EQ(pov.location, Vector(1.5f, -2.25f, 3.0f));
    EXPECT_EQ(pov.rotation, Rotator(100, 0, -32768));
    EXPECT_EQ(pov.fov, 75.5f);

    // Rotations beyond a turn are written as they are; the game wraps them itself.
    applier.ApplyPOV(0, 0, 0, 70000.2f, -140000.8f, 0.0f, 90.0f);
    EXPECT_EQ(host.Camera().rotation, Rotator(70000, -140000, 0));
}

} // namespace
} // namespace Quorvel::Testing
