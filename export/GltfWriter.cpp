#include "export/GltfWriter.h"

#include <cstdint>
#include <cstring>
#include <sstream>

#include <nlohmann/json.hpp>

#include "export/SceneAxes.h"
#include "export/TinyGltf.h"

using namespace Quorvel::Export;

namespace {

constexpr const char* kPointerExtension = "KHR_animation_pointer";
constexpr double kNearClipMetres = 0.01;
// Far beyond any arena; tinygltf always writes zfar, and an infinite one would be its absence.
constexpr double kFarClipMetres = 10000.0;

// The four animated series, each one accessor over its own stretch of the single buffer.
struct Series {
    std::vector<float> times, translations, rotations, yfovs;
};

Series MakeSeries(const CameraTrack& track) {
    Series series;
    const double start = track.samples.front().seconds;
    Quat previous;
    for (const TrackSample& s : track.samples) {
        series.times.push_back(static_cast<float>(s.seconds - start));
        const Vec3 at = ToYUpMetres(s.x, s.y, s.z);
        series.translations.insert(series.translations.end(),
                                   {float(at.x), float(at.y), float(at.z)});
        Quat q = CameraOrientationYUp(s.pitch, s.yaw, s.roll);
        // q and -q are the same turn: keep neighbours in one hemisphere so that a reader's
        // interpolation between two frames takes the short way.
        if (q.x * previous.x + q.y * previous.y + q.z * previous.z + q.w * previous.w < 0.0)
            q = {-q.x, -q.y, -q.z, -q.w};
        previous = q;
        series.rotations.insert(series.rotations.end(),
                                {float(q.x), float(q.y), float(q.z), float(q.w)});
        series.yfovs.push_back(float(VerticalFovRadians(s.fov, track.aspect)));
    }
    return series;
}

// Appends values to the buffer as a new view and accessor; returns the accessor's index.
int AddAccessor(tinygltf::Model& model, const std::vector<float>& values, int type,
                std::size_t components) {
    tinygltf::Buffer& buffer = model.buffers.front();
    tinygltf::BufferView view;
    view.buffer = 0;
    view.byteOffset = buffer.data.size();
    view.byteLength = values.size() * sizeof(float);
    const auto* bytes = reinterpret_cast<const unsigned char*>(values.data());
    buffer.data.insert(buffer.data.end(), bytes, bytes + view.byteLength);
    model.bufferViews.push_back(view);

    tinygltf::Accessor accessor;
    accessor.bufferView = int(model.bufferViews.size()) - 1;
    accessor.componentType = TINYGLTF_COMPONENT_TYPE_FLOAT;
    accessor.count = values.size() / components;
    accessor.type = type;
    model.accessors.push_back(accessor);
    return int(model.accessors.size()) - 1;
}

void AddCamera(tinygltf::Model& model, const CameraTrack& track, const Series& series) {
    tinygltf::Camera camera;
    camera.type = "perspective";
    camera.perspective.aspectRatio = track.aspect;
    camera.perspective.yfov = series.yfovs.front();
    camera.perspective.znear = kNearClipMetres;
    camera.perspective.zfar = kFarClipMetres;
    model.cameras.push_back(camera);

    tinygltf::Node node;
    node.name = "Camera";
    node.camera = 0;
    node.translation.assign(series.translations.begin(), series.translations.begin() + 3);
    node.rotation.assign(series.rotations.begin(), series.rotations.begin() + 4);
    model.nodes.push_back(node);
    tinygltf::Scene scene;
    scene.nodes.push_back(0);
    model.scenes.push_back(scene);
    model.defaultScene = 0;
}

// Animation times must rise strictly, as the file holds them (in float).
bool TimesRise(const CameraTrack& track, const Series& series, std::string& error) {
    for (std::size_t i = 1; i < series.times.size(); ++i) {
        if (!(series.times[i] > series.times[i - 1])) {
            error = "the replay time does not rise from frame " +
                    std::to_string(track.samples[i - 1].frame) + " to frame " +
                    std::to_string(track.samples[i].frame);
            return false;
        }
    }
    return true;
}

// One sampler and channel; a node of -1 with a pointer animates that property instead.
void AddChannel(tinygltf::Animation& animation, int input, int output, int node,
                const std::string& path, const std::string& pointer = std::string()) {
    tinygltf::AnimationSampler sampler;
    sampler.input = input;
    sampler.output = output;
    sampler.interpolation = "LINEAR";
    animation.samplers.push_back(sampler);
    tinygltf::AnimationChannel channel;
    channel.sampler = int(animation.samplers.size()) - 1;
    channel.target_node = node;
    channel.target_path = path;
    if (!pointer.empty()) {
        tinygltf::Value::Object extension{{"pointer", tinygltf::Value(pointer)}};
        channel.target_extensions[kPointerExtension] = tinygltf::Value(extension);
    }
    animation.channels.push_back(channel);
}

tinygltf::Model MakeModel(const CameraTrack& track, const Series& series) {
    tinygltf::Model model;
    model.asset.version = "2.0";
    model.asset.generator = "Quorvel";
    model.buffers.emplace_back();
    AddCamera(model, track, series);

    const int times = AddAccessor(model, series.times, TINYGLTF_TYPE_SCALAR, 1);
    // Animation inputs must state their range.
    model.accessors[times].minValues = {series.times.front()};
    model.accessors[times].maxValues = {series.times.back()};
    tinygltf::Animation animation;
    animation.name = "Flight";
    AddChannel(animation, times, AddAccessor(model, series.translations, TINYGLTF_TYPE_VEC3, 3), 0,
               "translation");
    AddChannel(animation, times, AddAccessor(model, series.rotations, TINYGLTF_TYPE_VEC4, 4), 0,
               "rotation");
    AddChannel(animation, times, AddAccessor(model, series.yfovs, TINYGLTF_TYPE_SCALAR, 1), -1,
               "pointer", "/cameras/0/perspective/yfov");
    model.animations.push_back(animation);
    model.extensionsUsed.push_back(kPointerExtension);
    return model;
}

// tinygltf writes every channel target with a "node"; a pointer target must have none.
std::string WithoutPointerNodes(const std::string& json, int indent) {
    nlohmann::json document = nlohmann::json::parse(json);
    for (auto& animation : document["animations"])
        for (auto& channel : animation["channels"])
            if (channel["target"].value("node", 0) < 0)
                channel["target"].erase("node");
    return document.dump(indent);
}

std::uint32_t ReadWord(const std::string& bytes, std::size_t at) {
    std::uint32_t word = 0;
    std::memcpy(&word, bytes.data() + at, sizeof word);
    return word;
}

void AppendWord(std::string& bytes, std::uint32_t word) {
    bytes.append(reinterpret_cast<const char*>(&word), sizeof word);
}

// A GLB container is a 12-byte header, the JSON chunk padded with spaces to 4 bytes, then the
// binary chunk: the JSON chunk is replaced by its mended text and the rest kept.
bool MendGlb(std::string& glb, std::string& error) {
    if (glb.size() < 20 || ReadWord(glb, 16) != 0x4E4F534Au) {
        error = "the binary container came out malformed";
        return false;
    }
    const std::size_t jsonLength = ReadWord(glb, 12);
    if (20 + jsonLength > glb.size()) {
        error = "the binary container came out malformed";
        return false;
    }
    std::string json = WithoutPointerNodes(glb.substr(20, jsonLength), -1);
    json.resize((json.size() + 3) / 4 * 4, ' ');
    const std::string rest = glb.substr(20 + jsonLength);
    std::string mended = glb.substr(0, 12);
    AppendWord(mended, std::uint32_t(json.size()));
    AppendWord(mended, 0x4E4F534Au); // "JSON"
    mended += json;
    mended += rest;
    const std::uint32_t total = std::uint32_t(mended.size());
    std::memcpy(&mended[8], &total, sizeof total);
    glb = std::move(mended);
    return true;
}

} // namespace

bool GltfBytes(const CameraTrack& track, bool binary, std::string& bytes, std::string& error) {
    const Series series = MakeSeries(track);
    if (!TimesRise(track, series, error))
        return false;
    const tinygltf::Model model = MakeModel(track, series);
    std::ostringstream stream;
    tinygltf::TinyGLTF writer;
    if (!writer.WriteGltfSceneToStream(&model, stream, !binary, binary)) {
        error = "the glTF writer failed";
        return false;
    }
    bytes = stream.str();
    if (binary)
        return MendGlb(bytes, error);
    bytes = WithoutPointerNodes(bytes, 2);
    return true;
}
