#pragma once
// Splitting a typed console line into words.
//
// White space separates words. A double quote starts a quoted run in which white space
// belongs to the word; the next double quote ends it. Quotes are not part of the word, so
// `a "b c"` is {"a", "b c"}, `x""` is {"x"} and `""` alone is one empty word (how a
// variable is set to the empty text). A quote left open runs to the end of the line.
// There is no escape character.

#include <string>
#include <vector>

namespace Corvane::Host {

std::vector<std::string> SplitConsoleLine(const std::string& line);

} // namespace Corvane::Host
