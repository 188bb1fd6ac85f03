#include "tools/rc2cpp/RcLexer.h"

#include "tools/rc2cpp/RcScript.h"

#include <cctype>

namespace rc2cpp {
namespace {

class Lexer {
public:
    explicit Lexer(const std::string& text) : text(text) {}

    std::vector<Token> Run() {
        std::vector<Token> tokens;
        while (SkipBlanksAndComments()) {
            const char c = text[pos];
            if (c == '#' && AtLineStart()) {
                Directive();
            } else if (c == ',') {
                tokens.push_back({Token::Comma, ",", 0, line});
                ++pos;
            } else if (c == '"') {
                tokens.push_back(StringToken());
            } else if (std::isdigit(static_cast<unsigned char>(c))) {
                tokens.push_back(NumberToken());
            } else if (std::isalpha(static_cast<unsigned char>(c)) || c == '_') {
                tokens.push_back(WordToken());
            } else if (c == '{' || c == '}') {
                tokens.push_back({Token::Word, c == '{' ? "BEGIN" : "END", 0, line});
                ++pos;
            } else {
                throw ScriptError(line, std::string("unexpected character '") + c + "'");
            }
        }
        // A script that stops short is reported at its last statement.
        tokens.push_back({Token::End, "", 0, tokens.empty() ? line : tokens.back().line});
        return tokens;
    }

private:
    bool AtLineStart() const {
        for (size_t i = pos; i > 0; --i) {
            const char c = text[i - 1];
            if (c == '\n') return true;
            if (c != ' ' && c != '\t') return false;
        }
        return true;
    }

    // Only the code page directive is understood, and only for UTF-8: the
    // script's strings are decoded as UTF-8 regardless.
    void Directive() {
        const size_t end = text.find('\n', pos);
        std::string directive = text.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
        while (!directive.empty() && std::isspace(static_cast<unsigned char>(directive.back()))) directive.pop_back();
        if (directive != "#pragma code_page(65001)")
            throw ScriptError(line, "unsupported directive: " + directive);
        pos = end == std::string::npos ? text.size() : end;
    }

    bool SkipBlanksAndComments() {
        while (pos < text.size()) {
            const char c = text[pos];
            if (c == '\n') {
                ++line;
                ++pos;
            } else if (c == ' ' || c == '\t' || c == '\r') {
                ++pos;
            } else if (text.compare(pos, 2, "//") == 0) {
                while (pos < text.size() && text[pos] != '\n') ++pos;
            } else if (text.compare(pos, 2, "/*") == 0) {
                const int startLine = line;
                const size_t end = text.find("*/", pos + 2);
                if (end == std::string::npos) throw ScriptError(startLine, "unterminated comment");
                for (size_t i = pos; i < end; ++i) line += text[i] == '\n';
                pos = end + 2;
            } else {
                return true;
            }
        }
        return false;
    }

    Token StringToken() {
        Token token{Token::String, "", 0, line};
        ++pos;
        for (;;) {
            if (pos >= text.size() || text[pos] == '\n') throw ScriptError(token.line, "unterminated string");
            const char c = text[pos++];
            if (c == '"') {
                if (pos < text.size() && text[pos] == '"') {
                    token.text += '"';
                    ++pos;
                    continue;
                }
                return token;
            }
            if (c != '\\') {
                token.text += c;
                continue;
            }
            const char e = pos < text.size() ? text[pos++] : '\0';
            switch (e) {
            case 'n': token.text += '\n'; break;
            case 't': token.text += '\t'; break;
            case '\\': token.text += '\\'; break;
            case '"': token.text += '"'; break;
            default: throw ScriptError(line, std::string("unsupported escape \\") + e);
            }
        }
    }

    Token NumberToken() {
        Token token{Token::Number, "", 0, line};
        const size_t start = pos;
        while (pos < text.size() && std::isalnum(static_cast<unsigned char>(text[pos]))) ++pos;
        std::string digits = text.substr(start, pos - start);
        token.text = digits;
        if (!digits.empty() && (digits.back() == 'L' || digits.back() == 'l')) digits.pop_back();
        const bool hex = digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X');
        const std::string body = hex ? digits.substr(2) : digits;
        uint64_t value = 0;
        for (char d : body) {
            const int v = std::isdigit(static_cast<unsigned char>(d)) ? d - '0'
                          : hex && std::isxdigit(static_cast<unsigned char>(d)) ? std::tolower(d) - 'a' + 10
                                                                                  : -1;
            if (v < 0) throw ScriptError(line, "bad number " + token.text);
            value = value * (hex ? 16 : 10) + v;
            if (value > 0xFFFFFFFFu) throw ScriptError(line, "number too large: " + token.text);
        }
        if (body.empty()) throw ScriptError(line, "bad number " + token.text);
        token.value = static_cast<uint32_t>(value);
        return token;
    }

    Token WordToken() {
        Token token{Token::Word, "", 0, line};
        while (pos < text.size() &&
               (std::isalnum(static_cast<unsigned char>(text[pos])) || text[pos] == '_'))
            token.text += text[pos++];
        return token;
    }

    const std::string& text;
    size_t pos = 0;
    int line = 1;
};

}  // namespace

std::vector<Token> Tokenize(const std::string& text) { return Lexer(text).Run(); }

}  // namespace rc2cpp
