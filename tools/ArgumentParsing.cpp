#include "tools/ArgumentParsing.h"

#include <cmath>
#include <limits>
#include <stdexcept>

#include "path/PathLimits.h"

ArgumentReader::ArgumentReader(CVarManagerWrapper& console,
                               const std::vector<std::string>& arguments)
    : console(console), arguments(arguments) {}

bool ArgumentReader::Require(size_t count, const char* usage) const {
    if (arguments.size() >= count)
        return true;
    console.log(usage);
    return false;
}

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

bool ArgumentReader::ReadCoordinate(size_t index, float& value) const {
    float coordinate = 0.0f;
    if (!ReadFloat(index, coordinate))
        return false;
    if (std::fabs(coordinate) > kWorldLimit) {
        console.log(arguments.front() + ": " + kOutsideWorldText + ": " + arguments[index]);
        return false;
    }
    value = coordinate;
    return true;
}

bool ArgumentReader::ReadWholeUnits(size_t index, int& value) const {
    float units = 0.0f;
    if (!ReadFloat(index, units))
        return false;
    const double whole = std::trunc(static_cast<double>(units));
    if (whole < std::numeric_limits<int>::min() || whole > std::numeric_limits<int>::max()) {
        ReportInvalid(index);
        return false;
    }
    value = static_cast<int>(whole);
    return true;
}

void ArgumentReader::ReportInvalid(size_t index) const {
    const std::string command = arguments.empty() ? std::string() : arguments.front();
    const std::string argument = index < arguments.size() ? arguments[index] : std::string();
    console.log(command + ": not a valid number: " + argument);
}
