#include "host/SampleSession.h"

#include <cmath>
#include <fstream>
#include <iostream>
#include <limits>
#include <map>
#include <sstream>

#include <nlohmann/json.hpp>

#include "host/DataFolder.h"
#include "host/PluginModule.h"
#include "host/SessionRun.h"

namespace Corvane::Host {

namespace {

struct SampleOptions {
    std::filesystem::path path;
    std::string locationMode;
    std::string rotationMode;
    std::string chaikin;
    bool speedNorm = false;
    std::filesystem::path csv;
};

// What the host needs to know of the path to play it: its first and last waypoints.
struct PathSpan {
    long long firstFrame = 0;
    long long lastFrame = 0;
    double firstTime = 0.0;
    double lastTime = 0.0;
};

int Refuse(const std::string& problem) {
    std::cerr << "corvane-sim sample: " << problem << '\n';
    return 2;
}

bool IsWholeNumber(const std::string& text) {
    if (text.empty())
        return false;
    size_t i = text[0] == '-' ? 1 : 0;
    if (i == text.size())
        return false;
    for (; i < text.size(); ++i)
        if (text[i] < '0' || text[i] > '9')
            return false;
    return text.size() < 10;
}

bool ReadSampleOptions(const std::vector<std::string>& arguments, SampleOptions& options,
                       std::string& problem) {
    if (arguments.size() < 2) {
        problem = "missing PATH.json";
        return false;
    }
    options.path = arguments[1];
    for (size_t i = 2; i < arguments.size(); ++i) {
        const std::string& name = arguments[i];
        if (name == "--speed-norm") {
            options.speedNorm = true;
            continue;
        }
        if (i + 1 >= arguments.size()) {
            problem = "missing value after " + name;
            return false;
        }
        const std::string& value = arguments[++i];
        std::string* numeric = name == "--location-mode"   ? &options.locationMode
                               : name == "--rotation-mode" ? &options.rotationMode
                               : name == "--chaikin"       ? &options.chaikin
                                                           : nullptr;
        if (name == "--csv") {
            options.csv = value;
        } else if (numeric && IsWholeNumber(value)) {
            *numeric = value;
        } else {
            problem = numeric ? "not a whole number: " + value : "unknown option " + name;
            return false;
        }
    }
    return true;
}

// The frames and times of the first and last waypoints, read from the file's keys.
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
    std::map<long long, double> times;
    for (const auto& [key, waypoint] : path.items()) {
        if (!IsWholeNumber(key) || !waypoint.is_object() || !waypoint.contains("timestamp") ||
            !waypoint["timestamp"].is_number()) {
            problem = file.string() + ": waypoint \"" + key + "\" is not readable";
            return false;
        }
        times[std::stoll(key)] = waypoint["timestamp"].get<double>();
    }
    span = {times.begin()->first, times.rbegin()->first, times.begin()->second,
            times.rbegin()->second};
    return true;
}

int FrameRateOf(const PathSpan& span) {
    const double seconds = span.lastTime - span.firstTime;
    const double frames = static_cast<double>(span.lastFrame - span.firstFrame);
    if (!(seconds > 0.0) || !(frames > 0.0) || !std::isfinite(frames / seconds))
        return 30;
    const double fps = std::round(frames / seconds);
    return fps < 1.0 ? 1 : fps > 1000.0 ? 1000 : static_cast<int>(fps);
}

// Quoted for the console, so a folder with spaces stays one word.
std::string Quoted(const std::filesystem::path& file) {
    return "\"" + file.string() + "\"";
}

std::string SampleScript(const SampleOptions& options, const PathSpan& span) {
    std::ostringstream script;
    script << "@replay fps=" << FrameRateOf(span) << "\n@flycam\n";
    if (!options.locationMode.empty())
        script << "dolly_interpmode_location " << options.locationMode << '\n';
    if (!options.rotationMode.empty())
        script << "dolly_interpmode_rotation " << options.rotationMode << '\n';
    if (!options.chaikin.empty())
        script << "dolly_chaikin_degree " << options.chaikin << '\n';
    if (options.speedNorm)
        script << "dolly_speed_norm 1\n";
    script << "dolly_path_load " << Quoted(std::filesystem::absolute(options.path)) << '\n';
    // The first waypoint's frame is played while paused, so that frame itself is sampled;
    // then every later frame up to the last waypoint's.
    script << "@frame " << span.firstFrame << "\n@pause\ndolly_activate\n@tick 1\n@play\n";
    if (span.lastFrame > span.firstFrame)
        script << "@tick " << (span.lastFrame - span.firstFrame) << '\n';
    return script.str();
}

} // namespace

int SampleCommand(const std::vector<std::string>& arguments) {
    SampleOptions options;
    std::string problem;
    if (!ReadSampleOptions(arguments, options, problem))
        return Refuse(problem);
    PathSpan span;
    if (!ReadPathSpan(options.path, span, problem))
        return Refuse(problem);
    if (span.firstFrame < 0 || span.lastFrame - span.firstFrame > 1000000)
        return Refuse("the path's frames cannot be played");

    SessionRun run;
    run.scriptName = "sample";
    run.script = SampleScript(options, span);
    run.plugin = DefaultPluginPath();
    run.dataFolder = MakeTemporaryFolder("corvane-sample");
    if (run.dataFolder.empty())
        return Refuse("cannot make a temporary data folder");
    run.track = options.csv.empty() ? std::filesystem::path("/dev/stdout") : options.csv;
    if (options.csv.empty())
        run.log = [](const std::string& line) {
            std::cerr << line << '\n';
        };

    const int status = RunSession(run);
    std::error_code ignored;
    std::filesystem::remove_all(run.dataFolder, ignored);
    return status;
}

} // namespace Corvane::Host
