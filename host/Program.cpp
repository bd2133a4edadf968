#include "host/Program.h"

#include <fstream>
#include <iostream>
#include <sstream>

#include "host/CommandLine.h"
#include "host/DataFolder.h"
#include "host/DemoSession.h"
#include "host/PluginModule.h"
#include "host/SampleSession.h"
#include "host/SessionRun.h"

namespace Corvane::Host {

namespace {

constexpr const char* kUsage = "usage: corvane-sim run SCRIPT [--data DIR] [--plugin PATH] "
                               "[--track FILE.csv] [--echo]\n"
                               "       corvane-sim demo [--out DIR]\n"
                               "       corvane-sim sample PATH.json [--location-mode N] "
                               "[--rotation-mode M] [--chaikin D] [--speed-norm] [--csv OUT]\n"
                               "                          [--export FILE] [--plugin PATH]\n";

// One line naming what is wrong with the command line.
int Refuse(const std::string& command, const std::string& problem) {
    std::cerr << "corvane-sim" << (command.empty() ? "" : " " + command) << ": " << problem << '\n';
    return 2;
}

int Help() {
    std::cout << kUsage;
    return 0;
}

bool ReadScript(const std::filesystem::path& file, std::string& script) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    script = text.str();
    return static_cast<bool>(in);
}

int RunCommand(const std::vector<std::string>& arguments) {
    if (arguments.size() < 2 || LooksLikeOption(arguments[1]))
        return Refuse("run", "missing SCRIPT");
    Options options;
    std::string problem;
    if (!ReadOptions(arguments, 2, {{"--data"}, {"--plugin"}, {"--track"}, {"--echo", false}},
                     options, problem))
        return Refuse("run", problem);
    SessionRun run;
    const std::filesystem::path scriptPath = arguments[1];
    if (!ReadScript(scriptPath, run.script))
        return Refuse("run", "cannot read the script " + scriptPath.string());
    run.scriptName = scriptPath.filename().string();
    run.dataFolder = options.Has("--data") ? std::filesystem::path(options.Value("--data"))
                                           : DefaultDataFolder();
    if (!PrepareDataFolder(run.dataFolder, problem))
        return Refuse("run", "data folder: " + problem);
    run.plugin = options.Has("--plugin") ? std::filesystem::path(options.Value("--plugin"))
                                         : DefaultPluginPath();
    run.track = options.Value("--track");
    run.echo = options.Has("--echo");
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
            std::cerr << "corvane-sim demo: cannot write " << file.string() << '\n';
            return false;
        }
    }
    return true;
}

int DemoCommand(const std::vector<std::string>& arguments) {
    Options options;
    std::string problem;
    if (!ReadOptions(arguments, 1, {{"--out"}}, options, problem))
        return Refuse("demo", problem);
    SessionRun run;
    run.scriptName = "demo";
    run.script = DemoScript();
    run.plugin = DefaultPluginPath();
    run.echo = true;
    run.dataFolder = options.Value("--out");
    if (run.dataFolder.empty()) {
        run.dataFolder = MakeTemporaryFolder("corvane-demo");
        if (run.dataFolder.empty())
            return Refuse("demo", "cannot make a temporary data folder");
    } else if (!PrepareDataFolder(run.dataFolder, problem)) {
        return Refuse("demo", "data folder: " + problem);
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
    const std::string hint = " (corvane-sim --help lists the commands)";
    if (arguments.empty())
        return Refuse("", "missing command" + hint);
    const std::string& command = arguments[0];
    if (command == "--help")
        return Help();
    if (command == "run")
        return RunCommand(arguments);
    if (command == "demo")
        return DemoCommand(arguments);
    if (command == "sample")
        return SampleCommand(arguments);
    return Refuse("", "unknown command " + command + hint);
}

} // namespace Corvane::Host
