#pragma once
// Reading numbers from console arguments.
//
// Numbers follow the standard conversions (stoi base 10 into int, stof into float): leading
// white space is skipped, a sign is accepted, and reading stops at the first character that
// does not belong to the number ("12abc" is 12, "7.9" as an integer is 7). An argument without
// a leading number, a value out of range, or a non-finite float ("nan", "inf") is refused: the
// parser logs one line naming the command and the argument, and the caller changes nothing.

#include <string>
#include <vector>

#include "corvane/wrappers/CVarManagerWrapper.h"

class ArgumentReader {
public:
    ArgumentReader(CVarManagerWrapper& console, const std::vector<std::string>& arguments);

    // Element index read as an int / float; false (after logging) when it does not convert.
    bool ReadInt(size_t index, int& value) const;
    bool ReadFloat(size_t index, float& value) const;

private:
    void ReportInvalid(size_t index) const;

    CVarManagerWrapper& console;
    const std::vector<std::string>& arguments;
};
