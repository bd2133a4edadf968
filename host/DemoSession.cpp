#include "host/DemoSession.h"

namespace Corvane::Host {

const char* DemoScript() {
    return R"(# Record a path of six waypoints in a replay, moving and turning the camera.
@replay
@flycam
@frame 0
@camera 0 -3000 600 -1500 16384 0 90
dolly_snapshot_take
@frame 60
@camera 1500 -2000 800 -2000 24000 0 90
dolly_snapshot_take
@frame 120
@camera 2500 0 900 -2500 32768 0 80
dolly_snapshot_take
@frame 180
@camera 1500 2000 700 -1800 40000 0 85
dolly_snapshot_take
@frame 240
@camera 0 3000 500 -1200 49152 0 90
dolly_snapshot_take
@frame 300
@camera -1500 2000 400 -1000 57344 0 95
dolly_snapshot_take
@frame 360
dolly_snapshot_take
dolly_snapshot_list
dolly_snapshot_info 60
dolly_snapshot_delete 7
dolly_snapshot_list

# Play it in the default modes: B-spline for location and rotation, recording the camera
# as it flies for Blender or Nuke (the recording ends with the aim at the ball).
@frame 0
dolly_record_start demo_flight.gltf
dolly_activate
@tick 90
@pose
# Aim at the ball for a while, then let go.
dolly_lock_target 1
@tick 60
@pose
dolly_record_stop
dolly_lock_target 0
@tick 60
@pose
dolly_deactivate

# The settings window's automatic choice: cubic Hermite location, B-spline rotation.
dolly_interpmode_location 7
@frame 0
dolly_activate
@tick 150
@pose
dolly_deactivate
dolly_interpmode 0
dolly_interpmode 2
dolly_interpmode 5

# Keep the path on disk, and as a tagged preset.
dolly_path_save demo_path.json
# The path's own flight, without playing it, for Blender (glTF) and Nuke (.chan).
dolly_export demo_path.gltf
dolly_export demo_path.chan
dolly_path_clear
dolly_snapshot_list
dolly_path_load demo_path.json
dolly_snapshot_info 120
dolly_preset_save intro demo,wide
dolly_preset_list

# Reshape the whole path, then bring the preset back.
dolly_path_offset 0 0 200
dolly_path_mirror 1
dolly_snapshot_info 120
dolly_path_reverse
dolly_path_smooth
dolly_preset_load intro
dolly_snapshot_info 120

# Custom handles shape the cubic Hermite curve: the same path with and without them.
dolly_interpmode 7
dolly_path_load handles_plain.json
@frame 45
dolly_activate
@tick 1
@pose
dolly_deactivate
dolly_path_load handles_custom.json
@frame 45
dolly_activate
@tick 1
@pose
dolly_deactivate

# Pictures of what the overlay draws, into the data folder's pictures folder. The replay is
# paused on frame 150 so that every picture shows the same moment.
@pause
@frame 150
dolly_interpmode 5
dolly_path_load demo_path.json
# The recorded path from behind and above its middle, far enough back to hold all of it: the
# polyline with its frame numbers, the numbered waypoint markers and the gizmo's handles.
@camera -3500 0 2200 -4000 0 0 90
@tick
@shot pictures/path.png

# Dragging with the mouse, on the four waypoints along x at height 300, seen side on from
# 2000 away: x = 0, 1000, 2000, 3000 show at pixels 160, 480, 800 and 1120 of row 360.
dolly_interpmode 7
dolly_path_load handles_plain.json
@camera 1500 2000 300 0 -16384 0 90
# The second waypoint, hovered, then dragged 100 pixels up (322 world units at its distance).
@mouse 480 360
@tick
@shot pictures/drag-waypoint-before.png
@down 0
@tick
@mouse 480 260
@tick
@up 0
@tick
@shot pictures/drag-waypoint-after.png
dolly_snapshot_info 30
# The third waypoint's out handle, a third of the way to the fourth (pixel 906), dragged up:
# its in handle turns to point the other way.
@mouse 906 360
@tick
@shot pictures/drag-handle-before.png
@down 0
@tick
@mouse 906 240
@tick
@up 0
@tick
@shot pictures/drag-handle-after.png
@mouse 0 0

# The settings window, used with the mouse and keyboard as a user does, on a larger canvas so
# that the window and the view both fit. Its title bar drags it to the top left corner and its
# lower right corner makes it 1090 x 760.
@canvas 1600 900
dolly_path_load demo_path.json
@camera -3500 0 2200 -4000 0 0 90
togglemenu dollycam
@tick 2
@drag Quorvel -55 -55
@mouse 702 602
@tick
@down 0
@tick
@mouse 900 700
@tick
@mouse 1092 762
@tick
@up 0
@tick
# Select the third waypoint in the table, then drag its dot on the timeline from 4 s to 5 s:
# the track runs from x 33 (0 s) to 1067 (10 s) on row 429, so the dot moves 103 pixels.
@click 3: 120##r3
@mouse 447 429
@tick
@down 0
@tick
@mouse 500 429
@tick
@mouse 550 429
@tick
@up 0
@tick
@shot pictures/window-snapshots.png
dolly_snapshot_list

# Path tools: a live scale and rotation about the path's middle, then back to the path as it was.
@click Snapshots
@click Path Tools
@type Scale##sc = 1.5
@type Z##rp = 30
@tick
@shot pictures/window-path-tools.png
dolly_snapshot_info 150
@click Reset Transforms
dolly_snapshot_info 150

# Reference shapes: a cube at the centre spot and a circle around it.
@click Path Tools
@click Reference Shapes
@click + Add Cube
@click + Add Circle
@tick
@type Radius##sr = 900
@type H##sh = 400
@tick
@shot pictures/window-shapes.png

# The motion graph, with the third waypoint still selected.
@click Reference Shapes
@click Motion Graph
@tick
@shot pictures/window-motion-graph.png

# The shapes in the view with the window closed, then the orbit view around the whole path,
# started from the window's button.
togglemenu dollycam
@camera -2500 -2500 1500 -3000 8192 0 90
@tick
@shot pictures/reference-shapes.png
togglemenu dollycam
@tick
@click Motion Graph
@click Snapshots
@click Orbit Path##op
togglemenu dollycam
@tick 2
@shot pictures/orbit-view.png
@leave
)";
}

namespace {

// Four waypoints along x, one second apart at 30 frames a second. {HANDLES} is replaced by
// the second waypoint's handle members.
constexpr const char* kHandlesPath = R"({
    "0": {"FOV": 90.0, "frame": 0, "location": {"x": 0.0, "y": 0.0, "z": 300.0},
          "rotation": {"pitch": 0.0, "roll": 0.0, "yaw": 0.0}, "timestamp": 0.0, "weight": 1.0},
    "30": {"FOV": 90.0, "frame": 30, "location": {"x": 1000.0, "y": 0.0, "z": 300.0},
           "rotation": {"pitch": 0.0, "roll": 0.0, "yaw": 0.0}, "timestamp": 1.0,
           "weight": 1.0{HANDLES}},
    "60": {"FOV": 90.0, "frame": 60, "location": {"x": 2000.0, "y": 0.0, "z": 300.0},
           "rotation": {"pitch": 0.0, "roll": 0.0, "yaw": 0.0}, "timestamp": 2.0, "weight": 1.0},
    "90": {"FOV": 90.0, "frame": 90, "location": {"x": 3000.0, "y": 0.0, "z": 300.0},
           "rotation": {"pitch": 0.0, "roll": 0.0, "yaw": 0.0}, "timestamp": 3.0, "weight": 1.0}
})";

// Handles that pull the path sideways through the second waypoint.
constexpr const char* kCustomHandles =
    R"(, "v3_bz_has_custom": true, "v3_bz_ctrl_in": {"x": -300.0, "y": -600.0, "z": 0.0},
           "v3_bz_ctrl_out": {"x": 300.0, "y": 600.0, "z": 0.0})";

std::string HandlesPath(const std::string& handles) {
    std::string text = kHandlesPath;
    const std::string marker = "{HANDLES}";
    text.replace(text.find(marker), marker.size(), handles);
    return text;
}

} // namespace

std::vector<std::pair<std::string, std::string>> DemoFiles() {
    return {{"campaths/handles_plain.json", HandlesPath("")},
            {"campaths/handles_custom.json", HandlesPath(kCustomHandles)}};
}

} // namespace Corvane::Host
