#include "host/ConsoleInput.h"

#include <gtest/gtest.h>

namespace Corvane::Host {
namespace {

using Words = std::vector<std::string>;

struct SplitCase {
    const char* line;
    Words words;
};

const SplitCase kSplitCases[] = {
    {"a b c", {"a", "b", "c"}},
    {"  a \t  b  ", {"a", "b"}},
    {"", {}},
    {" \t ", {}},
    {"cmd a \"b c\" d", {"cmd", "a", "b c", "d"}},
    {"dolly_path_directory \"\"", {"dolly_path_directory", ""}},
    {"\"\"", {""}},
    {"x \"\"\"\"", {"x", ""}},
    {"x\"\"", {"x"}},
    {"a\"b c\"d e", {"ab cd", "e"}},
    {"say \"unterminated quote  ", {"say", "unterminated quote  "}},
    {"\"a\tb\"", {"a\tb"}},
    {"1.5 -2 nan", {"1.5", "-2", "nan"}},
};

class SplitConsoleLineTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitConsoleLineTest, SplitsAsTyped) {
    EXPECT_EQ(SplitConsoleLine(GetParam().line), GetParam().words) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(Lines, SplitConsoleLineTest, testing::ValuesIn(kSplitCases));

} // namespace
} // namespace Corvane::Host
