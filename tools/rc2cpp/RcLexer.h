// Splits resource-script text into tokens, tracking line numbers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace rc2cpp {

struct Token {
    enum Kind { Number, Word, String, Comma, End } kind = End;
    std::string text;    // Word: as written; String: decoded UTF-8 contents
    uint32_t value = 0;  // Number
    int line = 0;
};

// Throws ScriptError for what it cannot read (unknown directives, bad
// escapes, unterminated strings and comments, stray characters).
std::vector<Token> Tokenize(const std::string& text);

}  // namespace rc2cpp
