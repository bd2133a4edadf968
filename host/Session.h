#pragma once
// One run of the host: the world, the console and one loaded plugin.
//
// Loading (from a module file or from a record already in the process):
//   1. the record is checked (API build, entries, names); a refused plugin is reported on
//      the error stream and nothing of it runs;
//   2. create, then asPlugin and asWindow on the address create returned;
//   3. the plugin gets cvarManager and gameWrapper, addressing this console and world;
//   4. onLoad;
//   5. a plugin with a window gets the world's ImGui context (AdoptImGuiContext): ImGui is
//      not available to it in onLoad;
//   6. the stored configuration is applied: every save-to-config variable whose stored
//      value differs from its default is set to it, so its change handlers run.
// Unloading: onUnload, the configuration is written (every save-to-config variable, plus
// stored entries of variables not registered this time), destroy, then every handler,
// variable and command of the plugin is released before its module is closed.
//
// Every frame (host/World.h), before the plugin draws or reads input, the host hands its
// window the ImGui context again, then calls DrawWindow while the window is open. The window
// starts closed; the host command "togglemenu NAME" opens and closes it when NAME is its menu
// name (WindowOpened / WindowClosed), also from inside DrawWindow; other names log "Unknown
// menu: NAME". After the window pass of a frame in which the window is open, the host asks it
// whether the game's input should be blocked (WantsInputBlocked) and keeps the answer until
// the next frame; a closed window blocks nothing. The host's help commands are those of
// host/ConsoleHelp.h.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <ostream>
#include <string>

#include "corvane/plugin/PluginRecord.h"
#include "corvane/wrappers/CVarManagerWrapper.h"
#include "corvane/wrappers/GameWrapper.h"
#include "host/ConfigFile.h"
#include "host/Console.h"
#include "host/Guard.h"
#include "host/PluginModule.h"
#include "host/World.h"

namespace Corvane::Host {

struct SessionSettings {
    // Created when missing. Empty: the default folder (see host/DataFolder.h).
    std::filesystem::path dataFolder;
    // Everything that is not a console line.
    std::ostream* errors = nullptr; // null: standard error
    // Where logged lines go; empty: standard output, one line each.
    Console::LogSink log;
};

enum class LoadResult { Loaded, Refused, Faulted };

class Session {
public:
    explicit Session(SessionSettings settings);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    LoadResult LoadModule(const std::filesystem::path& file);
    LoadResult LoadRecord(const Plugin::PluginRecord* record);
    void Unload();
    bool PluginLoaded() const { return record != nullptr; }
    // False when the last unload could not write the configuration file (reported on the
    // error stream).
    bool ConfigSaved() const { return configSaved; }
    Plugin::CorvanePlugin* LoadedPlugin() const { return plugin; }
    Plugin::PluginWindow* LoadedWindow() const { return window; }

    bool WindowOpen() const { return windowOpen; }
    // The frame's window pass: hands the plugin the context, then draws its window if open.
    void RunWindowPass();
    const std::string& WindowMenuName() const { return menuName; }
    // The window's answer in the last frame (see above).
    bool GameInputBlocked() const { return gameInputBlocked; }

    Guard& GetGuard() { return guard; }
    Console& GetConsole() { return console; }
    World& GetWorld() { return world; }
    const std::filesystem::path& DataFolder() const { return world.DataFolder(); }
    std::shared_ptr<CVarManagerWrapper> CVarManagerHandle() const { return cvarManager; }
    std::shared_ptr<GameWrapper> GameWrapperHandle() const { return gameWrapper; }

private:
    LoadResult Refuse(const std::string& reason);
    void ApplyStoredConfig();
    void SaveConfig();
    void OnToggleMenu(const std::vector<std::string>& words);
    void AdoptImGuiContext();
    void AskWhetherInputIsBlocked();

    Guard guard;
    Console console;
    World world;
    std::shared_ptr<CVarManagerWrapper> cvarManager;
    std::shared_ptr<GameWrapper> gameWrapper;

    PluginModule module;
    const Plugin::PluginRecord* record = nullptr;
    Plugin::CorvanePlugin* plugin = nullptr;
    Plugin::PluginWindow* window = nullptr;
    std::string menuName;
    bool windowOpen = false;
    bool gameInputBlocked = false;
    ConfigEntries storedConfig;
    bool configSaved = true;
};

} // namespace Corvane::Host
