// The soak test: a seeded random session (SoakSession.h) of many game frames, with its
// invariants checked after every frame. QUORVEL_SOAK_FRAMES sets its length (100000 for the
// full run), QUORVEL_SOAK_SEED its seed; both are printed so a failure can be replayed.

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>

#include "storage/PathFormat.h"
#include "tests/plugin/PluginFixture.h"
#include "tests/plugin/SoakSession.h"

namespace Quorvel::Testing {
namespace {

// About 30 s in the sanitizer build, a third of that in the normal one.
constexpr long kDefaultFrames = 20000;

long FromEnvironment(const char* name, long otherwise) {
    const char* text = std::getenv(name);
    return text == nullptr || *text == '\0' ? otherwise : std::strtol(text, nullptr, 10);
}

std::string ReadFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class SoakTest : public PluginTest {};

TEST_F(SoakTest, ARandomSessionKeepsEveryInvariantAndTheSavedPath) {
    const long frames = FromEnvironment("QUORVEL_SOAK_FRAMES", kDefaultFrames);
    const auto seed = static_cast<std::uint32_t>(FromEnvironment("QUORVEL_SOAK_SEED", 13));
    std::cout << "soak: seed " << seed << ", " << frames << " frames" << std::endl;

    // A path of three waypoints, saved under a name the session never writes.
    EnterFlycamReplay();
    TakeAt(30, {0, 0, 100});
    TakeAt(90, {500, 200, 150}, {0, 8192, 0});
    TakeAt(150, {900, -100, 300}, {-2000, 16384, 0}, 100.0f);
    host.Run("dolly_path_save keep.json");
    const std::filesystem::path keep = host.DataFolder() / "campaths" / "keep.json";
    const std::string kept = ReadFile(keep);
    host.Run("togglemenu dollycam");

    const auto start = std::chrono::steady_clock::now();
    SoakSession session(host, Plugin(), seed);
    const std::string broken = session.Run(frames);
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(broken, "") << "seed " << seed;

    const SoakCounts& counts = session.Counts();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::cout << "soak: " << counts.frames << " frames, " << counts.commands << " console lines, "
              << counts.widgetActions << " widget actions, " << counts.mouseGestures
              << " mouse gestures, " << counts.worldEvents << " world events in " << seconds.count()
              << " s; peak resident " << usage.ru_maxrss / 1024 << " MiB, "
              << Cam().snapshots->size() << " waypoints at the end" << std::endl;
    EXPECT_EQ(ReadFile(keep), kept);

    // The host unloads the plugin as at exit (onUnload, then the module's deleteMe): nothing
    // may fault, and nothing the session left behind may keep the plugin or its path alive.
    const std::weak_ptr<DollyCamPlugin> plugin =
        *reinterpret_cast<std::shared_ptr<DollyCamPlugin>*>(getPlugin());
    const std::weak_ptr<DollyCam> cam = Plugin().dollyCam;
    const std::weak_ptr<SnapshotMap> path = Cam().snapshots;
    host.Unload();
    EXPECT_FALSE(host.Faulted()) << host.Errors();
    EXPECT_TRUE(plugin.expired() && cam.expired() && path.expired());
}

} // namespace
} // namespace Quorvel::Testing
