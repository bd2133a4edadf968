#include "plugin/EntryGuard.h"

#include <exception>
#include <string>

void RunGuarded(CVarManagerWrapper* console, const char* entryPoint,
                const std::function<void()>& body) {
    std::string failure;
    try {
        body();
        return;
    } catch (const std::exception& error) {
        failure = error.what();
    } catch (...) {
        failure = "unknown error";
    }
    try {
        if (console)
            console->log(std::string(entryPoint) + " failed: " + failure);
    } catch (...) {
        // Reporting failed too; the host must still not see an exception.
    }
}
