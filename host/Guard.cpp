#include "host/Guard.h"

namespace Corvane::Host {

void Guard::Report(const std::string& message) {
    if (faultCount == 0)
        firstFault = message;
    ++faultCount;
    *errors << "corvane-sim: " << message << '\n';
}

void Guard::ReportException(std::string_view kind, std::string_view name, std::string_view what) {
    std::string message = "exception escaped from ";
    message.append(kind);
    if (!name.empty()) {
        message += ' ';
        message.append(name);
    }
    message += ": ";
    message.append(what);
    Report(message);
}

} // namespace Corvane::Host
