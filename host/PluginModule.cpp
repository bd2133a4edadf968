#include "host/PluginModule.h"

#include <dlfcn.h>

#include <system_error>
#include <utility>

namespace Corvane::Host {

PluginModule::~PluginModule() {
    Close();
}

PluginModule::PluginModule(PluginModule&& other) noexcept
    : handle(std::exchange(other.handle, nullptr)), record(std::exchange(other.record, nullptr)) {}

PluginModule& PluginModule::operator=(PluginModule&& other) noexcept {
    if (this != &other) {
        Close();
        handle = std::exchange(other.handle, nullptr);
        record = std::exchange(other.record, nullptr);
    }
    return *this;
}

PluginModule PluginModule::Open(const std::filesystem::path& file, std::string& error) {
    PluginModule module;
    // A name without a slash would be searched for on the library path; always mean the file.
    const std::filesystem::path path = file.has_parent_path() ? file : "./" / file;
    module.handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (module.handle == nullptr) {
        const char* reason = dlerror();
        error = reason != nullptr ? reason : "dlopen failed";
        return module;
    }
    module.record = static_cast<const Plugin::PluginRecord*>(dlsym(module.handle, "exports"));
    if (module.record == nullptr) {
        error = "it exports no plugin record named \"exports\"";
        module.Close();
    }
    return module;
}

void PluginModule::Close() {
    if (handle != nullptr)
        dlclose(handle);
    handle = nullptr;
    record = nullptr;
}

std::string CheckPluginRecord(const Plugin::PluginRecord* record) {
    if (record == nullptr)
        return "there is no plugin record";
    if (record->apiBuild != Plugin::kApiBuild)
        return "it was built against API build " + std::to_string(record->apiBuild) +
               ", the host runs build " + std::to_string(Plugin::kApiBuild);
    if (record->create == nullptr || record->destroy == nullptr || record->asPlugin == nullptr ||
        record->asWindow == nullptr)
        return "its record lacks an entry point";
    if (record->sourceName == nullptr || record->className == nullptr ||
        record->pluginName == nullptr || record->pluginVersion == nullptr)
        return "its record lacks a name";
    return std::string();
}

std::filesystem::path DefaultPluginPath() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return "quorvel.so";
    return program.parent_path() / "quorvel.so";
}

} // namespace Corvane::Host
