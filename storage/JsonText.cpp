#include "storage/JsonText.h"

#include <algorithm>

namespace {

// Line and column (both from 1) of the byte at the 1-based position byte.
std::string DescribePosition(const std::string& text, std::size_t byte) {
    const std::size_t end = std::min(byte > 0 ? byte - 1 : 0, text.size());
    std::size_t line = 1;
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < end; ++i) {
        if (text[i] == '\n') {
            ++line;
            lineStart = i + 1;
        }
    }
    return "line " + std::to_string(line) + ", column " + std::to_string(end - lineStart + 1);
}

} // namespace

bool ParseJsonText(const std::string& text, nlohmann::json& document, std::string& error) {
    try {
        document = nlohmann::json::parse(text);
        return true;
    } catch (const nlohmann::json::parse_error& e) {
        error = "not valid JSON at " + DescribePosition(text, e.byte);
    } catch (const nlohmann::json::out_of_range&) {
        error = "holds a number too large to read";
    } catch (const nlohmann::json::exception&) {
        error = "not valid JSON";
    }
    return false;
}

std::string QuoteForMessage(const std::string& text) {
    constexpr std::size_t kLongest = 60; // bytes shown before "..."
    const bool shortened = text.size() > kLongest;
    const std::string shown = shortened ? text.substr(0, kLongest) : text;
    // Replacing bytes that are not UTF-8 keeps dump() from throwing on a cut character.
    std::string quoted =
        nlohmann::json(shown).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    if (shortened)
        quoted.insert(quoted.size() - 1, "...");
    return quoted;
}
