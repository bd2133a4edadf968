# Imports exported camera tracks into Blender with its own importers and compares the camera
# Blender then has with the camera track corvane-sim wrote while the plugin flew it.
#
#   blender -b --factory-startup --python blender_check.py -- [--fps 30] [--aspect 1.7778]
#           FILE.gltf|FILE.chan TRACK.csv [FILE TRACK.csv ...]
#
# Each file is compared at every frame of its track: the camera's world position within a
# millimetre, its viewing direction and the image's up direction within 0.01 degree, and the
# horizontal field of view within 0.01 degree. Blender 3.4's glTF importer does not read
# KHR_animation_pointer, so a glTF camera's field of view is Blender's only at the first
# frame; at the others the file's own yfov key is compared. The game camera is rebuilt here
# from the track with the game's rules (left-handed, Z up, centimetres, 65536 units a turn,
# roll clockwise as seen from behind), independently of the plugin's code.
# Exit status 0 when every file agrees, 1 otherwise (each difference is printed).

import base64
import csv
import json
import math
import os
import struct
import sys
import traceback

import addon_utils
import bpy
from mathutils import Vector

POSITION_METRES = 0.001
ANGLE_DEGREES = 0.01


def game_camera(row):
    """Position (metres) and forward and up directions of a track row, in Blender's frame."""
    turn = 2.0 * math.pi / 65536.0
    p, y, r = (int(row[k]) * turn for k in ("pitch", "yaw", "roll"))

    def orient(v):
        x, yv, z = v  # roll about ahead (right dips), pitch about right, yaw about up
        yv, z = math.cos(r) * yv + math.sin(r) * z, -math.sin(r) * yv + math.cos(r) * z
        x, z = math.cos(p) * x - math.sin(p) * z, math.sin(p) * x + math.cos(p) * z
        x, yv = math.cos(y) * x - math.sin(y) * yv, math.sin(y) * x + math.cos(y) * yv
        return Vector((x, -yv, z))  # left-handed game axes to right-handed Z up

    at = Vector((float(row["x"]), -float(row["y"]), float(row["z"]))) / 100.0
    return at, orient((1, 0, 0)), orient((0, 0, 1)), float(row["fov"])


def read_track(path):
    """The last row of each replay frame, in frame order."""
    frames = {}
    with open(path, newline="") as f:
        for row in csv.DictReader(f):
            frames[int(row["frame"])] = row
    return [frames[k] for k in sorted(frames)]


def angle_between(a, b):
    """Degrees, in double precision: a float dot product near 1 cannot resolve 0.01 degree."""
    a, b = [float(v) for v in a], [float(v) for v in b]
    cross = (a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0])
    dot = sum(x * y for x, y in zip(a, b))
    return math.degrees(math.atan2(math.sqrt(sum(c * c for c in cross)), dot))


def horizontal_fov(vertical_radians, aspect):
    return math.degrees(2.0 * math.atan(aspect * math.tan(vertical_radians / 2.0)))


def gltf_yfov_keys(path):
    """The KHR_animation_pointer yfov keys of an embedded-buffer .gltf, in radians."""
    with open(path) as f:
        gltf = json.load(f)
    uri = gltf["buffers"][0]["uri"]
    data = base64.b64decode(uri.split(",", 1)[1])
    for animation in gltf["animations"]:
        for channel in animation["channels"]:
            pointer = channel["target"].get("extensions", {}).get("KHR_animation_pointer")
            if pointer and pointer["pointer"] == "/cameras/0/perspective/yfov":
                accessor = gltf["accessors"][animation["samplers"][channel["sampler"]]["output"]]
                view = gltf["bufferViews"][accessor["bufferView"]]
                start = view.get("byteOffset", 0) + accessor.get("byteOffset", 0)
                return struct.unpack_from("<%df" % accessor["count"], data, start)
    return None


def reset_scene(fps):
    bpy.ops.wm.read_factory_settings(use_empty=True)
    bpy.context.scene.render.fps = fps
    bpy.context.scene.render.fps_base = 1.0


def import_gltf(path, fps):
    reset_scene(fps)
    bpy.ops.import_scene.gltf(filepath=path)
    cameras = [o for o in bpy.context.scene.objects if o.type == "CAMERA"]
    return cameras[0] if len(cameras) == 1 else None


def import_chan(path, fps, aspect):
    reset_scene(fps)
    addon_utils.enable("io_anim_nuke_chan", default_set=True)
    camera = bpy.data.objects.new("Camera", bpy.data.cameras.new("Camera"))
    bpy.context.scene.collection.objects.link(camera)
    bpy.context.view_layer.objects.active = camera
    bpy.ops.import_scene.import_chan(filepath=path, z_up=True, rotation_order="ZXY",
                                     sensor_width=18.0 * aspect, sensor_height=18.0)
    return camera


class Check:
    def __init__(self, name):
        self.name = name
        self.failures = 0
        self.worst = [0.0, 0.0, 0.0]

    def expect(self, frame, what, error, limit, slot):
        self.worst[slot] = max(self.worst[slot], error)
        if not error <= limit:
            self.failures += 1
            if self.failures <= 10:
                print("%s frame %d: %s off by %.6g (limit %g)" % (self.name, frame, what, error,
                                                                   limit))

    def report(self, frames):
        print("%s: %d frames, worst position %.3g m, direction %.3g deg, fov %.3g deg, %s" %
              (self.name, frames, self.worst[0], self.worst[1], self.worst[2],
               "ok" if self.failures == 0 else "%d differences" % self.failures))
        return self.failures == 0


def compare(path, track_path, fps, aspect):
    is_gltf = path.endswith(".gltf")
    camera = import_gltf(path, fps) if is_gltf else import_chan(path, fps, aspect)
    check = Check(path)
    track = read_track(track_path)
    if camera is None or not track:
        print("%s: no single camera imported, or an empty track" % path)
        return False
    yfov_keys = gltf_yfov_keys(path) if is_gltf else None
    if is_gltf and (yfov_keys is None or len(yfov_keys) != len(track)):
        print("%s: the yfov keys do not match the track's frames" % path)
        return False
    first = int(track[0]["frame"])
    scene = bpy.context.scene
    for i, row in enumerate(track):
        frame = int(row["frame"])
        # glTF keys are at seconds from the first sample, Blender frames at fps from 0; a
        # .chan key is at its replay frame.
        scene.frame_set(frame - first if is_gltf else frame)
        at, forward, up, fov = game_camera(row)
        world = camera.matrix_world
        check.expect(frame, "position", (world.translation - at).length, POSITION_METRES, 0)
        check.expect(frame, "direction", angle_between(-world.col[2].xyz, forward),
                     ANGLE_DEGREES, 1)
        check.expect(frame, "up", angle_between(world.col[1].xyz, up), ANGLE_DEGREES, 1)
        if is_gltf:
            seen = yfov_keys[i] if i > 0 else camera.data.angle_y
            check.expect(frame, "fov", abs(horizontal_fov(seen, aspect) - fov), ANGLE_DEGREES, 2)
        else:
            check.expect(frame, "fov", abs(math.degrees(camera.data.angle_x) - fov),
                         ANGLE_DEGREES, 2)
    return check.report(len(track))


def main(argv):
    fps, aspect, pairs = 30, 1280.0 / 720.0, []
    while argv:
        word = argv.pop(0)
        if word == "--fps":
            fps = int(argv.pop(0))
        elif word == "--aspect":
            aspect = float(argv.pop(0))
        else:
            pairs.append((word, argv.pop(0)))
    if not pairs:
        print(__doc__ if __doc__ else "usage: see the header of blender_check.py")
        return 2
    results = [compare(path, track, fps, aspect) for path, track in pairs]
    return 0 if all(results) else 1


if __name__ == "__main__":
    argv = sys.argv[sys.argv.index("--") + 1:] if "--" in sys.argv else []
    status = 2
    try:
        status = main(argv)
    except Exception:
        traceback.print_exc()
    finally:
        sys.stdout.flush()
        # Blender's own exit status is 0 whatever a script does; leave with the verdict.
        os._exit(status)
