#pragma once
// A plugin's shared library, opened with dlopen, and the checks on the record it exports.

#include <filesystem>
#include <string>

#include "corvane/plugin/PluginRecord.h"

namespace Corvane::Host {

class PluginModule {
public:
    PluginModule() = default;
    ~PluginModule();
    PluginModule(PluginModule&& other) noexcept;
    PluginModule& operator=(PluginModule&& other) noexcept;
    PluginModule(const PluginModule&) = delete;
    PluginModule& operator=(const PluginModule&) = delete;

    // Opens the library and finds its "exports" record; on failure returns a closed module
    // and sets error.
    static PluginModule Open(const std::filesystem::path& file, std::string& error);

    bool IsOpen() const { return handle != nullptr; }
    const Plugin::PluginRecord* Record() const { return record; }
    void Close();

private:
    void* handle = nullptr;
    const Plugin::PluginRecord* record = nullptr;
};

// Why the host refuses the record (built against another API build, a missing entry or
// name), or empty when it accepts it.
std::string CheckPluginRecord(const Plugin::PluginRecord* record);

// quorvel.so in the folder of the running program.
std::filesystem::path DefaultPluginPath();

} // namespace Corvane::Host
