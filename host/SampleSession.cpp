#include "host/SampleSession.h"

#include <algorithm>
#include <iostream>
#include <sstream>

#include "host/CommandLine.h"
#include "host/DataFolder.h"
#include "host/PathSpan.h"
#include "host/PluginModule.h"
#include "host/SessionRun.h"
#include "host/TrackWriter.h"

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

// More frames than this are not played, whatever the plugin accepts.
constexpr long long kMaxFrames = 1000000;

struct SampleOptions {
    std::filesystem::path path;
    std::string settings; // console lines setting the variables
    std::filesystem::path csv;
    std::filesystem::path exportFile;
    std::filesystem::path plugin;
};

int Refuse(const std::string& problem) {
    std::cerr << "corvane-sim sample: " << problem << '\n';
    return 2;
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
    std::vector<OptionSpec> table = {
        {"--speed-norm", false}, {"--csv"}, {"--export"}, {"--plugin"}};
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
    sample.exportFile = options.Value("--export");
    sample.plugin = options.Has("--plugin") ? std::filesystem::path(options.Value("--plugin"))
                                            : DefaultPluginPath();
    return true;
}

// Quoted for the console, so a folder with spaces stays one word.
std::string Quoted(const std::filesystem::path& file) {
    return "\"" + file.string() + "\"";
}

std::string PlayScript(const PathSpan& span) {
    std::ostringstream script;
    script << "@replay fps=" << FrameRateOf(span) << "\n@flycam\n";
    if (span.lastFrame < 0)
        return script.str();
    const int first = std::max(span.firstFrame, 0);
    // The first frame is played while paused, so that frame itself is sampled; then every
    // later frame up to the last waypoint's.
    script << "@frame " << first << "\n@pause\ndolly_activate\n@tick 1\n@play\n";
    if (span.lastFrame > first)
        script << "@tick " << (span.lastFrame - first) << '\n';
    return script.str();
}

// The console lines of a sample: held back while the path loads, else to the chosen stream.
struct SampleLog {
    std::ostream* out = &std::cerr;
    bool holding = false;
    std::vector<std::string> held;

    void Write(const std::string& line) {
        if (holding)
            held.push_back(line);
        else
            *out << line << '\n';
    }
};

// The plugin answers dolly_path_load only when it refuses the file; refusal gets that line.
int LoadPath(const std::filesystem::path& file, ScriptRunner& runner, SampleLog& log,
             std::string& refusal) {
    log.holding = true;
    const int status = runner.RunLine("dolly_path_load " + Quoted(file), 1);
    log.holding = false;
    if (!log.held.empty())
        refusal = log.held.front();
    return status;
}

// The plugin's own dolly_export writes the file; any answer but its success line is the
// refusal, and sample's error line.
int Export(const std::filesystem::path& file, ScriptRunner& runner, SampleLog& log) {
    log.holding = true;
    const int status = runner.RunLine("dolly_export " + Quoted(std::filesystem::absolute(file)), 1);
    log.holding = false;
    if (status != 0)
        return status;
    const std::string answer = log.held.empty() ? std::string() : log.held.back();
    log.held.clear();
    if (answer.rfind("Exported ", 0) != 0)
        return Refuse(answer.empty() ? "the plugin did not export " + file.string() : answer);
    log.Write(answer);
    return 0;
}

// Plays the loaded path, writing the track to csv (standard output when empty).
int Play(const PathSpan& span, const std::filesystem::path& csv, ScriptRunner& runner) {
    const std::filesystem::path file = csv.empty() ? std::filesystem::path("/dev/stdout") : csv;
    TrackWriter track(file);
    if (!track.IsOpen())
        return Refuse("cannot write the track file " + file.string());
    runner.SetTrack(&track);
    const int status = runner.Run(PlayScript(span));
    runner.SetTrack(nullptr);
    return status;
}

int Sample(const SampleOptions& options, ScriptRunner& runner, SampleLog& log) {
    const std::filesystem::path file = std::filesystem::absolute(options.path);
    std::string problem;
    int status = LoadPath(file, runner, log, problem);
    if (status != 0)
        return status;
    if (!problem.empty())
        return Refuse(problem);
    PathSpan span;
    if (!ReadPathSpan(file, span, problem))
        return Refuse(problem);
    if (static_cast<long long>(span.lastFrame) - std::max(span.firstFrame, 0) > kMaxFrames)
        return Refuse("the path spans more than " + std::to_string(kMaxFrames) + " frames");
    status = runner.Run(options.settings);
    if (status == 0 && !options.exportFile.empty())
        status = Export(options.exportFile, runner, log);
    // An export alone plays nothing; with --csv, or without --export, the track is written.
    if (status != 0 || (!options.exportFile.empty() && options.csv.empty()))
        return status;
    return Play(span, options.csv, runner);
}

} // namespace

int SampleCommand(const std::vector<std::string>& arguments) {
    SampleOptions options;
    std::string problem;
    if (!ReadSampleOptions(arguments, options, problem))
        return Refuse(problem);

    SampleLog log;
    if (!options.csv.empty())
        log.out = &std::cout;
    SessionRun run;
    run.scriptName = "sample";
    run.plugin = options.plugin;
    run.dataFolder = MakeTemporaryFolder("corvane-sample");
    if (run.dataFolder.empty())
        return Refuse("cannot make a temporary data folder");
    run.log = [&log](const std::string& line) {
        log.Write(line);
    };

    const int status =
        RunSession(run, [&](ScriptRunner& runner) { return Sample(options, runner, log); });
    std::error_code ignored;
    std::filesystem::remove_all(run.dataFolder, ignored);
    return status;
}

} // namespace Corvane::Host
