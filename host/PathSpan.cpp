#include "host/PathSpan.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <map>

#include <nlohmann/json.hpp>

namespace Corvane::Host {

namespace {

bool ReadTimestamp(const nlohmann::json& waypoint, double& time) {
    if (!waypoint.is_object() || !waypoint.contains("timestamp"))
        return false;
    const nlohmann::json& value = waypoint["timestamp"];
    if (value.is_boolean())
        time = value.get<bool>() ? 1.0 : 0.0;
    else if (value.is_number())
        time = value.get<double>();
    else
        return false;
    return true;
}

} // namespace

bool ReadFrameKey(const std::string& key, int& frame) {
    const char* begin = key.c_str();
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(begin, &end, 10);
    if (end == begin || errno == ERANGE || value < INT_MIN || value > INT_MAX)
        return false;
    frame = static_cast<int>(value);
    return true;
}

bool ReadPathSpan(const std::filesystem::path& file, PathSpan& span, std::string& problem) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        problem = "cannot read " + file.string();
        return false;
    }
    const nlohmann::json path = nlohmann::json::parse(in, nullptr, false);
    if (!path.is_object() || path.empty()) {
        problem = file.string() + " is not a path with waypoints";
        return false;
    }
    std::map<int, double> times;
    for (const auto& [key, waypoint] : path.items()) {
        int frame = 0;
        double time = 0.0;
        if (!ReadFrameKey(key, frame) || !ReadTimestamp(waypoint, time)) {
            problem = file.string() + ": waypoint \"" + key + "\" is not readable";
            return false;
        }
        times[frame] = time;
    }
    span = {times.begin()->first, times.rbegin()->first, times.begin()->second,
            times.rbegin()->second};
    return true;
}

int FrameRateOf(const PathSpan& span) {
    const double seconds = span.lastTime - span.firstTime;
    const double frames = static_cast<double>(span.lastFrame) - span.firstFrame;
    if (!(seconds > 0.0) || !(frames > 0.0) || !std::isfinite(frames / seconds))
        return 30;
    const double fps = std::round(frames / seconds);
    return fps < 1.0 ? 1 : fps > 1000.0 ? 1000 : static_cast<int>(fps);
}

} // namespace Corvane::Host
