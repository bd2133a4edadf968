#include "host/ConsoleInput.h"

namespace Corvane::Host {

namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

} // namespace

std::vector<std::string> SplitConsoleLine(const std::string& line) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false; // a word has started, even if it is still empty ("")
    bool quoted = false;
    for (const char c : line) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if (IsSpace(c) && !quoted) {
            if (inWord)
                words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        words.push_back(word);
    return words;
}

} // namespace Corvane::Host
