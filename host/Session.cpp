#include "host/Session.h"

#include <iostream>
#include <system_error>
#include <utility>

#include "host/ConsoleHelp.h"
#include "host/DataFolder.h"

namespace Corvane::Host {

namespace {

std::filesystem::path ChosenDataFolder(const SessionSettings& settings) {
    return settings.dataFolder.empty() ? DefaultDataFolder() : settings.dataFolder;
}

Console::LogSink ChosenLog(Console::LogSink log) {
    if (log)
        return log;
    return [](const std::string& line) {
        std::cout << line << '\n';
    };
}

} // namespace

Session::Session(SessionSettings settings)
    : guard(settings.errors != nullptr ? *settings.errors : std::cerr),
      console(guard, ChosenLog(std::move(settings.log))), world(guard, ChosenDataFolder(settings)),
      cvarManager(std::make_shared<CVarManagerWrapper>(console.Address())),
      gameWrapper(std::make_shared<GameWrapper>(world.Address())) {
    std::error_code error;
    std::filesystem::create_directories(world.DataFolder(), error);
    if (error)
        guard.Errors() << "corvane-sim: cannot create the data folder "
                       << world.DataFolder().string() << ": " << error.message() << '\n';
    console.RegisterHostCommand(
        "togglemenu", [this](const std::vector<std::string>& words) { OnToggleMenu(words); },
        "Open or close a plugin's window: togglemenu NAME");
    RegisterHelpCommands(console);
    world.SetWindowPass([this] { RunWindowPass(); });
}

Session::~Session() {
    Unload();
}

// --- Loading -----------------------------------------------------------------------------------

LoadResult Session::LoadModule(const std::filesystem::path& file) {
    if (PluginLoaded())
        return Refuse("a plugin is already loaded");
    std::string error;
    PluginModule opened = PluginModule::Open(file, error);
    if (!opened.IsOpen())
        return Refuse("cannot load " + file.string() + ": " + error);
    const LoadResult result = LoadRecord(opened.Record());
    if (PluginLoaded())
        module = std::move(opened);
    return result;
}

LoadResult Session::LoadRecord(const Plugin::PluginRecord* candidate) {
    if (PluginLoaded())
        return Refuse("a plugin is already loaded");
    const std::string reason = CheckPluginRecord(candidate);
    if (!reason.empty())
        return Refuse(reason);
    const int faultsBefore = guard.FaultCount();

    std::uintptr_t owner = 0;
    if (!guard.Run("the plugin's create entry", "", [&] { owner = candidate->create(); }))
        return LoadResult::Faulted;
    if (owner == 0)
        return Refuse("its create entry returned no plugin");
    guard.Run("the plugin's asPlugin entry", "", [&] { plugin = candidate->asPlugin(owner); });
    guard.Run("the plugin's asWindow entry", "", [&] { window = candidate->asWindow(owner); });
    if (plugin == nullptr) {
        guard.Run("the plugin's destroy entry", "", [&] { candidate->destroy(); });
        window = nullptr;
        return guard.FaultCount() > faultsBefore ? LoadResult::Faulted
                                                 : Refuse("it gave no plugin object");
    }

    record = candidate;
    plugin->cvarManager = cvarManager;
    plugin->gameWrapper = gameWrapper;
    storedConfig = ReadConfigFile(ConfigFilePath(DataFolder()), guard.Errors());
    guard.Run("onLoad", "", [&] { plugin->onLoad(); });
    AdoptImGuiContext();
    ApplyStoredConfig();
    if (window != nullptr)
        guard.Run("the window slot", "WindowMenuName",
                  [&] { menuName = window->WindowMenuName(); });
    return guard.FaultCount() > faultsBefore ? LoadResult::Faulted : LoadResult::Loaded;
}

LoadResult Session::Refuse(const std::string& reason) {
    guard.Errors() << "corvane-sim: plugin refused: " << reason << '\n';
    return LoadResult::Refused;
}

void Session::Unload() {
    if (!PluginLoaded())
        return;
    guard.Run("onUnload", "", [&] { plugin->onUnload(); });
    SaveConfig();
    guard.Run("the plugin's destroy entry", "", [&] { record->destroy(); });
    world.GetEvents().ForgetPlugin();
    console.ForgetPlugin();
    plugin = nullptr;
    window = nullptr;
    record = nullptr;
    menuName.clear();
    windowOpen = false;
    gameInputBlocked = false;
    module.Close();
}

// --- Configuration -------------------------------------------------------------------------------

void Session::ApplyStoredConfig() {
    for (const auto& [name, value] : storedConfig) {
        ConsoleVariable* variable = console.Find(name);
        if (variable != nullptr && variable->Spec().saveToConfig &&
            value != variable->Spec().defaultValue)
            variable->Set(value);
    }
}

void Session::SaveConfig() {
    ConfigEntries entries = storedConfig;
    for (const ConsoleVariable* variable : console.Variables()) {
        if (variable->Spec().saveToConfig)
            entries[variable->Name()] = variable->Value();
    }
    configSaved = WriteConfigFile(ConfigFilePath(DataFolder()), entries, guard.Errors());
}

// --- The plugin's window -----------------------------------------------------------------------

void Session::OnToggleMenu(const std::vector<std::string>& words) {
    if (words.size() < 2) {
        console.Log("Usage: togglemenu NAME");
        return;
    }
    if (window == nullptr || words[1] != menuName) {
        console.Log("Unknown menu: " + words[1]);
        return;
    }
    windowOpen = !windowOpen;
    if (windowOpen)
        guard.Run("the window slot", "WindowOpened", [&] { window->WindowOpened(); });
    else
        guard.Run("the window slot", "WindowClosed", [&] { window->WindowClosed(); });
}

void Session::AdoptImGuiContext() {
    if (window != nullptr)
        guard.Run("the window slot", "AdoptImGuiContext",
                  [&] { window->AdoptImGuiContext(world.Gui().Address()); });
}

void Session::RunWindowPass() {
    AdoptImGuiContext();
    if (window != nullptr && windowOpen)
        guard.Run("the window slot", "DrawWindow", [&] { window->DrawWindow(); });
    AskWhetherInputIsBlocked();
}

void Session::AskWhetherInputIsBlocked() {
    gameInputBlocked = false;
    if (window != nullptr && windowOpen)
        guard.Run("the window slot", "WantsInputBlocked",
                  [&] { gameInputBlocked = window->WantsInputBlocked(); });
}

} // namespace Corvane::Host
