#include "tools/ArgumentParsing.h"

#include <cmath>
#include <stdexcept>

ArgumentReader::ArgumentReader(CVarManagerWrapper& console,
                               const std::vector<std::string>& arguments)
    : console(console), arguments(arguments) {}

bool ArgumentReader::ReadInt(size_t index, int& value) const {
    try {
        value = std::stoi(arguments.at(index));
        return true;
    } catch (const std::exception&) {
        ReportInvalid(index);
        return false;
    }
}

bool ArgumentReader::ReadFloat(size_t index, float& value) const {
    try {
        const float parsed = std::stof(arguments.at(index));
        if (!std::isfinite(parsed)) {
            ReportInvalid(index);
            return false;
        }
        value = parsed;
        return true;
    } catch (const std::exception&) {
        ReportInvalid(index);
        return false;
    }
}

void ArgumentReader::ReportInvalid(size_t index) const {
    const std::string command = arguments.empty() ? std::string() : arguments.front();
    const std::string argument = index < arguments.size() ? arguments[index] : std::string();
    console.log(command + ": not a valid number: " + argument);
}
