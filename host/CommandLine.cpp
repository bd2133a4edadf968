#include "host/CommandLine.h"

#include <charconv>

namespace Corvane::Host {

namespace {

const OptionSpec* FindOption(const std::vector<OptionSpec>& table, const std::string& name) {
    for (const OptionSpec& spec : table) {
        if (spec.name == name)
            return &spec;
    }
    return nullptr;
}

} // namespace

bool LooksLikeOption(const std::string& word) {
    return word.rfind("--", 0) == 0;
}

std::string Options::Value(const std::string& name) const {
    const auto found = values.find(name);
    return found == values.end() ? std::string() : found->second;
}

bool ReadOptions(const std::vector<std::string>& arguments, size_t first,
                 const std::vector<OptionSpec>& table, Options& options, std::string& problem) {
    for (size_t i = first; i < arguments.size(); ++i) {
        const std::string& word = arguments[i];
        const OptionSpec* spec = FindOption(table, word);
        if (spec == nullptr) {
            problem =
                LooksLikeOption(word) ? "unknown option " + word : "unexpected argument " + word;
            return false;
        }
        if (!spec->takesValue) {
            options.Set(word, std::string());
            continue;
        }
        if (i + 1 >= arguments.size() || arguments[i + 1].empty() ||
            LooksLikeOption(arguments[i + 1])) {
            problem = "missing value after " + word;
            return false;
        }
        options.Set(word, arguments[++i]);
    }
    return true;
}

bool ReadWholeNumber(const std::string& text, int low, int high, int& value) {
    const char* end = text.data() + text.size();
    int read = 0;
    const auto result = std::from_chars(text.data(), end, read);
    if (result.ec != std::errc() || result.ptr != end || read < low || read > high)
        return false;
    value = read;
    return true;
}

} // namespace Corvane::Host
