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

    // True when at least `count` words were typed (the command's name included); otherwise
    // logs the usage line.
    bool Require(size_t count, const char* usage) const;
    // Element index read as an int / float; false (after logging) when it does not convert.
    bool ReadInt(size_t index, int& value) const;
    bool ReadFloat(size_t index, float& value) const;
    // A float within the world (path/PathLimits.h); one beyond it is refused with its own line.
    bool ReadCoordinate(size_t index, float& value) const;
    // A float that must also fit an int once truncated toward zero (rotator units).
    bool ReadWholeUnits(size_t index, int& value) const;

private:
    void ReportInvalid(size_t index) const;

    CVarManagerWrapper& console;
    const std::vector<std::string>& arguments;
};
