#include "host/Program.h"

#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <sstream>

#include "host/DataFolder.h"
#include "host/DemoSession.h"
#include "host/SampleSession.h"
#include "host/ScriptRunner.h"
#include "host/SessionRun.h"

namespace Corvane::Host {

namespace {

constexpr const char* kUsage = "usage: corvane-sim run SCRIPT [--data DIR] [--plugin PATH] "
                               "[--track FILE.csv]\n"
                               "       corvane-sim demo [--out DIR]\n"
                               "       corvane-sim sample PATH.json [--location-mode N] "
                               "[--rotation-mode M] [--chaikin D] [--speed-norm] [--csv OUT]\n";

int Usage(const std::string& problem) {
    if (!problem.empty())
        std::cerr << "corvane-sim: " << problem << '\n';
    std::cerr << kUsage;
    return 2;
}

// Reads "--name value" pairs from arguments[first...]; false for anything else.
bool ReadOptions(const std::vector<std::string>& arguments, size_t first,
                 const std::vector<std::string>& allowed,
                 std::map<std::string, std::string>& options) {
    for (size_t i = first; i < arguments.size(); i += 2) {
        bool known = false;
        for (const std::string& name : allowed)
            known = known || arguments[i] == name;
        if (!known || i + 1 >= arguments.size())
            return false;
        options[arguments[i]] = arguments[i + 1];
    }
    return true;
}

std::string Option(const std::map<std::string, std::string>& options, const std::string& name) {
    const auto found = options.find(name);
    return found == options.end() ? std::string() : found->second;
}

int RunCommand(const std::vector<std::string>& arguments) {
    std::map<std::string, std::string> options;
    if (arguments.size() < 2 ||
        !ReadOptions(arguments, 2, {"--data", "--plugin", "--track"}, options))
        return Usage("");
    SessionRun run;
    const std::filesystem::path scriptPath = arguments[1];
    std::ifstream in(scriptPath, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    if (!in) {
        std::cerr << "corvane-sim: cannot read the script " << scriptPath.string() << '\n';
        return 2;
    }
    run.scriptName = scriptPath.filename().string();
    run.script = text.str();
    run.dataFolder = Option(options, "--data");
    run.plugin = Option(options, "--plugin");
    if (run.plugin.empty())
        run.plugin = DefaultPluginPath();
    run.track = Option(options, "--track");
    return RunSession(run);
}

bool WriteDemoFiles(const std::filesystem::path& dataFolder) {
    for (const auto& [name, contents] : DemoFiles()) {
        const std::filesystem::path file = dataFolder / name;
        std::error_code error;
        std::filesystem::create_directories(file.parent_path(), error);
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out << contents;
        if (!out) {
            std::cerr << "corvane-sim: cannot write " << file.string() << '\n';
            return false;
        }
    }
    return true;
}

int DemoCommand(const std::vector<std::string>& arguments) {
    std::map<std::string, std::string> options;
    if (!ReadOptions(arguments, 1, {"--out"}, options))
        return Usage("");
    SessionRun run;
    run.scriptName = "demo";
    run.script = DemoScript();
    run.plugin = DefaultPluginPath();
    run.dataFolder = Option(options, "--out");
    if (run.dataFolder.empty()) {
        run.dataFolder = MakeTemporaryFolder("corvane-demo");
        if (run.dataFolder.empty()) {
            std::cerr << "corvane-sim: cannot make a temporary data folder\n";
            return 2;
        }
    }
    if (!WriteDemoFiles(run.dataFolder))
        return 2;
    run.track = run.dataFolder / "track.csv";
    std::cerr << "corvane-sim: demo data folder: " << run.dataFolder.string()
              << " (camera track in track.csv)\n";
    return RunSession(run);
}

} // namespace

int RunProgram(const std::vector<std::string>& arguments) {
    if (arguments.empty())
        return Usage("");
    if (arguments[0] == "run")
        return RunCommand(arguments);
    if (arguments[0] == "demo")
        return DemoCommand(arguments);
    if (arguments[0] == "sample")
        return SampleCommand(arguments);
    return Usage("unknown command " + arguments[0]);
}

} // namespace Corvane::Host
