#pragma once
// Small JSON helpers shared by the path file and the preset index.

#include <string>

#include <nlohmann/json.hpp>

// Parses a whole document. On failure returns false with a one-line description in error
// ("not valid JSON at line 3, column 7").
bool ParseJsonText(const std::string& text, nlohmann::json& document, std::string& error);

// Text quoted for a console message as a JSON string literal: control characters are
// escaped so the message stays on one line, and long text is shortened.
std::string QuoteForMessage(const std::string& text);
