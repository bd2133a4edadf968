#pragma once
// How the console turns a variable's text into numbers, and numbers into text.
//
// Reading: the text's leading number as strtod reads it (white space first is skipped, so
// " 7.9" is 7.9 and "12abc" is 12). A text without a leading number ("abc", "") or whose
// number is not finite ("nan", "inf", "1e999") reads as 0.
//   float: that number, saturated to the float range;
//   int:   that number truncated toward zero ("7.9" is 7, "-7.9" is -7), saturated to int;
//   bool:  the number is not 0 ("0", "0.0", "abc" and "" are false; "1", "-2", "0.5" true).
// Writing a number: an integral value without a decimal point ("20", "-3", never "-0"),
// any other with the fewest significant digits that read back as the same float ("0.1").
// Clamping: when a variable has a minimum (maximum) and the new text reads below (above) it,
// the stored text becomes that bound written as above ("25" with maximum 20 becomes "20");
// any other text is stored exactly as given ("5.0" stays "5.0", "abc" in [0, 7] stays "abc").

#include <string>

namespace Corvane::Host {

struct ValueRange {
    bool hasMin = false;
    float min = 0.0f;
    bool hasMax = false;
    float max = 0.0f;
};

double ReadNumber(const std::string& text);
float ReadFloat(const std::string& text);
int ReadInt(const std::string& text);
bool ReadBool(const std::string& text);

std::string FormatNumber(float value);
std::string ClampText(const std::string& text, const ValueRange& range);

} // namespace Corvane::Host
