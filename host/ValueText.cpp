#include "host/ValueText.h"

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace Corvane::Host {

double ReadNumber(const std::string& text) {
    const char* begin = text.c_str();
    char* end = nullptr;
    const double value = std::strtod(begin, &end);
    if (end == begin || !std::isfinite(value))
        return 0.0;
    return value;
}

float ReadFloat(const std::string& text) {
    const double value = ReadNumber(text);
    if (value > FLT_MAX)
        return FLT_MAX;
    if (value < -FLT_MAX)
        return -FLT_MAX;
    return static_cast<float>(value);
}

int ReadInt(const std::string& text) {
    const double value = std::trunc(ReadNumber(text));
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (value <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(value);
}

bool ReadBool(const std::string& text) {
    return ReadNumber(text) != 0.0;
}

std::string FormatNumber(float value) {
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return value > 0.0f ? "inf" : "-inf";
    char buffer[64];
    // Integral floats up to 2^63 print exactly with no decimals; "-0" is written as "0".
    if (value == std::trunc(value) && std::fabs(value) < 9.2e18f) {
        std::snprintf(buffer, sizeof buffer, "%.0f", value == 0.0f ? 0.0 : double(value));
        return buffer;
    }
    for (int digits = 1; digits <= 9; ++digits) {
        std::snprintf(buffer, sizeof buffer, "%.*g", digits, double(value));
        if (std::strtof(buffer, nullptr) == value)
            break;
    }
    return buffer;
}

std::string ClampText(const std::string& text, const ValueRange& range) {
    const double value = ReadNumber(text);
    if (range.hasMin && value < double(range.min))
        return FormatNumber(range.min);
    if (range.hasMax && value > double(range.max))
        return FormatNumber(range.max);
    return text;
}

} // namespace Corvane::Host
