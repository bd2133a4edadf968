// Types arbitrary bytes at the console of a loaded plugin, through the host's library as a
// user would: each line of the input is one typed console line, followed by one game frame.
// Every input starts from the same session: a paused replay in the free-fly camera, a path of
// three waypoints saved as keep.json, and the settings window open. Besides crashes, hangs and
// sanitizer reports it stops on a broken promise:
//   - no exception reaches the host, nothing non-finite reaches the camera, and the plugin's
//     state stays whole after every frame (tests/support/SessionInvariants.h);
//   - the saved path is never lost: keep.json still reads as a path file at the end.
// Inputs that name a folder ('/') are skipped, so that nothing is written outside the data
// folder and the scratch folder the fuzzer runs in (a relative folder is the working one's).

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "core/PlaybackClock.h"
#include "storage/PathFormat.h"
#include "tests/support/SessionInvariants.h"

extern "C" const Corvane::Plugin::PluginRecord exports;
extern "C" std::uintptr_t getPlugin();

namespace {

using Quorvel::Testing::TestHost;

constexpr int kMaxLines = 16;

DollyCamPlugin& Plugin() {
    return **reinterpret_cast<std::shared_ptr<DollyCamPlugin>*>(getPlugin());
}

[[noreturn]] void Fail(const std::string& what) {
    std::fprintf(stderr, "console fuzzer: %s\n", what.c_str());
    std::abort();
}

// Three waypoints 2 s apart, saved as keep.json, and the window drawn twice (ImGui shows a
// new window from its second frame).
void StartSession(TestHost& host) {
    ResetPlaybackClock();
    if (!host.Load(&exports))
        Fail("the plugin did not load: " + host.Errors());
    host.EnterReplay();
    host.EnterFlycam();
    host.Pause();
    const int frames[] = {30, 90, 150};
    for (int i = 0; i < 3; ++i) {
        host.SetFrame(frames[i]);
        host.SetCamera({100.0f * i, 50.0f * i * i, 200.0f}, {0, 4096 * i, 0}, 80.0f + 5 * i);
        host.Run("dolly_snapshot_take");
    }
    host.Run("dolly_path_save keep.json");
    host.Run("togglemenu dollycam");
    host.Tick(2);
}

void CheckFrame(TestHost& host, const std::string& line) {
    const std::string broken = Quorvel::Testing::BrokenInvariant(host, Plugin());
    if (!broken.empty())
        Fail("after \"" + line + "\": " + broken);
}

void CheckSavedPath(const TestHost& host) {
    std::ifstream in(host.DataFolder() / "campaths" / "keep.json", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    SnapshotMap path;
    std::string error;
    if (!in || !ParsePath(text.str(), path, error))
        Fail("keep.json was lost: " + error);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // A relative dolly_path_directory (even "..") stays inside this scratch folder.
    const std::filesystem::path scratch =
        std::filesystem::temp_directory_path() / "quorvel-console-fuzz" / "work";
    std::filesystem::create_directories(scratch);
    std::filesystem::current_path(scratch);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    if (input.find('/') != std::string::npos)
        return 0;
    TestHost host;
    StartSession(host);
    CheckFrame(host, "the start");
    std::istringstream lines(input);
    std::string line;
    for (int count = 0; count < kMaxLines && std::getline(lines, line); ++count) {
        host.Run(line);
        host.Tick();
        CheckFrame(host, line);
    }
    CheckSavedPath(host);
    return 0;
}
