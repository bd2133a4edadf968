#pragma once
// The directives of a session script: lines starting with '@' that drive the world.
//
//   @replay [fps=N] [frames=M]
//                          enter a replay at frame 0 (N in 0..1000, default 30) that is M
//                          frames long (M >= 0, default 9000); fires InitGame
//   @leave                 leave the replay (firing the HUD's Destroyed event) or the game
//   @game                  enter a live game (not a replay; the camera exists there too)
//   @camstate NAME         set the camera state; @flycam sets the replay free-fly state
//   @camera X Y Z PITCH YAW ROLL FOV
//                          place the camera (rotation in whole rotator units, FOV in degrees)
//   @frame N [SECONDS]     jump to frame N (>= 0); the replay time is N / fps, or SECONDS
//                          when given (until the frame next changes)
//   @tick [K]              run K game frames (default 1; see World::Tick)
//   @pause, @play          pause or resume the replay's frames (the game clock runs on)
//   @ball X Y Z, @ball free            pin the ball at a location, or let it follow its path
//   @car I X Y Z, @car I free          the same for car I (0..7)
//   @cars N                set how many cars there are (0..8)
//   @canvas W H            set the canvas size in pixels (1..16384 each; 1280 x 720 until set)
//   @mouse X Y             move the pointer to canvas pixels X, Y (Y down; floats)
//   @down B, @up B         press or release mouse button B (0 left, 1 right, 2 middle)
//   @wheel D               turn the mouse wheel D notches (positive away from the user)
//                          The pointer reaches ImGui at its next frame, that is the next
//                          game frame (host/PointerInput.h).
//   @key CHORD             press the keys of CHORD ("Ctrl+Shift+Z", see ParseKeyChord in
//                          host/KeyboardInput.h) together for one game frame, then release
//                          them for one more (2 frames)
//   @click LABEL           click the plugin's widget LABEL (the rest of the line, kept exactly:
//                          "@click Orbit Path##op")
//   @drag LABEL DX DY      drag it by DX, DY canvas pixels (the label is all before the last
//                          two words)
//   @type LABEL = TEXT     type TEXT into a text or number field, a drag or a slider (the
//                          label is all before the first " = ", TEXT all after it, kept
//                          exactly and possibly empty), then press Enter
//                          These reach widgets as a user does (host/WidgetInput.h): they run
//                          game frames (3 for @click, 7 for the others) and the world advances
//                          as with @tick. LABEL must have been on screen in the last rendered
//                          frame (host/WidgetMap.h), or the line fails.
//   @shot FILE             write the last rendered frame's picture (host/Picture.h) as a PNG
//                          file; FILE (the rest of the line) is relative to the data folder
//                          unless absolute; missing folders are made
//   @pose                  log "pose X Y Z PITCH YAW ROLL FOV" (3 decimals; rotation whole)
//   @expect TEXT           fail unless the last logged line is TEXT (the rest of the line
//                          after one space, kept exactly)
//
// Numbers must be written whole: "12" is a valid int, "12.5" and "12abc" are not; floats
// must be finite. @frame needs a replay or a game.

#include <string>
#include <vector>

#include "host/Session.h"
#include "host/TrackWriter.h"
#include "host/WidgetInput.h"

namespace Corvane::Host {

// What became of a script line: status 0 to go on, 1 for a failed @expect, 2 for a line
// that cannot be run; message says why.
struct LineOutcome {
    int status = 0;
    std::string message;
};

class ScriptDirectives {
public:
    explicit ScriptDirectives(Session& session)
        : session(session), world(session.GetWorld()), widgets(world, [this] { RunFrame(); }) {}

    void SetTrack(TrackWriter* writer) { track = writer; }
    // line starts with '@' and has no trailing line break.
    LineOutcome Run(const std::string& line);

private:
    using Words = std::vector<std::string>;

    LineOutcome RunReplay(const Words& words);
    LineOutcome RunCamera(const Words& words);
    LineOutcome RunFrame(const Words& words);
    LineOutcome RunTick(const Words& words);
    LineOutcome RunBall(const Words& words);
    LineOutcome RunCar(const Words& words);
    LineOutcome RunCars(const Words& words);
    LineOutcome RunCanvas(const Words& words);
    LineOutcome RunMouse(const Words& words);
    LineOutcome RunButton(const Words& words);
    LineOutcome RunWheel(const Words& words);
    LineOutcome RunKey(const Words& words);
    LineOutcome RunClick(const std::string& line);
    LineOutcome RunDrag(const std::string& line);
    LineOutcome RunType(const std::string& line);
    // One game frame, with its row in the track when the plugin wrote the camera.
    void RunFrame();
    LineOutcome RunExpect(const std::string& line);
    LineOutcome RunShot(const std::string& line);
    LineOutcome RunNoArguments(const Words& words);

    Session& session;
    World& world;
    TrackWriter* track = nullptr;
    WidgetInput widgets;
};

// The @pose line for a camera.
std::string PoseLine(const Camera& camera);

} // namespace Corvane::Host
