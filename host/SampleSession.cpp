#include "host/SampleSession.h"

#include <cmath>
#include <fstream>
#include <iostream>
#include <limits>
#include <map>
#include <sstream>

#include <nlohmann/json.hpp>

#include "host/CommandLine.h"
#include "host/DataFolder.h"
#include "host/PluginModule.h"
#include "host/SessionRun.h"

namespace Corvane::Host {

namespace {

// An option that sets one of the plugin's variables, with that variable's range.
struct VariableOption {
    const char* option;
    const char* variable;
    int low;
    int high;
};

constexpr VariableOption kVariableOptions[] = {
    {"--location-mode", "dolly_interpmode_location", 0, 7},
    {"--rotation-mode", "dolly_interpmode_rotation", 0, 7},
    {"--chaikin", "dolly_chaikin_degree", 0, 20},
};

struct SampleOptions {
    std::filesystem::path path;
    std::string settings; // console lines setting the variables
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

// The console line that sets the option's variable to text; false when text is not a whole
// number in the variable's range.
bool VariableSetting(const VariableOption& number, const std::string& text, std::string& line,
                     std::string& problem) {
    int value = 0;
    if (!ReadWholeNumber(text, number.low, number.high, value)) {
        problem = std::string(number.option) + " takes a whole number from " +
                  std::to_string(number.low) + " to " + std::to_string(number.high) + ", not " +
                  text;
        return false;
    }
    line = std::string(number.variable) + " " + std::to_string(value) + "\n";
    return true;
}

bool ReadSampleOptions(const std::vector<std::string>& arguments, SampleOptions& sample,
                       std::string& problem) {
    if (arguments.size() < 2 || LooksLikeOption(arguments[1])) {
        problem = "missing PATH.json";
        return false;
    }
    sample.path = arguments[1];
    std::vector<OptionSpec> table = {{"--speed-norm", false}, {"--csv"}};
    for (const VariableOption& number : kVariableOptions)
        table.push_back({number.option});
    Options options;
    if (!ReadOptions(arguments, 2, table, options, problem))
        return false;
    for (const VariableOption& number : kVariableOptions) {
        std::string line;
        if (options.Has(number.option) &&
            !VariableSetting(number, options.Value(number.option), line, problem))
            return false;
        sample.settings += line;
    }
    if (options.Has("--speed-norm"))
        sample.settings += "dolly_speed_norm 1\n";
    sample.csv = options.Value("--csv");
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
    script << options.settings;
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
