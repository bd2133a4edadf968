#pragma once
// A simulated host for tests: a world, a console that keeps every logged line, a temporary
// data folder, and one plugin loaded in the same process (from its record, for tests that
// link the plugin's code) or from a module file.
//
//   Quorvel::Testing::TestHost host;
//   ASSERT_TRUE(host.Load(&exports));          // create, onLoad, stored configuration
//   host.EnterReplay();                        // frame 0, fires InitGame
//   host.EnterFlycam();
//   host.SetCamera({100, 0, 50}, {0, 16384, 0}, 90);
//   host.SetFrame(30);
//   host.Run("dolly_snapshot_take");           // console input, as typed
//   EXPECT_EQ(host.LastLine(), "...");
//   host.MouseMove(640, 360);                  // ImGui sees the mouse from the next frame
//   host.Tick(10);                             // frames, UpdatePOV, ImGui frames, drawables
//   host.Click("Snapshots");                   // the plugin's widgets by label; runs frames
//   host.CanvasCalls();                        // the last rendered frame's drawing calls
//   host.Picture().At(640, 360);               // ... and what it looked like
//
// The console, world and session are reachable for anything else (host/Console.h,
// host/World.h, host/Session.h). Nothing is written to standard output; the host's error
// messages are kept in Errors(). The plugin is unloaded (onUnload, configuration written,
// destroy) by Unload or by the destructor, which then removes the temporary data folder.

#include <filesystem>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "corvane/plugin/PluginRecord.h"
#include "corvane/wrappers/WrapperStructs.h"
#include "host/Canvas.h"
#include "host/Console.h"
#include "host/Image.h"
#include "host/KeyboardInput.h"
#include "host/Session.h"
#include "host/WidgetInput.h"
#include "host/WidgetMap.h"
#include "host/World.h"

namespace Quorvel::Testing {

class TestHost {
public:
    // A new temporary data folder, removed by the destructor.
    TestHost();
    // An existing data folder, kept (to run a second session over a first one's files).
    explicit TestHost(const std::filesystem::path& dataFolder);
    ~TestHost();
    TestHost(const TestHost&) = delete;
    TestHost& operator=(const TestHost&) = delete;

    // --- Plugin ------------------------------------------------------------------------------
    // True when the plugin is loaded and nothing it ran failed.
    bool Load(const Corvane::Plugin::PluginRecord* record);
    bool Load(const std::filesystem::path& module);
    void Unload();

    // --- Console -------------------------------------------------------------------------------
    void Run(const std::string& line);
    const std::vector<std::string>& Lines() const { return lines; }
    // The last logged line, or "" before the first.
    std::string LastLine() const;
    void ClearLines() { lines.clear(); }
    // The variable's text, or "" when there is no such variable.
    std::string Variable(const std::string& name) const;

    // --- World ---------------------------------------------------------------------------------
    void EnterReplay(int fps = Corvane::Host::World::kDefaultFps);
    void EnterGame();
    void Leave();
    void EnterFlycam();
    void SetCameraState(const std::string& state);
    // Places the camera as the game would; not a plugin write.
    void SetCamera(Vector location, Rotator rotation, float fov);
    POV Camera() const;
    // Jumps the replay (or live game) to a frame.
    void SetFrame(int frame);
    // Runs game frames: frame (unless paused) and clock advance, UpdatePOV, drawables.
    void Tick(int count = 1);
    void Pause();
    void Play();

    // --- Mouse (host/PointerInput.h): reaches ImGui at the next Tick ---------------------------
    // Canvas pixels, Y down.
    void MouseMove(float x, float y);
    // 0 left, 1 right, 2 middle.
    void MouseDown(int button);
    void MouseUp(int button);
    // Notches, positive away from the user.
    void Wheel(float notches);

    // --- Keyboard (host/KeyboardInput.h): reaches ImGui at the next Tick ------------------------
    void KeyDown(Corvane::Host::Key key);
    void KeyUp(Corvane::Host::Key key);
    // UTF-8 text, as characters for the text field being edited.
    void TypeText(const std::string& text);

    // --- The plugin's widgets by label (host/WidgetMap.h, host/WidgetInput.h) ------------------
    // Each acts as a user does and runs game frames: Click 2, Drag and Type 6. A label not on
    // screen in the last rendered frame returns false and changes nothing.
    bool Click(const std::string& label);
    // By dx, dy canvas pixels.
    bool Drag(const std::string& label, float dx, float dy);
    // Into a text or number field, a drag or a slider; ends with Enter.
    bool Type(const std::string& label, const std::string& text);
    // Where the widget was in the last rendered frame; nullopt when it was not on screen.
    std::optional<Corvane::Host::WidgetRect> Widget(const std::string& label) const;

    // --- Canvas of the last rendered frame -----------------------------------------------------
    const std::vector<Corvane::Host::CanvasCall>& CanvasCalls() const;
    const std::vector<Corvane::Host::CanvasProjection>& Projections() const;
    // The last rendered frame as the user saw it (host/Picture.h); Tick first.
    Corvane::Host::Image Picture() const;

    // --- Scripts and failures ------------------------------------------------------------------
    // Runs script lines as corvane-sim does and returns its exit status (0, 1, 2 or 3).
    int RunScript(const std::string& script);
    // An exception escaped the plugin, or it wrote a non-finite camera value.
    bool Faulted() const;
    std::string Errors() const { return errors.str(); }

    Corvane::Host::Session& GetSession() { return *session; }
    Corvane::Host::World& GetWorld() { return session->GetWorld(); }
    Corvane::Host::Console& GetConsole() { return session->GetConsole(); }
    const std::filesystem::path& DataFolder() const { return dataFolder; }

private:
    void Start();
    Corvane::Host::WidgetInput Widgets();

    std::filesystem::path dataFolder;
    bool ownsDataFolder = false;
    std::ostringstream errors;
    std::vector<std::string> lines;
    std::unique_ptr<Corvane::Host::Session> session;
};

} // namespace Quorvel::Testing
