#pragma once
// Acting on the plugin's widgets by their label (host/WidgetMap.h) as a user does, with the
// host's mouse and keyboard. Every action runs game frames, as many as ImGui needs to see the
// input, so the world advances meanwhile as it does while a real user clicks.
//
//   Every action first rests the pointer on the widget for one frame, as a hand does before it
//   presses (a table row under its own delete button takes only a press it was hovered for).
//   Click  the pointer to the widget's centre; the left button down for one frame, then up
//          for one more (3 frames).
//   Drag   the left button down on the centre for one frame; the pointer moved by DX, DY
//          pixels in 4 equal steps of one frame each; up for one more frame (7 frames).
//          ImGui's drags only start following the pointer once it is 3 pixels from where it
//          was pressed: the steps before that are lost. A slider jumps to the pointer at once.
//   Type   Ctrl+click 4 pixels inside the widget's left end, halfway down (a number field's
//          text, not its -/+ buttons; a drag or slider turns into a text field with its text
//          selected); Ctrl+A as the button is released; Backspace; the text; Enter, released
//          in the last frame (7 frames).
//
// Two presses within ImGui's double-click time (0.3 s of game time, 9 frames at 30 fps) and
// 6 pixels of each other are a double click, as for a user: a drag or slider then turns into
// a text field, and a text field selects all its text. Run frames between actions on one spot
// when that matters.
//
// A label that was not on screen in the last rendered frame changes nothing and fails.

#include <functional>
#include <string>
#include <utility>

#include "host/World.h"

namespace Corvane::Host {

class WidgetInput {
public:
    // runFrame runs one game frame; scripts pass theirs, which also writes the track.
    WidgetInput(World& world, std::function<void()> runFrame)
        : world(world), runFrame(std::move(runFrame)) {}

    bool Click(const std::string& label);
    bool Drag(const std::string& label, float dx, float dy);
    bool Type(const std::string& label, const std::string& text);

private:
    void RestPointerAt(float x, float y);
    void PressLeftFor1Frame();
    void ReleaseLeftFor1Frame();
    void TapKey(Key key);

    World& world;
    std::function<void()> runFrame;
};

} // namespace Corvane::Host
