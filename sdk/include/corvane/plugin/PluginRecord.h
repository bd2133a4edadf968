#pragma once
// The record a plugin library exports under the name "exports", and the macro that defines
// it with the two entry points "getPlugin" and "deleteMe".

#include <cstdint>
#include <memory>

#include "corvane/plugin/CorvanePlugin.h"
#include "corvane/plugin/PluginWindow.h"

namespace Corvane::Plugin {

// The host refuses a plugin built against another API build.
inline constexpr int kApiBuild = 95;

// Where the plugin may run; the host only records these.
enum PluginTypeFlags : unsigned int {
    kPluginTypeSpectator = 0x04,
    kPluginTypeReplay = 0x10,
};

struct PluginRecord {
    int apiBuild;
    const char* sourceName;
    const char* className;
    const char* pluginName;
    const char* pluginVersion;
    unsigned int typeFlags;
    // Returns the address of the process-wide shared pointer that owns the plugin.
    std::uintptr_t (*create)();
    void (*destroy)();
    // Turn the address returned by create into the plugin's two interfaces
    // (null for a plugin without a window).
    CorvanePlugin* (*asPlugin)(std::uintptr_t owner);
    PluginWindow* (*asWindow)(std::uintptr_t owner);
};

} // namespace Corvane::Plugin

#define CORVANE_EXPORT extern "C" __attribute__((visibility("default")))

// Defines getPlugin, deleteMe and exports for ClassType, which derives from both
// CorvanePlugin and PluginWindow. Use it once, at namespace scope, in one source file.
#define CORVANE_PLUGIN_RECORD(ClassType, SourceName, PluginName, Version, TypeFlags)               \
    static std::shared_ptr<ClassType> corvanePluginOwner;                                          \
    CORVANE_EXPORT std::uintptr_t getPlugin() {                                                    \
        if (!corvanePluginOwner)                                                                   \
            corvanePluginOwner = std::shared_ptr<ClassType>(new ClassType());                      \
        return reinterpret_cast<std::uintptr_t>(&corvanePluginOwner);                              \
    }                                                                                              \
    CORVANE_EXPORT void deleteMe() {                                                               \
        if (corvanePluginOwner)                                                                    \
            corvanePluginOwner.reset();                                                            \
    }                                                                                              \
    static Corvane::Plugin::CorvanePlugin* corvaneAsPlugin(std::uintptr_t owner) {                 \
        return reinterpret_cast<std::shared_ptr<ClassType>*>(owner)->get();                        \
    }                                                                                              \
    static Corvane::Plugin::PluginWindow* corvaneAsWindow(std::uintptr_t owner) {                  \
        return reinterpret_cast<std::shared_ptr<ClassType>*>(owner)->get();                        \
    }                                                                                              \
    CORVANE_EXPORT const Corvane::Plugin::PluginRecord exports = {Corvane::Plugin::kApiBuild,      \
                                                                  SourceName,                      \
                                                                  #ClassType,                      \
                                                                  PluginName,                      \
                                                                  Version,                         \
                                                                  TypeFlags,                       \
                                                                  &getPlugin,                      \
                                                                  &deleteMe,                       \
                                                                  &corvaneAsPlugin,                \
                                                                  &corvaneAsWindow}
