#include "host/WidgetInput.h"

#include <optional>

namespace Corvane::Host {

namespace {

constexpr int kLeftButton = 0;
constexpr int kDragSteps = 4;
// Pixels in from a field's left end: past its frame border, short of any -/+ buttons.
constexpr float kTypeInset = 4.0f;

} // namespace

// A hand comes to rest on a widget before it presses: ImGui lets a widget that overlaps
// another (a table row under its delete button) take a press only once it was hovered in the
// frame before.
void WidgetInput::RestPointerAt(float x, float y) {
    world.Pointer().MoveTo(x, y);
    runFrame();
}

void WidgetInput::PressLeftFor1Frame() {
    world.Pointer().Press(kLeftButton);
    runFrame();
}

void WidgetInput::ReleaseLeftFor1Frame() {
    world.Pointer().Release(kLeftButton);
    runFrame();
}

void WidgetInput::TapKey(Key key) {
    world.Keyboard().Press(key);
    runFrame();
    world.Keyboard().Release(key);
}

bool WidgetInput::Click(const std::string& label) {
    const std::optional<WidgetRect> rect = world.Gui().Widgets().Find(label);
    if (!rect)
        return false;
    RestPointerAt(rect->CentreX(), rect->CentreY());
    PressLeftFor1Frame();
    ReleaseLeftFor1Frame();
    return true;
}

bool WidgetInput::Drag(const std::string& label, float dx, float dy) {
    const std::optional<WidgetRect> rect = world.Gui().Widgets().Find(label);
    if (!rect)
        return false;
    const float x = rect->CentreX();
    const float y = rect->CentreY();
    RestPointerAt(x, y);
    PressLeftFor1Frame();
    for (int step = 1; step <= kDragSteps; ++step) {
        const float done = static_cast<float>(step) / kDragSteps;
        world.Pointer().MoveTo(x + dx * done, y + dy * done);
        runFrame();
    }
    ReleaseLeftFor1Frame();
    return true;
}

bool WidgetInput::Type(const std::string& label, const std::string& text) {
    const std::optional<WidgetRect> rect = world.Gui().Widgets().Find(label);
    if (!rect)
        return false;
    KeyboardInput& keyboard = world.Keyboard();
    RestPointerAt(rect->minX + kTypeInset, rect->CentreY());
    keyboard.Press(Key::Ctrl);
    PressLeftFor1Frame();
    // The field is active from the press on: the release and Ctrl+A go in one frame.
    keyboard.Press(Key::A);
    ReleaseLeftFor1Frame();
    keyboard.Release(Key::A);
    // Text fields ignore characters while Ctrl is held.
    keyboard.Release(Key::Ctrl);
    // Erasing the selection apart from typing makes an empty text clear the field too.
    TapKey(Key::Backspace);
    keyboard.Type(text);
    runFrame();
    TapKey(Key::Enter);
    runFrame();
    return true;
}

} // namespace Corvane::Host
