#include "tests/plugin/SoakSession.h"

#include "host/GameNames.h"
#include "host/WidgetInput.h"
#include "tests/support/SessionInvariants.h"

namespace Quorvel::Testing {
namespace {

using Corvane::Host::Key;

// Every console command and variable with its usual number of arguments; some calls get one
// more or one less.
struct Entry {
    const char* name;
    int arguments;
};
const std::vector<Entry> kConsole = {
    {"dolly_snapshot_take", 0},
    {"dolly_snapshot_take", 0},
    {"dolly_snapshot_list", 0},
    {"dolly_snapshot_info", 1},
    {"dolly_snapshot_override", 1},
    {"dolly_snapshot_delete", 1},
    {"dolly_snapshot_select", 1},
    {"dolly_bezier_weight", 2},
    {"dolly_activate", 0},
    {"dolly_deactivate", 0},
    {"dolly_replayinfo", 0},
    {"dolly_cam_show", 0},
    {"dolly_cam_clone", 0},
    {"dolly_cam_set_location", 3},
    {"dolly_cam_set_rotation", 3},
    {"dolly_cam_set_fov", 1},
    {"dolly_cam_set_frame", 1},
    {"dolly_path_clear", 0},
    {"dolly_path_save", 1},
    {"dolly_path_load", 1},
    {"dolly_path_mirror", 2},
    {"dolly_path_offset", 3},
    {"dolly_path_scale", 1},
    {"dolly_path_rotate", 3},
    {"dolly_path_reverse", 0},
    {"dolly_path_smooth", 0},
    {"dolly_preset_save", 2},
    {"dolly_preset_load", 1},
    {"dolly_preset_delete", 1},
    {"dolly_preset_list", 0},
    {"dolly_undo", 0},
    {"dolly_redo", 0},
    {"dolly_record_start", 1},
    {"dolly_record_stop", 1},
    {"dolly_export", 1},
    {"dolly_interpmode", 1},
    {"dolly_interpmode_location", 1},
    {"dolly_interpmode_rotation", 1},
    {"dolly_chaikin_degree", 1},
    {"dolly_spline_acc", 1},
    {"dolly_speed_norm", 1},
    {"dolly_lock_target", 1},
    {"dolly_lock_car_index", 1},
    {"dolly_soft_follow", 1},
    {"dolly_soft_follow_tension", 1},
    {"dolly_frame_shift", 1},
    {"dolly_render", 1},
    {"dolly_render_frame", 1},
    {"cl_dollycam_settings_open", 1},
    {"togglemenu dollycam", 0},
};

// Ordinary values first, then the edges of ranges, then what no range accepts.
const std::vector<std::string> kOrdinary = {"0",   "1",   "2",  "3",   "5",      "7",    "30", "90",
                                            "150", "0.5", "-1", "100", "-250.5", "1000", "4"};
const std::vector<std::string> kBoundary = {"20",          "-20",   "21",   "8",   "2147483647",
                                            "-2147483648", "1e6",   "9000", "0.1", "50",
                                            "-0",          "1e-45", "3e38", "1e36"};
const std::vector<std::string> kMalformed = {
    "nan",  "inf", "-inf", "1e39", "-1e39",   "99999999999999999999",
    "\"\"", ";",   ",",    "a,b",  "\"a b\"", "x",
    "0x10", "1,5", "\\",   "\"",   "--1",     "1e",
    "\t"};

const std::vector<std::string> kFiles = {"soak.json",  "soak.json",    "other.json", "a.gltf",
                                         "b.glb",      "c.chan",       "d.csv",      "e.txt",
                                         "sub/f.json", "missing.json", "\"\"",       "x,y.json"};

} // namespace

SoakSession::SoakSession(TestHost& host, DollyCamPlugin& plugin, std::uint32_t seed)
    : host(host), plugin(plugin), random(seed) {}

std::string SoakSession::Run(long frames) {
    while (broken.empty() && counts.frames < frames)
        Act();
    if (broken.empty())
        return "";
    std::string report = broken + "\nafter:";
    for (const std::string& action : recent)
        report += "\n  " + action;
    return report;
}

void SoakSession::Act() {
    const int roll = Uniform(0, 99);
    if (roll < 40)
        Console();
    else if (roll < 65)
        Widget();
    else if (roll < 75)
        ViewportGesture();
    else if (roll < 85)
        World();
    else if (roll < 90)
        Keys();
    const int ticks = Uniform(0, 3) == 0 ? Uniform(1, 30) : 1;
    for (int i = 0; i < ticks && broken.empty(); ++i)
        Frame();
}

void SoakSession::Console() {
    const Entry& entry = Pick(kConsole);
    const int arguments = std::max(0, entry.arguments + Uniform(-1, 6) / 6);
    std::string line = entry.name;
    const bool fileCommand = line.find("path_save") != std::string::npos ||
                             line.find("path_load") != std::string::npos ||
                             line.find("record") != std::string::npos ||
                             line.find("export") != std::string::npos;
    for (int i = 0; i < arguments; ++i)
        line += " " + (fileCommand && i == 0 ? FileName() : Argument());
    Note("console: " + line);
    ++counts.commands;
    host.Run(line);
}

// Any widget on screen in the last frame: clicked, dragged or typed into.
void SoakSession::Widget() {
    const std::vector<std::string> labels = host.GetWorld().Gui().Widgets().Labels();
    if (labels.empty()) {
        Note("console: togglemenu dollycam");
        host.Run("togglemenu dollycam");
        return;
    }
    const std::string& label = Pick(labels);
    Corvane::Host::WidgetInput input(host.GetWorld(), [this] { Frame(); });
    ++counts.widgetActions;
    switch (Uniform(0, 3)) {
    case 0:
    case 1:
        Note("click " + label);
        input.Click(label);
        break;
    case 2: {
        const float dx = static_cast<float>(Uniform(-300, 300));
        const float dy = static_cast<float>(Uniform(-200, 200));
        Note("drag " + label + " " + std::to_string(dx) + " " + std::to_string(dy));
        input.Drag(label, dx, dy);
        break;
    }
    default: {
        const std::string text = Argument();
        Note("type " + label + " = " + text);
        input.Type(label, text);
    }
    }
}

// A press somewhere over the view, a few moves, a release; or the wheel.
void SoakSession::ViewportGesture() {
    auto& pointer = host.GetWorld().Pointer();
    ++counts.mouseGestures;
    const float x = static_cast<float>(Uniform(0, 1279));
    const float y = static_cast<float>(Uniform(0, 719));
    pointer.MoveTo(x, y);
    if (Uniform(0, 3) == 0) {
        const int notches = Uniform(-5, 5);
        Note("wheel " + std::to_string(notches) + " at " + std::to_string(x) + "," +
             std::to_string(y));
        pointer.Scroll(static_cast<float>(notches));
        return;
    }
    const int button = Uniform(0, 2);
    Note("mouse drag button " + std::to_string(button) + " from " + std::to_string(x) + "," +
         std::to_string(y));
    Frame();
    pointer.Press(button);
    for (int step = Uniform(1, 6); step > 0 && broken.empty(); --step) {
        Frame();
        pointer.MoveTo(static_cast<float>(Uniform(-50, 1330)),
                       static_cast<float>(Uniform(-50, 770)));
    }
    pointer.Release(button);
}

void SoakSession::World() {
    auto& world = host.GetWorld();
    ++counts.worldEvents;
    const int frameCount = world.FrameCount();
    switch (Uniform(0, 9)) {
    case 0:
        Note("leave and re-enter the replay");
        world.Leave();
        Frame();
        world.EnterReplay();
        world.SetCameraState(Corvane::Host::kFlyCameraState);
        break;
    case 1:
        Note("enter a live game");
        world.EnterGame();
        break;
    case 2:
        Note(world.Paused() ? "play" : "pause");
        world.SetPaused(!world.Paused());
        break;
    case 3:
        Note("director camera");
        world.SetCameraState(Corvane::Host::kReplayCameraState);
        break;
    case 4:
    case 5:
        Note("flycam");
        if (!world.InReplay())
            world.EnterReplay();
        world.SetCameraState(Corvane::Host::kFlyCameraState);
        break;
    default: {
        const int frame = Uniform(-10, frameCount + 10);
        const float a = static_cast<float>(Uniform(-4000, 4000));
        Note("jump to frame " + std::to_string(frame) + ", camera at " + std::to_string(a));
        world.SkipToFrame(frame);
        world.PlaceCamera(POV{{a, -a / 2, static_cast<float>(Uniform(-100, 2000))},
                              {Uniform(-16384, 16384), Uniform(-65536, 65536), Uniform(-999, 999)},
                              static_cast<float>(Uniform(10, 170))});
    }
    }
}

// Undo, redo and the window's other keys, held for one frame.
void SoakSession::Keys() {
    static const std::vector<std::vector<Key>> chords = {
        {Key::Ctrl, Key::Z}, {Key::Ctrl, Key::Y}, {Key::Ctrl, Key::Shift, Key::Z},
        {Key::Enter},        {Key::Escape},       {Key::Delete},
        {Key::Tab}};
    auto& keyboard = host.GetWorld().Keyboard();
    const std::vector<Key>& chord = Pick(chords);
    Note("keys " + std::to_string(chord.size()) + " of chord " +
         std::to_string(static_cast<int>(chord.back())));
    for (Key key : chord)
        keyboard.Press(key);
    Frame();
    for (Key key : chord)
        keyboard.Release(key);
}

void SoakSession::Frame() {
    if (!broken.empty())
        return;
    host.GetWorld().Tick();
    ++counts.frames;
    broken = BrokenInvariant(host, plugin);
    if (!broken.empty())
        broken = "frame " + std::to_string(counts.frames) + ": " + broken;
}

std::string SoakSession::Argument() {
    const int roll = Uniform(0, 9);
    if (roll < 6)
        return Pick(kOrdinary);
    return roll < 8 ? Pick(kBoundary) : Pick(kMalformed);
}

std::string SoakSession::FileName() {
    return Pick(kFiles);
}

template <typename T> const T& SoakSession::Pick(const std::vector<T>& from) {
    return from[static_cast<size_t>(Uniform(0, static_cast<int>(from.size()) - 1))];
}

int SoakSession::Uniform(int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
}

void SoakSession::Note(const std::string& action) {
    recent.push_back(action);
    if (recent.size() > 12)
        recent.pop_front();
}

} // namespace Quorvel::Testing
