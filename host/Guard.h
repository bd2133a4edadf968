#pragma once
// Failure containment around every call into a plugin. A real host would crash when an
// exception escapes a plugin callback; the simulated host reports it on its error stream and
// records a fault, so the session ends with exit status 3 and a test sees it.

#include <exception>
#include <ostream>
#include <string>
#include <string_view>

namespace Corvane::Host {

class Guard {
public:
    explicit Guard(std::ostream& errors) : errors(&errors) {}

    // Runs call(); an exception escaping it is reported as "exception escaped from KIND NAME"
    // and recorded. Returns false when the call threw.
    template <typename Call> bool Run(std::string_view kind, std::string_view name, Call&& call) {
        try {
            call();
            return true;
        } catch (const std::exception& e) {
            ReportException(kind, name, e.what());
        } catch (...) {
            ReportException(kind, name, "an exception not derived from std::exception");
        }
        return false;
    }

    // Records a misuse of the host by the plugin that is not an exception, such as a
    // non-finite camera write, as a fault.
    void Report(const std::string& message);

    bool Faulted() const { return faultCount > 0; }
    int FaultCount() const { return faultCount; }
    // The first fault's message, without the program-name prefix.
    const std::string& FirstFault() const { return firstFault; }

    // Where the host writes everything that is not a console line.
    std::ostream& Errors() const { return *errors; }
    void SetErrors(std::ostream& stream) { errors = &stream; }

private:
    void ReportException(std::string_view kind, std::string_view name, std::string_view what);

    std::ostream* errors;
    int faultCount = 0;
    std::string firstFault;
};

} // namespace Corvane::Host
