#pragma once
// The outcome of a spline operation: success, or a failure with the message the caller reports.
// The module never throws across its interface.

#include <string>
#include <utility>

namespace Quorvel::Spline {

struct Status {
    bool ok = true;
    std::string message; // empty on success

    static Status Success() { return {}; }
    static Status Failure(std::string text) { return {false, std::move(text)}; }
};

} // namespace Quorvel::Spline
