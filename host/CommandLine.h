#pragma once
// Reading the options of a corvane-sim command.
//
// An option is "--name VALUE" or, for a flag, "--name" alone; a later one of the same name
// wins. A value may be neither empty nor start with "--", so "--data --plugin x" is a
// missing value, not a folder named "--plugin". Each problem is one line:
//   unknown option --NAME
//   missing value after --NAME
//   unexpected argument WORD        (a word that is not an option)

#include <map>
#include <string>
#include <vector>

namespace Corvane::Host {

struct OptionSpec {
    std::string name; // with its leading "--"
    bool takesValue = true;
};

class Options {
public:
    bool Has(const std::string& name) const { return values.count(name) != 0; }
    // The option's value; empty when absent (or a flag).
    std::string Value(const std::string& name) const;
    void Set(const std::string& name, const std::string& value) { values[name] = value; }

private:
    std::map<std::string, std::string> values;
};

// True for a word that starts with "--".
bool LooksLikeOption(const std::string& word);

// Reads arguments[first...]; on a problem returns false and names it in problem.
bool ReadOptions(const std::vector<std::string>& arguments, size_t first,
                 const std::vector<OptionSpec>& table, Options& options, std::string& problem);

// True when text is a whole number, written as an optional '-' and decimal digits only,
// from low to high.
bool ReadWholeNumber(const std::string& text, int low, int high, int& value);

} // namespace Corvane::Host
