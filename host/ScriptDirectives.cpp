#include "host/ScriptDirectives.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>

#include "host/GameNames.h"
#include "host/Picture.h"
#include "host/PngFile.h"

namespace Corvane::Host {

namespace {

LineOutcome Malformed(const std::string& why) {
    return LineOutcome{2, why};
}

std::vector<std::string> SplitWords(const std::string& line) {
    std::vector<std::string> words;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        const size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t')
            ++i;
        if (i > start)
            words.push_back(line.substr(start, i - start));
    }
    return words;
}

bool ParseInt(const std::string& word, int& value) {
    const char* end = word.data() + word.size();
    const auto result = std::from_chars(word.data(), end, value);
    return result.ec == std::errc() && result.ptr == end;
}

bool ParseIntIn(const std::string& word, int low, int high, int& value) {
    return ParseInt(word, value) && value >= low && value <= high;
}

bool ParseFloat(const std::string& word, float& value) {
    const char* end = word.data() + word.size();
    const auto result = std::from_chars(word.data(), end, value);
    return result.ec == std::errc() && result.ptr == end && std::isfinite(value);
}

bool ParseVector(const std::vector<std::string>& words, size_t first, Vector& vector) {
    return ParseFloat(words[first], vector.X) && ParseFloat(words[first + 1], vector.Y) &&
           ParseFloat(words[first + 2], vector.Z);
}

// What follows the directive's name and one separator, kept exactly; empty when nothing does.
std::string RestOfLine(const std::string& line, const std::string& name) {
    return line.size() > name.size() + 1 ? line.substr(name.size() + 1) : std::string();
}

// LABEL DX DY: the label is everything before the last two words.
bool SplitDrag(const std::string& rest, std::string& label, float& dx, float& dy) {
    const size_t dyStart = rest.find_last_of(" \t") + 1;
    if (dyStart == 0)
        return false;
    const size_t dxEnd = rest.find_last_not_of(" \t", dyStart - 1);
    const size_t dxStart = rest.find_last_of(" \t", dxEnd) + 1;
    if (dxEnd == std::string::npos || dxStart == 0)
        return false;
    const size_t labelEnd = rest.find_last_not_of(" \t", dxStart - 1);
    if (labelEnd == std::string::npos)
        return false;
    label = rest.substr(0, labelEnd + 1);
    return ParseFloat(rest.substr(dxStart, dxEnd + 1 - dxStart), dx) &&
           ParseFloat(rest.substr(dyStart), dy);
}

std::string NotOnScreen(const std::string& label) {
    return "no widget \"" + label + "\" on screen in the last rendered frame";
}

std::string Fixed3(float value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.3f", double(value));
    const std::string result = text;
    return result == "-0.000" ? "0.000" : result;
}

} // namespace

std::string PoseLine(const Camera& camera) {
    return "pose " + Fixed3(camera.location.X) + " " + Fixed3(camera.location.Y) + " " +
           Fixed3(camera.location.Z) + " " + std::to_string(camera.rotation.Pitch) + " " +
           std::to_string(camera.rotation.Yaw) + " " + std::to_string(camera.rotation.Roll) + " " +
           Fixed3(camera.fov);
}

LineOutcome ScriptDirectives::Run(const std::string& line) {
    const Words words = SplitWords(line);
    const std::string& name = words.front();
    if (name == "@expect")
        return RunExpect(line);
    if (name == "@shot")
        return RunShot(line);
    if (name == "@replay")
        return RunReplay(words);
    if (name == "@camstate") {
        if (words.size() != 2)
            return Malformed("@camstate needs one state name");
        world.SetCameraState(words[1]);
        return {};
    }
    if (name == "@camera")
        return RunCamera(words);
    if (name == "@frame")
        return RunFrame(words);
    if (name == "@tick")
        return RunTick(words);
    if (name == "@ball")
        return RunBall(words);
    if (name == "@car")
        return RunCar(words);
    if (name == "@cars")
        return RunCars(words);
    if (name == "@canvas")
        return RunCanvas(words);
    if (name == "@mouse")
        return RunMouse(words);
    if (name == "@down" || name == "@up")
        return RunButton(words);
    if (name == "@wheel")
        return RunWheel(words);
    if (name == "@key")
        return RunKey(words);
    if (name == "@click")
        return RunClick(line);
    if (name == "@drag")
        return RunDrag(line);
    if (name == "@type")
        return RunType(line);
    return RunNoArguments(words);
}

LineOutcome ScriptDirectives::RunNoArguments(const Words& words) {
    const std::string& name = words.front();
    const bool known = name == "@leave" || name == "@game" || name == "@flycam" ||
                       name == "@pause" || name == "@play" || name == "@pose";
    if (!known)
        return Malformed("unknown directive " + name);
    if (words.size() != 1)
        return Malformed(name + " takes no arguments");
    if (name == "@leave")
        world.Leave();
    else if (name == "@game")
        world.EnterGame();
    else if (name == "@flycam")
        world.SetCameraState(kFlyCameraState);
    else if (name == "@pause" || name == "@play")
        world.SetPaused(name == "@pause");
    else
        session.GetConsole().Log(PoseLine(world.GetCamera()));
    return {};
}

LineOutcome ScriptDirectives::RunReplay(const Words& words) {
    int fps = World::kDefaultFps;
    int frames = World::kDefaultReplayFrames;
    if (words.size() > 3)
        return Malformed("@replay takes at most fps=N and frames=M");
    for (size_t i = 1; i < words.size(); ++i) {
        const std::string& option = words[i];
        if (option.rfind("frames=", 0) == 0) {
            if (!ParseIntIn(option.substr(7), 0, INT_MAX, frames))
                return Malformed("@replay takes frames=M with M a whole number, 0 or more");
        } else if (option.rfind("fps=", 0) != 0 || !ParseIntIn(option.substr(4), 0, 1000, fps)) {
            return Malformed("@replay takes fps=N with N a whole number in 0..1000");
        }
    }
    world.EnterReplay(fps, frames);
    return {};
}

LineOutcome ScriptDirectives::RunCamera(const Words& words) {
    POV pov;
    if (words.size() != 8 || !ParseVector(words, 1, pov.location) ||
        !ParseInt(words[4], pov.rotation.Pitch) || !ParseInt(words[5], pov.rotation.Yaw) ||
        !ParseInt(words[6], pov.rotation.Roll) || !ParseFloat(words[7], pov.fov))
        return Malformed("@camera needs X Y Z PITCH YAW ROLL FOV (whole rotator units)");
    world.PlaceCamera(pov);
    return {};
}

LineOutcome ScriptDirectives::RunFrame(const Words& words) {
    int frame = 0;
    float seconds = 0.0f;
    if (words.size() < 2 || words.size() > 3 || !ParseIntIn(words[1], 0, INT_MAX, frame) ||
        (words.size() == 3 && !ParseFloat(words[2], seconds)))
        return Malformed("@frame needs a frame number (0 or more) and optionally SECONDS");
    if (world.Mode() == WorldMode::Menu)
        return Malformed("@frame needs a replay or a game");
    world.SkipToFrame(frame);
    if (words.size() == 3)
        world.SetReplayTime(seconds);
    return {};
}

LineOutcome ScriptDirectives::RunTick(const Words& words) {
    int count = 1;
    if (words.size() > 2 || (words.size() == 2 && !ParseIntIn(words[1], 0, 10000000, count)))
        return Malformed("@tick takes a count of frames in 0..10000000");
    Guard& guard = session.GetGuard();
    const int faultsBefore = guard.FaultCount();
    for (int i = 0; i < count && guard.FaultCount() == faultsBefore; ++i)
        RunFrame();
    return {};
}

void ScriptDirectives::RunFrame() {
    const bool cameraWritten = world.Tick();
    if (cameraWritten && track != nullptr)
        track->WriteRow(world.TickCount(), world.Frame(), world.SecondsElapsed(),
                        world.GetCamera());
}

LineOutcome ScriptDirectives::RunBall(const Words& words) {
    if (words.size() == 2 && words[1] == "free") {
        world.FreeBall();
        return {};
    }
    Vector location;
    if (words.size() != 4 || !ParseVector(words, 1, location))
        return Malformed("@ball needs X Y Z, or free");
    world.PinBall(location);
    return {};
}

LineOutcome ScriptDirectives::RunCar(const Words& words) {
    int index = 0;
    if (words.size() < 2 || !ParseIntIn(words[1], 0, World::kMaxCars - 1, index))
        return Malformed("@car needs a car index in 0..7");
    if (words.size() == 3 && words[2] == "free") {
        world.FreeCar(index);
        return {};
    }
    Vector location;
    if (words.size() != 5 || !ParseVector(words, 2, location))
        return Malformed("@car needs I X Y Z, or I free");
    world.PinCar(index, location);
    return {};
}

LineOutcome ScriptDirectives::RunCars(const Words& words) {
    int count = 0;
    if (words.size() != 2 || !ParseIntIn(words[1], 0, World::kMaxCars, count))
        return Malformed("@cars needs a count in 0..8");
    world.SetCarCount(count);
    return {};
}

LineOutcome ScriptDirectives::RunCanvas(const Words& words) {
    int width = 0, height = 0;
    if (words.size() != 3 || !ParseIntIn(words[1], 1, 16384, width) ||
        !ParseIntIn(words[2], 1, 16384, height))
        return Malformed("@canvas needs a width and a height in 1..16384");
    world.GetCanvas().SetSize(width, height);
    return {};
}

LineOutcome ScriptDirectives::RunMouse(const Words& words) {
    float x = 0.0f, y = 0.0f;
    if (words.size() != 3 || !ParseFloat(words[1], x) || !ParseFloat(words[2], y))
        return Malformed("@mouse needs X Y in canvas pixels");
    world.Pointer().MoveTo(x, y);
    return {};
}

LineOutcome ScriptDirectives::RunButton(const Words& words) {
    int button = 0;
    if (words.size() != 2 || !ParseIntIn(words[1], 0, PointerFrame::kButtons - 1, button))
        return Malformed(words[0] + " needs a mouse button: 0 left, 1 right, 2 middle");
    if (words[0] == "@down")
        world.Pointer().Press(button);
    else
        world.Pointer().Release(button);
    return {};
}

LineOutcome ScriptDirectives::RunWheel(const Words& words) {
    float notches = 0.0f;
    if (words.size() != 2 || !ParseFloat(words[1], notches))
        return Malformed("@wheel needs a number of notches");
    world.Pointer().Scroll(notches);
    return {};
}

LineOutcome ScriptDirectives::RunKey(const Words& words) {
    std::vector<Key> keys;
    if (words.size() != 2 || !ParseKeyChord(words[1], keys))
        return Malformed("@key needs keys joined by +, such as Ctrl+Z (Tab, Left, Right, Up, "
                         "Down, Home, End, Delete, Backspace, Enter, Escape, A, C, V, X, Y, Z, "
                         "Ctrl, Shift)");
    for (const Key key : keys)
        world.Keyboard().Press(key);
    RunFrame();
    for (const Key key : keys)
        world.Keyboard().Release(key);
    // Released for a frame too, so that a next chord is a new press.
    RunFrame();
    return {};
}

LineOutcome ScriptDirectives::RunClick(const std::string& line) {
    const std::string label = RestOfLine(line, "@click");
    if (label.empty())
        return Malformed("@click needs a widget label");
    if (!widgets.Click(label))
        return Malformed(NotOnScreen(label));
    return {};
}

LineOutcome ScriptDirectives::RunDrag(const std::string& line) {
    std::string label;
    float dx = 0.0f, dy = 0.0f;
    if (!SplitDrag(RestOfLine(line, "@drag"), label, dx, dy))
        return Malformed("@drag needs a widget label and DX DY in pixels");
    if (!widgets.Drag(label, dx, dy))
        return Malformed(NotOnScreen(label));
    return {};
}

LineOutcome ScriptDirectives::RunType(const std::string& line) {
    const std::string rest = RestOfLine(line, "@type");
    const size_t equals = rest.find(" = ");
    if (equals == 0 || equals == std::string::npos)
        return Malformed("@type needs a widget label, \" = \" and the text");
    const std::string label = rest.substr(0, equals);
    if (!widgets.Type(label, rest.substr(equals + 3)))
        return Malformed(NotOnScreen(label));
    return {};
}

LineOutcome ScriptDirectives::RunShot(const std::string& line) {
    const size_t start = line.find_first_not_of(" \t", 5);
    if (line.size() <= 5 || (line[5] != ' ' && line[5] != '\t') || start == std::string::npos)
        return Malformed("@shot needs a file name");
    if (!world.Shown().rendered)
        return Malformed("@shot needs a rendered frame (@tick first)");
    const std::filesystem::path name = line.substr(start, line.find_last_not_of(" \t") + 1 - start);
    const std::filesystem::path file = name.is_absolute() ? name : world.DataFolder() / name;
    std::error_code ignored;
    std::filesystem::create_directories(file.parent_path(), ignored);
    if (!WritePng(TakePicture(world), file))
        return Malformed("@shot cannot write " + file.string());
    return {};
}

LineOutcome ScriptDirectives::RunExpect(const std::string& line) {
    const std::string expected = line.size() > 8 ? line.substr(8) : std::string();
    const Console& console = session.GetConsole();
    if (console.LineCount() == 0)
        return LineOutcome{1, "@expect failed: expected \"" + expected +
                                  "\", but nothing was logged yet"};
    if (console.LastLine() != expected)
        return LineOutcome{1, "@expect failed: expected \"" + expected +
                                  "\", but the last line was \"" + console.LastLine() + "\""};
    return {};
}

} // namespace Corvane::Host
