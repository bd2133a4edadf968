#include "storage/PathFormat.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <map>

#include "storage/JsonText.h"

using nlohmann::json;

// --- Writing ---------------------------------------------------------------------------------

namespace {

// Floats are stored widened to double; the library then prints the shortest text that reads
// back to that double, which also reads back to the same float.
json Number(float value) {
    return json(static_cast<double>(value));
}

json VectorObject(const Vector& v) {
    return {{"x", Number(v.X)}, {"y", Number(v.Y)}, {"z", Number(v.Z)}};
}

} // namespace

void to_json(json& object, const CameraSnapshot& snapshot) {
    const FloatRotator& r = snapshot.rotation;
    object = json::object();
    object["frame"] = snapshot.frame;
    object["timestamp"] = Number(snapshot.timestamp);
    object["FOV"] = Number(snapshot.FOV);
    object["location"] = VectorObject(snapshot.location);
    object["rotation"] = {
        {"pitch", Number(r.pitch)}, {"yaw", Number(r.yaw)}, {"roll", Number(r.roll)}};
    object["weight"] = Number(snapshot.weight);
    object["v3_kb_tension"] = Number(snapshot.v3_kb_tension);
    object["v3_kb_bias"] = Number(snapshot.v3_kb_bias);
    object["v3_kb_continuity"] = Number(snapshot.v3_kb_continuity);
    object["v3_bz_has_custom"] = snapshot.v3_bz_has_custom;
    object["v3_bz_ctrl_out"] = VectorObject(snapshot.v3_bz_ctrl_out);
    object["v3_bz_ctrl_in"] = VectorObject(snapshot.v3_bz_ctrl_in);
}

std::string SerializePath(const SnapshotMap& path) {
    // The default json object keeps its members sorted by key bytes, so "1000" precedes "250".
    json object = json::object();
    for (const auto& [frame, snapshot] : path)
        object[std::to_string(frame)] = snapshot;
    return object.dump(4);
}

// --- Reading numbers -------------------------------------------------------------------------

namespace {

// Each returns an empty string when the value converts, else what is wrong with it.

std::string ToFloat(const json& value, float& out) {
    if (value.is_boolean()) {
        out = value.get<bool>() ? 1.0f : 0.0f;
    } else if (value.is_number_unsigned()) {
        out = static_cast<float>(value.get<std::uint64_t>());
    } else if (value.is_number_integer()) {
        out = static_cast<float>(value.get<std::int64_t>());
    } else if (value.is_number_float()) {
        const double number = value.get<double>();
        if (!std::isfinite(number) || std::fabs(number) > std::numeric_limits<float>::max())
            return "is out of float range";
        out = static_cast<float>(number);
    } else {
        return "is not a number";
    }
    return std::string();
}

std::string ToFrame(const json& value, int& out) {
    constexpr std::int64_t kLowest = std::numeric_limits<int>::min();
    constexpr std::int64_t kHighest = std::numeric_limits<int>::max();
    if (value.is_boolean()) {
        out = value.get<bool>() ? 1 : 0;
    } else if (value.is_number_unsigned()) {
        const std::uint64_t number = value.get<std::uint64_t>();
        if (number > static_cast<std::uint64_t>(kHighest))
            return "does not fit a frame number";
        out = static_cast<int>(number);
    } else if (value.is_number_integer()) {
        const std::int64_t number = value.get<std::int64_t>();
        if (number < kLowest || number > kHighest)
            return "does not fit a frame number";
        out = static_cast<int>(number);
    } else if (value.is_number_float()) {
        // Truncation toward zero: 12.9 is frame 12, -0.5 is frame 0.
        const double number = value.get<double>();
        if (!(number > static_cast<double>(kLowest) - 1.0 &&
              number < static_cast<double>(kHighest) + 1.0))
            return "does not fit a frame number";
        out = static_cast<int>(number);
    } else {
        return "is not a number";
    }
    return std::string();
}

// --- Reading a snapshot object ---------------------------------------------------------------

enum class Presence { Required, Optional };

// Reads members of one snapshot object, stopping at the first problem.
class SnapshotReader {
public:
    SnapshotReader(const json& object, std::string& problem) : object(object), problem(problem) {}

    bool Frame(int& field) {
        const json* value = Find("frame", Presence::Required);
        return value && Check("frame", ToFrame(*value, field));
    }

    bool Float(const char* key, float& field, Presence presence) {
        const json* value = Find(key, presence);
        if (!value)
            return presence == Presence::Optional;
        return Check(key, ToFloat(*value, field));
    }

    bool Flag(const char* key, bool& field) {
        const json* value = Find(key, Presence::Optional);
        if (!value)
            return true;
        if (!value->is_boolean())
            return Check(key, "is not true or false");
        field = value->get<bool>();
        return true;
    }

    // An object of three numbers, all required once the object is present.
    bool Triple(const char* key, const std::array<const char*, 3>& names,
                const std::array<float*, 3>& fields, Presence presence) {
        const json* value = Find(key, presence);
        if (!value)
            return presence == Presence::Optional;
        if (!value->is_object())
            return Check(key, "is not an object");
        for (std::size_t i = 0; i < names.size(); ++i) {
            const std::string name = std::string(key) + "." + names[i];
            const auto member = value->find(names[i]);
            if (member == value->end())
                return Check(name, "is missing");
            if (!Check(name, ToFloat(*member, *fields[i])))
                return false;
        }
        return true;
    }

private:
    // The member's value, or null when absent (a problem only when it is required).
    const json* Find(const char* key, Presence presence) {
        const auto member = object.find(key);
        if (member != object.end())
            return &*member;
        if (presence == Presence::Required)
            Check(key, "is missing");
        return nullptr;
    }

    bool Check(const std::string& name, const std::string& what) {
        if (what.empty())
            return true;
        problem = QuoteForMessage(name) + " " + what;
        return false;
    }

    const json& object;
    std::string& problem;
};

} // namespace

bool ReadSnapshot(const json& object, CameraSnapshot& snapshot, std::string& problem) {
    if (!object.is_object()) {
        problem = "is not an object";
        return false;
    }
    CameraSnapshot read; // starts from the record's defaults: weight 1, everything else 0
    SnapshotReader reader(object, problem);
    Vector& out = read.v3_bz_ctrl_out;
    Vector& in = read.v3_bz_ctrl_in;
    FloatRotator& r = read.rotation;
    const std::array<const char*, 3> xyz{"x", "y", "z"};
    const bool valid =
        reader.Frame(read.frame) && reader.Float("timestamp", read.timestamp, Presence::Required) &&
        reader.Float("FOV", read.FOV, Presence::Required) &&
        reader.Triple("location", xyz, {&read.location.X, &read.location.Y, &read.location.Z},
                      Presence::Required) &&
        reader.Triple("rotation", {"pitch", "yaw", "roll"}, {&r.pitch, &r.yaw, &r.roll},
                      Presence::Required) &&
        reader.Float("weight", read.weight, Presence::Required) &&
        reader.Float("v3_kb_tension", read.v3_kb_tension, Presence::Optional) &&
        reader.Float("v3_kb_bias", read.v3_kb_bias, Presence::Optional) &&
        reader.Float("v3_kb_continuity", read.v3_kb_continuity, Presence::Optional) &&
        reader.Flag("v3_bz_has_custom", read.v3_bz_has_custom) &&
        reader.Triple("v3_bz_ctrl_out", xyz, {&out.X, &out.Y, &out.Z}, Presence::Optional) &&
        reader.Triple("v3_bz_ctrl_in", xyz, {&in.X, &in.Y, &in.Z}, Presence::Optional);
    if (valid)
        snapshot = read;
    return valid;
}

void from_json(const json& object, CameraSnapshot& snapshot) {
    std::string problem;
    if (!ReadSnapshot(object, snapshot, problem))
        throw PathFormatError("snapshot " + problem);
}

// --- Reading a path --------------------------------------------------------------------------

bool ParseFrameKey(const std::string& key, int& frame) {
    // Earlier versions read keys with the standard integer conversion, and files they read
    // must keep loading: white space may lead, a sign may follow it, and whatever comes after
    // the digits is ignored (" 200" is 200, "100.0" is 100, "1e3" is 1).
    std::size_t at = key.find_first_not_of(" \t\n\v\f\r");
    if (at == std::string::npos)
        return false;
    const bool negative = key[at] == '-';
    if (key[at] == '-' || key[at] == '+')
        ++at;
    const std::size_t firstDigit = at;
    const std::uint64_t limit = negative ? std::uint64_t{1} << 31 : (std::uint64_t{1} << 31) - 1;
    std::uint64_t magnitude = 0;
    for (; at < key.size() && key[at] >= '0' && key[at] <= '9'; ++at) {
        magnitude = magnitude * 10 + static_cast<std::uint64_t>(key[at] - '0');
        if (magnitude > limit)
            return false;
    }
    if (at == firstDigit)
        return false;
    const std::int64_t value = static_cast<std::int64_t>(magnitude);
    frame = static_cast<int>(negative ? -value : value);
    return true;
}

bool ParsePath(const std::string& text, SnapshotMap& out, std::string& error, std::string* notice) {
    json document;
    if (!ParseJsonText(text, document, error))
        return false;
    if (!document.is_object()) {
        error = "the top level is not an object";
        return false;
    }
    SnapshotMap path;
    std::map<int, std::string> keyOfFrame;
    std::string firstReplaced;
    int replacedCount = 0;
    for (auto member = document.begin(); member != document.end(); ++member) {
        const std::string& key = member.key();
        int frame = 0;
        if (!ParseFrameKey(key, frame)) {
            error = "key " + QuoteForMessage(key) + " is not a frame number";
            return false;
        }
        CameraSnapshot snapshot;
        std::string problem;
        if (!ReadSnapshot(member.value(), snapshot, problem)) {
            const char* separator = member.value().is_object() ? ": " : " ";
            error = "snapshot " + QuoteForMessage(key) + separator + problem;
            return false;
        }
        // Two keys for one frame ("100", "100.0"): as earlier versions read such files, the
        // later key in byte order wins, but the dropped waypoint is reported, not lost silently.
        std::string& keptKey = keyOfFrame[frame];
        if (path.count(frame) != 0 && replacedCount++ == 0)
            firstReplaced = "keys " + QuoteForMessage(keptKey) + " and " + QuoteForMessage(key) +
                            " both name frame " + std::to_string(frame) + "; kept " +
                            QuoteForMessage(key);
        keptKey = key;
        path[frame] = snapshot;
    }
    if (notice != nullptr) {
        *notice = firstReplaced;
        if (replacedCount > 1)
            *notice += " (and " + std::to_string(replacedCount - 1) + " more frames keyed twice)";
    }
    out = std::move(path);
    return true;
}

bool SnapshotIsFinite(const CameraSnapshot& s) {
    const Vector& out = s.v3_bz_ctrl_out;
    const Vector& in = s.v3_bz_ctrl_in;
    const std::array<float, 18> values{s.timestamp,    s.FOV,
                                       s.location.X,   s.location.Y,
                                       s.location.Z,   s.rotation.pitch,
                                       s.rotation.yaw, s.rotation.roll,
                                       s.weight,       s.v3_kb_tension,
                                       s.v3_kb_bias,   s.v3_kb_continuity,
                                       out.X,          out.Y,
                                       out.Z,          in.X,
                                       in.Y,           in.Z};
    for (const float value : values) {
        if (!std::isfinite(value))
            return false;
    }
    return true;
}
